#ifndef TANZO_CLIENT_ACTIONS_LISTINGRESULTPAGEREADER_H
#define TANZO_CLIENT_ACTIONS_LISTINGRESULTPAGEREADER_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CHtmlDocument;

// What the service answers a listing form with: its error text, where the
// form was wrong, whether the completion page shows the title that was
// sent, and what a failed final post tells the user to check.

// The service's error text: the error box (with the labels of the marked
// fields when it speaks of wrong or missing entries), the alert box's
// heading, the message of the form's error codes, or the text after
// "エラー：". TRUE when there is one.
BOOL ReadListingErrorText(CHtmlDocument* pPage, CString& out);

// An error about the shipping of an item whose only method was the
// discontinued box service gets a note saying so; TRUE when appended.
BOOL AppendHacoboonNote(CString& text);

// The completion page shows another title than the one sent while its
// page title shows "?" for characters it could not take; pageTitle gets
// that page title. A sent title that held "?" itself is never compared.
BOOL IsGarbledCompletion(CHtmlDocument* pPage, LPCTSTR sentTitle, CString& pageTitle);

// Message 1162 for a final post that failed: the address, the charset the
// form was sent in and the one of the answer.
CString FormatSubmitDiagnostics(LPCTSTR url, int sentCharset, int pageCharset);

#endif // TANZO_CLIENT_ACTIONS_LISTINGRESULTPAGEREADER_H
