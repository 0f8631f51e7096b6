#ifndef TANZO_CONTROLS_CONTROLSRESOURCEIDS_H
#define TANZO_CONTROLS_CONTROLSRESOURCEIDS_H

// Resources of the controls and the small dialogs (res/common/edit.rc,
// res/common/smalldialogs.rc).

// The edit's context menu, and the undo items added in undo mode 1.
#define IDR_EDIT_CONTEXT_MENU 440
#define IDR_EDIT_UNDO_MENU 553

// "Nothing was entered."
#define IDS_NOTHING_ENTERED 517
// The product's web address: the version dialog's tip on its link.
#define IDS_PRODUCT_URL 425

// Controls of the small dialogs that the programs' templates give these ids.
#define IDC_FIND_TEXT 1866
#define IDC_MEMO_TEXT 2196
#define IDC_TEXT_SIZE_LIST 1870
#define IDC_TEXT_SIZE_RESET 1871
#define IDC_TEXT_SIZE_SAMPLE 1874
#define IDC_VERSION_URL 4056
#define IDC_VERSION_NOTICE 4057
#define IDC_VERSION_LINE 4058
#define IDC_VERSION_ICON 4059

// The version dialog's template, and the program's icon (in the client
// also its menu, accelerators, tool bar and title).
#define IDD_VERSION_INFO 509
#define IDR_MAINFRAME 128

#endif // TANZO_CONTROLS_CONTROLSRESOURCEIDS_H
