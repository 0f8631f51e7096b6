"""The stand-in's pages: one module per group, each with register(router)."""

from . import contact, httptest, login, operations, status

MODULES = [httptest, login, status, operations, contact]


def register_all(router):
    for module in MODULES:
        module.register(router)
