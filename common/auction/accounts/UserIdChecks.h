#ifndef TANZO_AUCTION_USERIDCHECKS_H
#define TANZO_AUCTION_USERIDCHECKS_H

// What the user-ID entry dialog accepts: results are 0 or the id of the
// message that refuses the text.

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// An ID: not empty (670), half-width letters and digits only (671).
UINT CheckUserIdText(LPCTSTR lpszText);
// A new ID also must not be one of the existing IDs, kept in lower case
// (669).
UINT CheckNewUserId(LPCTSTR lpszText, const CStringList& existingLowerIds);
// A password as an ID, and at most the 32 bytes that a stored password
// holds (555).
UINT CheckPasswordText(LPCTSTR lpszText);
// The ID as the existing-ID list keeps it.
CString LowerUserId(LPCTSTR lpszId);
// A new entry's password always counts as changed; an existing one's only
// when it differs from the stored one.
BOOL IsPasswordChanged(BOOL bEditExisting, LPCTSTR lpszStored, LPCTSTR lpszEntered);

#endif // TANZO_AUCTION_USERIDCHECKS_H
