#include "auction/login/LoginPageReader.h"

#include "auction/login/LoginAddresses.h"
#include "auction/login/PageReaders.h"
#include "net/HttpComm.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/HtmlText.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"
#include "text/UrlUtil.h"

namespace
{
const TCHAR kAlbatrossMarker[] = "getElementsByName(\".albatross\")";

// The markup of the first form for which match(form) holds.
template <class Match> BOOL FindForm(CHtmlDocument& page, CString& formHtml, Match match)
{
    CPtrList forms;
    page.FindElements("form", forms);
    for (POSITION pos = forms.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* pForm = static_cast<const CMarkupNode*>(forms.GetNext(pos));
        if (match(pForm))
        {
            formHtml.Empty();
            pForm->GetMarkup(formHtml, TRUE);
            return TRUE;
        }
    }
    return FALSE;
}

// The form's action as a browser would read it.
CString ActionOf(const CMarkupNode* pForm)
{
    CString action;
    pForm->GetAttribute("action", action);
    DecodeHtmlEntities(action);
    return action;
}

BOOL ActionContains(const CMarkupNode* pForm, LPCTSTR address)
{
    return MbsFindNoCase(ActionOf(pForm), address) >= 0;
}

BOOL AttributeIs(const CMarkupNode* pNode, LPCTSTR name, LPCTSTR value)
{
    CString text;
    return pNode->GetAttribute(name, text) && text.CompareNoCase(value) == 0;
}

// The first element below pScope (itself included) with the attribute
// value, or with the class among its classes.
CMarkupNode* FindBlock(CMarkupNode* pScope, LPCTSTR tag, LPCTSTR name)
{
    CMarkupNode* pFound = pScope->FindMatching(tag, "id", name, FALSE);
    if (pFound != nullptr)
        return pFound;
    CPtrList nodes;
    pScope->CollectByName(tag, nodes);
    for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* pNode = static_cast<CMarkupNode*>(nodes.GetNext(pos));
        if (HasClassName(pNode, name))
            return pNode;
    }
    return nullptr;
}
} // namespace

BOOL FindLoginForm(CHtmlDocument& page, CString& formHtml)
{
    if (FindForm(page, formHtml, [](const CMarkupNode* p) { return AttributeIs(p, "name", "login_form"); }))
        return TRUE;
    for (BOOL bSecure : {TRUE, FALSE})
    {
        const CString address = MakeServiceAddress(HostLogin, bSecure, "/config/login");
        if (FindForm(page, formHtml, [&](const CMarkupNode* p) { return ActionContains(p, address); }))
            return TRUE;
    }
    return FALSE;
}

BOOL FindCaptchaForm(CHtmlDocument& page, CString& formHtml)
{
    return FindForm(page, formHtml,
                    [](const CMarkupNode* p) { return AttributeIs(p, "name", "captchaForm"); }) ||
           FindForm(page, formHtml, [](const CMarkupNode* p) { return AttributeIs(p, "id", "captchaForm"); });
}

BOOL ReadCaptchaDoneValue(LPCTSTR formHtml, CString& out)
{
    CHtmlDocument form(formHtml);
    out.Empty();
    return form.GetInputValue(".done", out) && !out.IsEmpty();
}

BOOL FindOneTimePasswordForm(CHtmlDocument& page, CString& formHtml)
{
    return FindForm(page, formHtml,
                    [](const CMarkupNode* p)
                    { return LinksToService(ActionOf(p), HostProtectedLogin, "/otp"); });
}

BOOL ReadOneTimePasswordDoneValue(LPCTSTR formHtml, CString& out)
{
    CHtmlDocument form(formHtml);
    CString action;
    out.Empty();
    if (!form.GetAttribute("form", "action", action))
        return FALSE;
    DecodeHtmlEntities(action);
    return GetQueryParameter(action, ".done", out, TRUE);
}

BOOL ReadAlbatrossValue(CHtmlDocument& page, CString& out)
{
    CStringList scripts;
    page.GetElementTexts("script", scripts, nullptr, nullptr, MARKUP_FIND_INNER);
    for (POSITION pos = scripts.GetHeadPosition(); pos != nullptr;)
    {
        const CString& script = scripts.GetNext(pos);
        for (int at = script.Find(kAlbatrossMarker); at >= 0; at = script.Find(kAlbatrossMarker, at + 1))
        {
            const int equals = script.Find('=', at + (int)sizeof(kAlbatrossMarker) - 1);
            const int open = equals < 0 ? -1 : script.Find('"', equals);
            const int close = open < 0 ? -1 : script.Find('"', open + 1);
            if (close > open + 1)
            {
                out = script.Mid(open + 1, close - open - 1);
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL IsLoginAnswerDone(CHtmlDocument& page, LPCTSTR finalUrl, LPCTSTR doneUrl)
{
    CString content;
    if (page.GetAttribute("meta", "content", content, "http-equiv", "refresh"))
    {
        DecodeHtmlEntities(content);
        CString target;
        if (GetRefreshTarget(content, target))
            return MbsEqualNoCase(target, doneUrl);
        CString text;
        if (!page.GetElementText("a", text, "href", doneUrl, MARKUP_FIND_INNER))
            return FALSE;
        HtmlToPlainTextInPlace(text);
        text.TrimLeft();
        text.TrimRight();
        return text == doneUrl;
    }
    return finalUrl != nullptr && *finalUrl != '\0' && CompareUrls(finalUrl, doneUrl) == 0;
}

BOOL GetLoginErrorText(LPCTSTR formHtml, CString& out)
{
    CHtmlDocument form(formHtml);
    out.Empty();
    CPtrList forms;
    if (!form.FindElements("form", forms, nullptr, nullptr, MARKUP_FIND_FIRST))
        return FALSE;
    CMarkupNode* pForm = static_cast<CMarkupNode*>(forms.GetHead());
    CMarkupNode* pArea = FindBlock(pForm, "div", "inputArea");
    CMarkupNode* pMessage = FindBlock(pArea != nullptr ? pArea : pForm, "div", "errMsg");
    if (pMessage == nullptr)
        return FALSE;
    CString text;
    GetNodePlainText(pMessage, text);
    text.Remove('\r');
    text.Remove('\n');
    text.TrimLeft();
    text.TrimRight();
    out = text;
    return !out.IsEmpty();
}

BOOL IsLoginPostTarget(LPCTSTR url)
{
    return IsOnServiceOrigin(url, HostLogin, TRUE);
}

BOOL MakeLoginPageSnapshot(LPCTSTR body, LPCTSTR url, int charset, CString& out)
{
    out.Empty();
    CHtmlDocument page(body);
    CPtrList heads;
    if (!page.FindElements("head", heads, nullptr, nullptr, MARKUP_FIND_FIRST))
        return FALSE;
    CMarkupNode* pHead = static_cast<CMarkupNode*>(heads.GetHead());
    if (pHead->HasNoChildren())
        return FALSE;
    // First in the head, so that the page's own styles and scripts in the
    // head find the service too.
    CString base;
    if (GetSchemeAndHost(url, base))
    {
        if (base.Right(1) != "/")
            base += '/';
        CMarkupTag* pBase = new CMarkupTag("base");
        pBase->AddAttribute("href", base);
        pHead->PrependChild(pBase);
    }
    const int code = charset != CHARSET_UNKNOWN ? charset : CHARSET_SJIS;
    CHttpComm::SetMetaCharset(page, code);
    CString html;
    page.GetRoot()->GetMarkup(html, TRUE);
    return ConvertToCharset(html, out, code);
}
