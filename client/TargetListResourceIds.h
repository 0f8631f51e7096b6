#ifndef TANZO_CLIENT_TARGETLISTRESOURCEIDS_H
#define TANZO_CLIENT_TARGETLISTRESOURCEIDS_H

// Resource ids of the partner list and the re-listing confirmation list
// (res/client/targetlists.rc). Nothing but #defines, one per line: the
// resource compilers read this file too. Where the dialogs that hold the
// lists name the same id, the name is theirs as well.

// The partner list's images are IDI_LIST_RATED and IDI_LIST_FORBIDDEN
// (ListResourceIds.h).

// The link's two items, put on top of a list's pop-up over a link cell;
// their commands are ID_LINK_COPY and ID_LINK_OPEN (app/DialogResourceIds.h).
#define IDR_CELL_LINK_MENU 208

// The partner list's pop-ups: the winner list's, and the others'.
#define IDR_RATE_TARGET_WINNERS_MENU 246
#define IDR_RATE_TARGET_CHOICE_MENU 269
#define ID_RATE_TARGET_UPDATE 33422
#define ID_RATE_TARGET_ALL 33423
#define ID_RATE_TARGET_NONE 33424

// The confirmation list's pop-up.
#define IDR_CONFIRM_MENU 161
#define ID_CONFIRM_EDIT 33403
#define ID_CONFIRM_CHARGE 33404
#define ID_CONFIRM_UP 33405
#define ID_CONFIRM_DOWN 33406
#define ID_CONFIRM_SELECT_ALL 33407
#define ID_CONFIRM_FIND 33408
#define ID_CONFIRM_FIND_PREVIOUS 33409
#define ID_CONFIRM_FIND_NEXT 33410

#endif // TANZO_CLIENT_TARGETLISTRESOURCEIDS_H
