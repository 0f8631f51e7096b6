#include "client/actions/shared/PageForm.h"

#include "client/actions/shared/ListingFormPageReader.h"
#include "net/FormFieldSet.h"
#include "net/HttpComm.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"

BOOL GetFormActionUrl(CMarkupNode* pForm, LPCTSTR pageUrl, CString& out)
{
    out.Empty();
    CString action;
    if (pForm == nullptr || !pForm->GetAttribute("action", action))
        return FALSE;
    out = ResolvePageAddress(pageUrl, action);
    if (out.IsEmpty())
        out = pageUrl != nullptr ? pageUrl : "";
    return !out.IsEmpty();
}

BOOL TakePageForm(CHttpComm* pPage, CMarkupNode* pForm, CFormFieldSet& form, CString* pActionUrl)
{
    if (pPage == nullptr || pForm == nullptr)
        return FALSE;
    CHtmlDocument formOnly;
    formOnly.SetFromElement(pForm->Clone());
    if (!form.ReadFormInputs(&formOnly))
        return FALSE;
    if (pActionUrl == nullptr)
        return TRUE;
    CString pageUrl;
    pPage->GetUrl(pageUrl);
    return GetFormActionUrl(pForm, pageUrl, *pActionUrl);
}
