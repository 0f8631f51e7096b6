#ifndef TANZO_APP_DIALOGRESOURCEIDS_H
#define TANZO_APP_DIALOGRESOURCEIDS_H

// Resource ids of the dialog framework (res/common/dialogs.rc). Nothing but
// #defines, one per line: the resource compilers read this file too.

// Every dialog: the Help button, the context menu of a right click with its
// one command "ヘルプ(&H)...", and the tips of OK (with Cancel, and alone as
// the closing button), Cancel and Help.
#define IDC_DIALOG_HELP 4000
#define IDR_DIALOG_CONTEXT_MENU 405
#define ID_DIALOG_HELP 41000
#define IDS_TIP_DIALOG_OK 400
#define IDS_TIP_DIALOG_CANCEL 401
#define IDS_TIP_DIALOG_HELP 402
#define IDS_TIP_DIALOG_CLOSE 403

// The message box with buttons (template 561) and the notice (562). The
// buttons: one alone, a pair, or three.
#define IDD_CHOICE_MESSAGE 561
#define IDC_MESSAGE_ICON 4114
#define IDC_MESSAGE_HEADING 4115
#define IDC_MESSAGE_TEXT 4116
#define IDC_MESSAGE_BUTTON_SINGLE 4117
#define IDC_MESSAGE_BUTTON_PAIR_FIRST 4118
#define IDC_MESSAGE_BUTTON_PAIR_SECOND 4119
#define IDC_MESSAGE_BUTTON_TRIPLE_FIRST 4120
#define IDC_MESSAGE_BUTTON_TRIPLE_SECOND 4121
#define IDC_MESSAGE_BUTTON_TRIPLE_THIRD 4122
#define IDC_MESSAGE_BUTTON_FIRST 4117
#define IDC_MESSAGE_BUTTON_LAST 4122
#define IDC_MESSAGE_CHECKBOX 4123
#define IDC_MESSAGE_URL 4124
#define IDD_SIMPLE_MESSAGE 562
#define IDC_SIMPLE_ICON 4125
#define IDC_SIMPLE_TEXT 4126
#define IDC_SIMPLE_HEADING 4127
#define IDS_MESSAGE_OK 563
#define IDS_MESSAGE_YES 564
#define IDS_MESSAGE_NO 565
#define IDS_MESSAGE_CANCEL 566
#define IDS_MESSAGE_RETRY 567
#define IDS_MESSAGE_ABORT 568
#define IDS_MESSAGE_DONT_SHOW_AGAIN 569
#define IDS_TIP_MESSAGE_DONT_SHOW_AGAIN 570

// The link label's context menu: copy the address, open it.
#define IDR_LINK_CONTEXT_MENU 677
#define ID_LINK_COPY 41133
#define ID_LINK_OPEN 41134

// The tool-bar settings dialog.
#define IDD_TOOLBAR_SETTING 274
#define IDC_TOOLBAR_DEFAULTS 2274
#define IDC_TOOLBAR_SHOWN 2276
#define IDC_TOOLBAR_FORMAT 2279
#define IDC_TOOLBAR_FORMAT_LABEL 2280

// Texts the code loads.
#define IDS_SINGLE_INSTANCE_FAILED 625
#define IDS_ALREADY_RUNNING 626

#endif // TANZO_APP_DIALOGRESOURCEIDS_H
