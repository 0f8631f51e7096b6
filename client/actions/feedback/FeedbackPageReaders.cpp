#include "client/actions/feedback/FeedbackPageReaders.h"

#include "afx/Collections.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{
const TCHAR kInputPagePath[] = "show/leavefeedback";

CMarkupNode* FirstForm(CHtmlDocument* pPage, LPCTSTR actionPart)
{
    CPtrList forms;
    if (!pPage->FindElements("form", forms, "action", actionPart, MARKUP_FIND_CONTAINS | MARKUP_FIND_FIRST))
        return nullptr;
    return static_cast<CMarkupNode*>(forms.GetHead());
}

BOOL LinkNamesPartner(LPCTSTR link, LPCTSTR partner)
{
    CString decoded(link);
    DecodeHtmlEntities(decoded);
    CString target;
    return GetQueryParameter(decoded, "t", target) && MbsEqualNoCase(target, partner);
}
} // namespace

BOOL FindFeedbackLink(CHtmlDocument* pItemPage, LPCTSTR partner, CStringList* pCache, CString& out)
{
    out.Empty();
    if (pItemPage == nullptr)
        return FALSE;
    const BOOL bNamed = partner != nullptr && *partner != '\0';
    if (!bNamed)
    {
        return pItemPage->GetAttribute("a", "href", out, "href", kInputPagePath, MARKUP_FIND_CONTAINS) &&
               !out.IsEmpty();
    }
    CStringList pageLinks;
    const CStringList* pLinks = &pageLinks;
    if (pCache != nullptr && !pCache->IsEmpty())
    {
        pLinks = pCache;
    }
    else
    {
        pItemPage->GetAttributes("a", "href", pageLinks, "href", kInputPagePath, MARKUP_FIND_CONTAINS);
        if (pCache != nullptr)
            pCache->AddTail(&pageLinks);
    }
    for (POSITION pos = pLinks->GetHeadPosition(); pos != nullptr;)
    {
        const CString& link = pLinks->GetNext(pos);
        if (LinkNamesPartner(link, partner))
        {
            out = link;
            return TRUE;
        }
    }
    return FALSE;
}

CMarkupNode* FindFeedbackInputForm(CHtmlDocument* pPage)
{
    if (pPage == nullptr)
        return nullptr;
    if (CMarkupNode* pForm = FirstForm(pPage, "preview/leavefeedback"))
        return pForm;
    CPtrList buttons;
    if (!pPage->FindElements("input", buttons, "id", "decCheck", MARKUP_FIND_FIRST))
        return nullptr;
    CMarkupNode* pButton = static_cast<CMarkupNode*>(buttons.GetHead());
    CString type;
    if (!pButton->GetAttribute("type", type) || type.CompareNoCase("submit") != 0)
        return nullptr;
    CMarkupNode* pForm = pButton->FindAncestorByName("form");
    CString action;
    if (pForm == nullptr || !pForm->GetAttribute("action", action) || action.Find("leavefeedback") < 0)
        return nullptr;
    return pForm;
}

CMarkupNode* FindFeedbackConfirmForm(CHtmlDocument* pPage)
{
    return pPage != nullptr ? FirstForm(pPage, "submit/leavefeedback") : nullptr;
}
