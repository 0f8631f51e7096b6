"""The stand-in's pages: one module per group, each with register(router)."""

from . import httptest, login, status

MODULES = [httptest, login, status]


def register_all(router):
    for module in MODULES:
        module.register(router)
