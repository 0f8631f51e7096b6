"""The stand-in's pages: one module per group, each with register(router)."""

from . import contact, editing, feedback, httptest, itempage, login, operations, relist, status

MODULES = [httptest, login, status, operations, contact, itempage, relist, feedback, editing]


def register_all(router):
    for module in MODULES:
        module.register(router)
