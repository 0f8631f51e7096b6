#ifndef TANZO_CLIENT_USERIDMANAGERESOURCEIDS_H
#define TANZO_CLIENT_USERIDMANAGERESOURCEIDS_H

// Resource ids of the user-ID management dialog (res/client/userids.rc).
// Nothing but #defines, one per line: the resource compilers read this file
// too. Its list and buttons are the list dialog base's IDC_USERID_* ids.

#define IDD_USERID_MANAGE 152
#define IDD_USERID_MANAGE_SECTION 201
#define HID_USERID_MANAGE 13
#define IDC_USERID_LIST_LABEL 2127

// The list's pop-up menu.
#define IDR_USERID_MANAGE_MENU 155
#define ID_USERID_MANAGE_ADD 33400
#define ID_USERID_MANAGE_EDIT 33401
#define ID_USERID_MANAGE_DELETE 33402

// The question before an ID is deleted with its data (%1: the ID).
#define IDS_USERID_DELETE_WITH_DATA 985
#define IDS_TIP_USERID_ADD 1421
#define IDS_TIP_USERID_DELETE 1422
#define IDS_TIP_USERID_EDIT 1423

#endif // TANZO_CLIENT_USERIDMANAGERESOURCEIDS_H
