#ifndef TANZO_AUCTION_LOGINPAGEFILL_H
#define TANZO_AUCTION_LOGINPAGEFILL_H

#include "afx/wintypes.h"
#include "auction/login/LoginDialogRules.h"

class CPageElementList;

// What the log-in dialogs do to and read from the page in their browser,
// through the browser's element interface.

// Puts the account into the log-in form: the "login" input and, when
// there is a password, the "passwd" input, inside the form named
// "login_form" (else anywhere in the page). LoginFilled... bits of what
// went in.
int FillLoginForm(CPageElementList& page, LPCTSTR id, LPCTSTR password);

// What the log-in dialogs look at in a loaded document.
LoginDocument ReadLoginDocument(CPageElementList& page, LPCTSTR url);

#endif // TANZO_AUCTION_LOGINPAGEFILL_H
