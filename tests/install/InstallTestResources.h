#ifndef TANZO_TESTS_INSTALL_INSTALLTESTRESOURCES_H
#define TANZO_TESTS_INSTALL_INSTALLTESTRESOURCES_H

// Resources that only the installation library's tests use.

// A file carried as type "BINARY".
#define IDR_TEST_CARRIED 61500
// An id with no resource of that type.
#define IDR_TEST_MISSING 61501

#endif // TANZO_TESTS_INSTALL_INSTALLTESTRESOURCES_H
