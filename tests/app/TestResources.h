#ifndef TANZO_TESTS_APP_TESTRESOURCES_H
#define TANZO_TESTS_APP_TESTRESOURCES_H

// Ids of the resources that only the application base's tests use.

#define IDR_TEST_POPUP 61100
#define ID_TEST_ITEM_A 61101
#define ID_TEST_ITEM_B 61102
#define ID_TEST_ITEM_EMPTY 61103
#define IDR_TEST_NO_POPUP 61110
#define ID_TEST_PLAIN_ITEM 61111

#define IDI_TEST_ICON 61150

// Dialogs of the dialog base's tests.
#define IDD_TEST_BASE 61200
#define IDC_TEST_EDIT 61201
#define IDC_TEST_LABEL 61202
#define IDC_TEST_COMBO 61203
#define IDD_TEST_OK_ONLY 61210
#define IDD_TEST_RESIZE 61220
#define IDC_TEST_LIST 61221
#define IDC_TEST_CENTRED 61222
#define IDC_TEST_RIGHT 61223
#define IDD_TEST_CHILD 61230
#define IDC_TEST_CHILD_EDIT 61231

// Dialog of the painted labels.
#define IDD_TEST_STATICS 61240
#define IDC_TEST_DECORATED 61241
#define IDC_TEST_LINK 61242
#define IDC_TEST_COUNT 61243
#define IDC_TEST_HINT 61244

// The tool bar of the tool-bar tests, and two texts for its buttons.
#define IDR_TEST_TOOLBAR 61170
#define ID_TEST_BUTTON_A 61171
#define ID_TEST_BUTTON_B 61172
#define IDS_TEST_BUTTON_A 61173
#define IDS_TEST_BUTTON_B 61174

// The tabbed dialog and its page.
#define IDD_TEST_TABBED 61250
#define IDC_TEST_TABS 61251
#define IDD_TEST_PAGE 61260
#define IDC_TEST_PAGE_EDIT 61261
#define IDC_TEST_PAGE_CHECK 61262

// Texts of tests/app/strings.rc: a pane's number ("未読 %d 件") and the
// indicators of the status bar.
#define IDS_TEST_PANE_COUNT 61300
#define ID_TEST_INDICATOR_LOGIN 61301
#define ID_TEST_INDICATOR_COUNT 61302
#define ID_TEST_INDICATOR_PAGE 61303

// The menu of the test main frames.
#define IDR_TEST_FRAME_MENU 61320

#endif // TANZO_TESTS_APP_TESTRESOURCES_H
