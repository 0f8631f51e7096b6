#ifndef TANZO_CLIENT_FINDRESOURCEIDS_H
#define TANZO_CLIENT_FINDRESOURCEIDS_H

// Resource ids of the find dialog and the search's status text
// (res/client/find.rc). Nothing but #defines, one per line: the resource
// compilers read this file too. The search text's combo box is the find
// dialog base's IDC_FIND_TEXT.

#define IDD_FIND 270
#define IDD_FIND_SECTION 271
#define HID_FIND 12
#define IDC_FIND_MATCH_CASE 1867
#define IDC_FIND_LABEL 1868
#define IDC_FIND_SEARCH 1869

// "[ F3 ] ..." with the text searched for, after a row was found.
#define IDS_FIND_STATUS 1124
#define IDS_TIP_FIND_TEXT 1535
#define IDS_TIP_FIND_MATCH_CASE 1536
#define IDS_TIP_FIND_SEARCH 1537

#endif // TANZO_CLIENT_FINDRESOURCEIDS_H
