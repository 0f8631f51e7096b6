#ifndef TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTRESOURCES_H
#define TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTRESOURCES_H

// Resource ids of the browser tests' own script (resources.rc). Nothing
// but #defines: the resource compiler reads this file too.

// Two dialogs with a Help button, and their help pages.
#define IDD_TEST_HELP_FIRST 30100
#define IDD_TEST_HELP_SECOND 30101
#define IDH_TEST_FIRST 30001
#define IDH_TEST_SECOND 30002

// A preview dialog: its status line and the placeholder of its browser.
#define IDD_TEST_PREVIEW 30110
#define IDC_TEST_PREVIEW_PLACEHOLDER 30111
#define IDC_TEST_PREVIEW_STATUS 30112

// A tabbed dialog with a text page and a preview page.
#define IDD_TEST_TABBED_PREVIEW 30120
#define IDC_TEST_TABS 30121
#define IDD_TEST_TEXT_PAGE 30122
#define IDD_TEST_PREVIEW_PAGE 30123
#define IDC_TEST_PAGE_PLACEHOLDER 30124
#define IDC_TEST_PAGE_STATUS 30125
#define IDC_TEST_PAGE_EDIT 30126

#endif // TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTRESOURCES_H
