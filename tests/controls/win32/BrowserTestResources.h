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

#endif // TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTRESOURCES_H
