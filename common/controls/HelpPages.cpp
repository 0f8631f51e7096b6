#include "controls/HelpPages.h"

#include "afx/Collections.h"
#include "controls/BrowserResourceIds.h"
#include "text/HtmlDocument.h"
#include "text/MbcsString.h"

BOOL LinksHelpStyle(LPCTSTR lpszPage)
{
    CString href;
    href.Format("%d", IDR_HELP_STYLE);
    CHtmlDocument document(lpszPage);
    CPtrList links;
    document.FindElements("link", links, "href", href);
    for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
    {
        auto* pLink = static_cast<CMarkupNode*>(links.GetNext(pos));
        CString rel;
        if (pLink->GetAttribute("rel", rel) && MbsEqualNoCase(rel, "stylesheet"))
            return TRUE;
    }
    return FALSE;
}
