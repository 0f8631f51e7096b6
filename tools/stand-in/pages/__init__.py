"""The stand-in's pages: one module per group, each with register(router)."""

from . import httptest, login

MODULES = [httptest, login]


def register_all(router):
    for module in MODULES:
        module.register(router)
