#include "auction/operations/OperationPageReaders.h"

#include "auction/login/PageReaders.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/HtmlText.h"
#include "text/Json.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"
#include "text/TextEscapes.h"

#include <cstring>
#include <initializer_list>

namespace
{
const TCHAR kAnnouncementPath[] = "/trs/announcement.html";

// The document's own first match; the page is parsed on demand.
CMarkupNode* FirstElement(CHtmlDocument* pPage, LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue,
                          int flags = 0)
{
    CPtrList nodes;
    if (pPage == nullptr || !pPage->FindElements(tag, nodes, attrName, attrValue, flags | MARKUP_FIND_FIRST))
        return nullptr;
    return static_cast<CMarkupNode*>(nodes.GetHead());
}

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

// The text of an element as a browser shows it, trimmed.
CString ElementText(const CMarkupNode* pNode)
{
    CString text;
    GetNodePlainText(pNode, text);
    return Trimmed(text);
}

BOOL ReadErrorBox(CHtmlDocument* pPage, CString& out)
{
    CString text;
    if (!pPage->GetElementText("div", text, "class", "decErrorBox", MARKUP_FIND_FIRST | MARKUP_FIND_INNER))
        return FALSE;
    StripHtmlTags(text);
    text.Remove('\t');
    text = Trimmed(text);
    if (text.IsEmpty())
        return FALSE;
    out = text;
    return TRUE;
}

// The "message" member of the JSON object the error-code input holds.
BOOL ReadErrorCodes(CHtmlDocument* pPage, CString& out)
{
    CString value;
    if (!pPage->GetAttribute("input", "value", value, "id", "submitErrorCodes") || value.IsEmpty())
        return FALSE;
    DecodeHtmlEntities(value);
    CJsonDocument json;
    if (json.Parse(value) != JSON_PARSE_OK || json.GetRoot() == nullptr ||
        json.GetRoot()->GetTypeId() != JSON_TYPE_OBJECT)
        return FALSE;
    const CJsonValue* pRoot = json.GetRoot();
    for (int i = 0; i < pRoot->GetCount(); ++i)
    {
        const CJsonKeyValue* pMember = static_cast<const CJsonKeyValue*>(pRoot->GetAt(i));
        if (pMember->GetKey() != "message" || pMember->GetValue() == nullptr)
            continue;
        CString text;
        pMember->GetValue()->ToTextStyled(text, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
        if (text.IsEmpty())
            return FALSE;
        out = text;
        return TRUE;
    }
    return FALSE;
}

// The text after the error mark up to the next tag.
BOOL ReadMarkedError(CHtmlDocument* pPage, CString& out)
{
    CString source;
    pPage->GetSource(source);
    for (UINT nID : {(UINT)IDS_PAGE_ERROR_MARK, (UINT)IDS_PAGE_ERROR_MARK_ASCII})
    {
        CString mark;
        if (!mark.LoadString(nID) || mark.IsEmpty())
            continue;
        const int at = MbsFind(source, mark);
        if (at < 0)
            continue;
        const int begin = at + mark.GetLength();
        int end = MbsFindChar(source, '<', begin);
        if (end < 0)
            end = source.GetLength();
        CString text = Trimmed(source.Mid(begin, end - begin));
        if (text.IsEmpty())
            return FALSE;
        out = text;
        return TRUE;
    }
    return FALSE;
}

// The host part of a host's origin ("sell.example.jp:8080").
CString HostName(ServiceHost host)
{
    CString origin = GetServiceOrigin(host);
    const int at = origin.Find("//");
    return at >= 0 ? origin.Mid(at + 2) : origin;
}

BOOL ContainsPart(const CMarkupNode* pNode, LPCTSTR attrName, LPCTSTR part)
{
    CString value;
    return part != nullptr && *part != '\0' && pNode->GetAttribute(attrName, value) &&
           MbsFind(value, part) >= 0;
}
} // namespace

int GetPageErrorMessage(CHtmlDocument* pPage, CString& out, DWORD kinds)
{
    if (pPage == nullptr)
        return 0;
    if ((kinds & PageErrorBox) != 0 && ReadErrorBox(pPage, out))
        return 1;
    CString heading;
    if (GetPageMessageText(pPage, heading, "untHead", TRUE) && !heading.IsEmpty())
    {
        out = heading;
        return 1;
    }
    if ((kinds & PageErrorCodes) != 0 && ReadErrorCodes(pPage, out))
        return 2;
    if ((kinds & PageErrorMarked) != 0 && ReadMarkedError(pPage, out))
        return 3;
    return 0;
}

BOOL CollectErrorPoints(CHtmlDocument* pPage, CStringList& out)
{
    CMarkupNode* pForm = FirstElement(pPage, "form", "name", "auction");
    if (pForm == nullptr)
        pForm = FirstElement(pPage, "form", "id", "auction");
    if (pForm == nullptr)
        return FALSE;
    CPtrList marked;
    pForm->CollectMatching(nullptr, marked, "class", "decErrorPoint", TRUE);
    BOOL bAppended = FALSE;
    for (POSITION pos = marked.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* pNode = static_cast<CMarkupNode*>(marked.GetNext(pos));
        if (pNode == pForm)
            continue;
        CString label;
        if (pNode->IsNamed("td"))
        {
            CMarkupNode* pRow = pNode->FindAncestorByName("tr", pForm);
            CMarkupNode* pHeader =
                pRow != nullptr ? pRow->FindMatching("th", nullptr, nullptr, FALSE) : nullptr;
            label = ElementText(pHeader);
        }
        CString key;
        pNode->GetAttribute("id", key);
        CString entry;
        if (!label.IsEmpty() && !key.IsEmpty())
            entry.Format("%s（%s）", (LPCTSTR)label, (LPCTSTR)key);
        else
            entry = label.IsEmpty() ? key : label;
        if (!entry.IsEmpty())
        {
            out.AddTail(entry);
            bAppended = TRUE;
        }
    }
    return bAppended;
}

BOOL FindButtonOnclickUrl(CHtmlDocument* pPage, CString& outUrl, LPCTSTR idPart, LPCTSTR classPart,
                          UINT valueTextId, CString* pOnclick)
{
    CPtrList buttons;
    if (pPage == nullptr || !pPage->FindElements("input", buttons, "type", "button"))
        return FALSE;
    CString valueText;
    if (valueTextId != 0)
        valueText.LoadString(valueTextId);
    const BOOL bAny = (idPart == nullptr || *idPart == '\0') &&
                      (classPart == nullptr || *classPart == '\0') && valueText.IsEmpty();
    for (POSITION pos = buttons.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* pButton = static_cast<const CMarkupNode*>(buttons.GetNext(pos));
        if (!bAny && !ContainsPart(pButton, "id", idPart) && !ContainsPart(pButton, "class", classPart) &&
            !ContainsPart(pButton, "value", valueText))
            continue;
        CString onclick;
        CString url;
        if (!pButton->GetAttribute("onclick", onclick) || !ExtractQuotedUrl(onclick, url))
            continue;
        outUrl = url;
        if (pOnclick != nullptr)
            *pOnclick = onclick;
        return TRUE;
    }
    return FALSE;
}

BOOL ExtractQuotedUrl(LPCTSTR text, CString& out)
{
    if (text == nullptr)
        return FALSE;
    for (LPCTSTR start : {"'http://", "'https://", "'//", "'/"})
    {
        const int at = MbsFind(text, start);
        if (at < 0)
            continue;
        const int begin = at + 1;
        const int end = MbsFindChar(text, '\'', begin);
        if (end <= begin)
            return FALSE;
        out = CString(text + begin, end - begin);
        return TRUE;
    }
    return FALSE;
}

int GetScriptCallArgument(LPCTSTR text, LPCTSTR marker, int index)
{
    if (text == nullptr || marker == nullptr || *marker == '\0' || index < 0)
        return 0;
    const int at = MbsFind(text, marker);
    if (at < 0)
        return 0;
    CString arguments(text + at + strlen(marker));
    const int close = MbsFindChar(arguments, ')');
    if (close >= 0)
        arguments = arguments.Left(close);
    int begin = 0;
    for (int i = 0; i < index; ++i)
    {
        begin = MbsFindChar(arguments, ',', begin);
        if (begin < 0)
            return 0;
        ++begin;
    }
    int end = MbsFindChar(arguments, ',', begin);
    if (end < 0)
        end = arguments.GetLength();
    CString argument = arguments.Mid(begin, end - begin);
    if (argument.IsEmpty())
        return 0;
    const int first = MbsFindChar(argument, '\'');
    if (first >= 0)
        argument = argument.Mid(first + 1);
    const int last = MbsReverseFindChar(argument, '\'');
    if (last >= 0)
        argument = argument.Left(last);
    return CharsetCodeFromName(Trimmed(argument));
}

BOOL IsSellPageUrl(LPCTSTR url)
{
    if (url == nullptr || *url == '\0')
        return FALSE;
    for (LPCTSTR scheme : {"http://sell", "https://sell"})
    {
        if (MbsCompareNNoCase(url, scheme, (int)strlen(scheme)) == 0)
            return TRUE;
    }
    const CString sellHost = HostName(HostSell);
    if (!sellHost.IsEmpty() && MbsFindNoCase(url, sellHost) >= 0)
        return TRUE;
    return MbsFindNoCase(url, "//" + HostName(HostAuctions) + "/sell") >= 0;
}

BOOL IsServicePage(CHtmlDocument* pPage)
{
    if (pPage == nullptr)
        return FALSE;
    CString title;
    if (pPage->GetTitle(title) && MbsFind(title, "Yahoo") >= 0)
        return TRUE;
    CMarkupNode* pRoot = pPage->GetRoot();
    if (pRoot->HasNoChildren() && !pPage->Parse())
        return FALSE;
    CString text;
    GetNodePlainText(pRoot, text);
    return MbsFind(text, "Yahoo") >= 0;
}

BOOL IsCompletionPage(CHtmlDocument* pPage, const CStringList& texts)
{
    if (pPage == nullptr || texts.IsEmpty())
        return FALSE;
    CString title;
    if (pPage->GetTitle(title) && ContainsAnyOf(title, texts))
        return TRUE;
    CString wrapperId;
    if (pPage->GetAttribute("div", "id", wrapperId, "class", "wrapper", MARKUP_FIND_FIRST) &&
        MbsFind(wrapperId, "yaucSellItemCmplt") >= 0)
        return TRUE;
    CMarkupNode* pBar = FirstElement(pPage, "div", "id", "modTitBar", MARKUP_FIND_CONTAINS);
    CMarkupNode* pHeading = pBar != nullptr ? pBar->FindChildByName("h1") : nullptr;
    return pHeading != nullptr && ContainsAnyOf(ElementText(pHeading), texts);
}

CString GetAnnouncementPageUrl()
{
    CString url;
    MakeServiceURL(HostTrading, kAnnouncementPath, url);
    return url;
}

BOOL IsAnnouncementPage(LPCTSTR url)
{
    if (url == nullptr || *url == '\0')
        return FALSE;
    return MbsCompareNoCase(url, GetAnnouncementPageUrl()) == 0;
}

BOOL ContainsAnyOf(LPCTSTR text, const CStringList& texts)
{
    if (text == nullptr)
        return FALSE;
    for (POSITION pos = texts.GetHeadPosition(); pos != nullptr;)
    {
        const CString& entry = texts.GetNext(pos);
        if (!entry.IsEmpty() && MbsFind(text, entry) >= 0)
            return TRUE;
    }
    return FALSE;
}
