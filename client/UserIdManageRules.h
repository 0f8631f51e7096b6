#ifndef TANZO_CLIENT_USERIDMANAGERULES_H
#define TANZO_CLIENT_USERIDMANAGERULES_H

// What the user-ID management dialog offers: a new ID only while the list
// holds fewer than the account list keeps, editing and deleting only with
// a row selected.

#include "afx/wintypes.h"

BOOL CanAddUserId(int nRowCount);
// FALSE in bEnabled for a command of the dialog's pop-up that cannot run;
// the answer is FALSE for a command that is not one of them.
BOOL GetUserIdManageCommandState(UINT nID, int nRowCount, BOOL bRowSelected, BOOL& bEnabled);

#endif // TANZO_CLIENT_USERIDMANAGERULES_H
