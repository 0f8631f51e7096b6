#ifndef TANZO_AUCTION_USERIDRESOURCEIDS_H
#define TANZO_AUCTION_USERIDRESOURCEIDS_H

// Resources of the user-ID list and entry dialogs (res/common/userids.rc):
// their texts, the link items of the list's context menu and the controls
// the dialog bases look for in the templates the client gives them.
// Nothing but #defines, one per line: the resource compilers read it too.

// Column titles of the list: "Yahoo! JAPAN ID" and "メモ".
#define IDS_USERID_COLUMN_ID 556
#define IDS_USERID_COLUMN_MEMO 557
// Questions of the list dialog: Cancel after a change; deleting a row
// (%1: the ID).
#define IDS_USERID_CANCEL_CHANGES 558
#define IDS_USERID_DELETE 559
// Messages of the entry dialog: the ID is in the list already; nothing
// entered; two-byte or half-width katakana characters; a password longer
// than the 32 bytes a stored one holds.
#define IDS_USERID_EXISTS 669
#define IDS_USERID_EMPTY 670
#define IDS_USERID_NOT_ASCII 671
#define IDS_PASSWORD_TOO_LONG 555

// The items put on top of the list's context menu over a link; their
// commands are ID_LINK_COPY and ID_LINK_OPEN of every link's menu
// (app/DialogResourceIds.h).
#define IDR_USERID_LINK_MENU 560

// Controls of the list dialog; the check button (the log-in test of the
// selected ID) is optional.
#define IDC_USERID_LIST 2131
#define IDC_USERID_CHECK 2132
#define IDC_USERID_ADD 2133
#define IDC_USERID_DELETE 2134
#define IDC_USERID_EDIT 2135
// Controls of the entry dialog.
#define IDC_USERID_ID 2124
#define IDC_USERID_PASSWORD 2126
#define IDC_USERID_ID_STATIC 2128
#define IDC_USERID_MEMO 2130

// What a memo holds at most, in bytes.
#define USERID_MEMO_MAX_BYTES 60

#endif // TANZO_AUCTION_USERIDRESOURCEIDS_H
