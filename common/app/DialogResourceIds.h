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

#endif // TANZO_APP_DIALOGRESOURCEIDS_H
