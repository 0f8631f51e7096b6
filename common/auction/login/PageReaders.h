#ifndef TANZO_AUCTION_PAGEREADERS_H
#define TANZO_AUCTION_PAGEREADERS_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/login/LoginResourceIds.h"

class CHtmlDocument;
class CMarkupNode;

// Readers of the service's pages that the log-in, the operations and the
// list readers share: is this the log-in page, which user does the page
// show, what does its alert box say.

// Strings of the greeting in the page header.

// Non-zero when the URL holds the log-in host's origin, in its https:// or
// http:// form, followed by "/", "?" or the end: every page of the log-in
// host, its verification pages included.
BOOL IsLoginPageUrl(LPCTSTR url);

// The signed-in user's ID as the page shows it: the first of the page's
// sources that yields one (header blocks, the log-in name link, the log-in
// bar, the first bold text, the points link, account tables, the personal
// box). FALSE, out empty, for no page or a page without an ID. The page
// is parsed on demand; a fetched page is the CHttpComm itself.
BOOL GetLoginUserIdFromPage(CHtmlDocument* pPage, CString& out);

// The text of the block inside the page's "modAlertBox" whose class
// contains className ("untHead", "untBody"); with no class name, of the
// box itself. "br" gives a line break, the text is trimmed and, with
// bStripSpaces, its blanks are removed. FALSE when the box is missing or
// hidden (display:none on it or on an ancestor), the block missing or its
// text empty.
BOOL ReadAlertBoxText(CHtmlDocument* pPage, CString& out, LPCTSTR className, BOOL bStripSpaces);
BOOL GetPageMessageText(CHtmlDocument* pPage, CString& out, LPCTSTR className, BOOL bStripSpaces);

// The ID of a greeting such as "こんにちは、xxxさん" (markup allowed): the
// greeting words and the punctuation around the name removed, 4 to 31
// bytes left.
BOOL ExtractGreetingUserId(LPCTSTR text, CString& out);

// ASCII only, 4 to 31 bytes, not digits only, no blank.
BOOL IsValidUserId(LPCTSTR text);

// The text of a subtree as a browser shows it: text nodes with their
// entities decoded, scripts, styles and comments left out, each "br" as
// lineBreak when one is given. Source line breaks stay as written.
void GetNodePlainText(const CMarkupNode* pNode, CString& out, LPCTSTR lineBreak = nullptr);

// The node's class attribute names the class among its words.
BOOL HasClassName(const CMarkupNode* pNode, LPCTSTR name);

#endif // TANZO_AUCTION_PAGEREADERS_H
