#ifndef TANZO_AUCTION_OPERATIONPAGEREADERS_H
#define TANZO_AUCTION_OPERATIONPAGEREADERS_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/operations/OperationResourceIds.h"

class CHtmlDocument;

// Readers of the pages the service answers an operation with: its error
// texts and marked fields, the addresses behind its buttons, and whether a
// page is the service's at all, a completion or the trading system's notice.

// Texts of the readers.

// Kinds of error text, for GetPageErrorMessage's mask and result.
enum
{
    PageErrorBox = 0x1,    // the error box, or the alert box's heading
    PageErrorCodes = 0x2,  // the message of the form's error codes
    PageErrorMarked = 0x4, // the text after "エラー：" in the page
};

// The error text the page shows: 1 from the error box (asked with
// PageErrorBox) or the alert box's heading (always tried), 2 from the
// error codes, 3 from the marked text; 0 and out untouched for none.
int GetPageErrorMessage(CHtmlDocument* pPage, CString& out, DWORD kinds);

// Appends "label（key）" for each field the listing form marks as wrong;
// TRUE when any was appended.
BOOL CollectErrorPoints(CHtmlDocument* pPage, CStringList& out);

// The address of the first button (input type "button") whose id contains
// idPart, class contains classPart or value contains the text valueTextId
// (empty criteria skipped; none given: every button) and whose onclick
// holds one; pOnclick gets the whole onclick text.
BOOL FindButtonOnclickUrl(CHtmlDocument* pPage, CString& outUrl, LPCTSTR idPart, LPCTSTR classPart,
                          UINT valueTextId, CString* pOnclick = nullptr);

// The first single-quoted address in a script: 'http://, else 'https://,
// else '//, else '/ up to the closing quote. FALSE without one.
BOOL ExtractQuotedUrl(LPCTSTR text, CString& out);

// The charset code that argument index of the call after marker names
// ("setCharset('utf-8')" gives 4); 0 when it is missing or no charset.
int GetScriptCallArgument(LPCTSTR text, LPCTSTR marker, int index);

// An address of the selling host, or of the auction host's /sell pages.
BOOL IsSellPageUrl(LPCTSTR url);
// The title, else the page's text, names the service.
BOOL IsServicePage(CHtmlDocument* pPage);
// The page reports a completed listing: its title or its heading holds one
// of the texts, or it is the completion page's wrapper. FALSE for no texts.
BOOL IsCompletionPage(CHtmlDocument* pPage, const CStringList& texts);
// The trading system's announcement, which the service sends while that
// system is closed.
BOOL IsAnnouncementPage(LPCTSTR url);
CString GetAnnouncementPageUrl();
// The text contains one of the non-empty texts.
BOOL ContainsAnyOf(LPCTSTR text, const CStringList& texts);

#endif // TANZO_AUCTION_OPERATIONPAGEREADERS_H
