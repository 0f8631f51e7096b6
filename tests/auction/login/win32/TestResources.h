#ifndef TANZO_TESTS_AUCTION_WIN32_TESTRESOURCES_H
#define TANZO_TESTS_AUCTION_WIN32_TESTRESOURCES_H

// Ids of the dialogs that stand in for the client's in the tests of the
// auction library's dialog bases.

#define IDD_TEST_AMOUNT 61300
#define IDD_TEST_CONDITION 61310
#define IDS_TEST_CONDITION_LIST 61311
#define IDD_TEST_LOGIN_SETTING 61320

#endif // TANZO_TESTS_AUCTION_WIN32_TESTRESOURCES_H
