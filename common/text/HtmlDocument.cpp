#include "text/HtmlDocument.h"

#include "text/HtmlParser.h"
#include "text/HtmlTagTable.h"
#include "text/HtmlText.h"
#include "text/TextEscapes.h"

CHtmlDocument::CHtmlDocument(LPCTSTR source) : CMarkupDocument(source), m_nCharset(CHARSET_UNKNOWN) {}

CHtmlDocument::~CHtmlDocument() {}

BOOL CHtmlDocument::IsEmptyTagName(LPCTSTR name) const
{
    return IsEmptyTag(name);
}

CMarkupParser* CHtmlDocument::CreateParser(CMarkupRoot* pRoot)
{
    return new CHtmlParser(pRoot, 0);
}

int CHtmlDocument::GetCharset()
{
    return m_nCharset;
}

BOOL CHtmlDocument::GetTitle(CString& out)
{
    CString title;
    if (!GetElementText("title", title))
        return FALSE;
    StripHtmlTags(title);
    out = title;
    return TRUE;
}

BOOL CHtmlDocument::GetInputValue(LPCTSTR name, CString& out)
{
    CString value;
    if (!GetAttribute("input", "value", value, "name", name, 0))
        return FALSE;
    DecodeHtmlEntities(value);
    out = value;
    return TRUE;
}

BOOL CHtmlDocument::GetHiddenInputs(CStringList& names, CStringList& values)
{
    names.RemoveAll();
    values.RemoveAll();
    CPtrList inputs;
    FindElements("input", inputs, "type", "hidden", 0);
    for (POSITION pos = inputs.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* pInput = static_cast<const CMarkupNode*>(inputs.GetNext(pos));
        CString name;
        if (!pInput->GetAttribute("name", name) || name.IsEmpty())
            continue;
        CString value;
        pInput->GetAttribute("value", value);
        DecodeHtmlEntities(name);
        DecodeHtmlEntities(value);
        names.AddTail(name);
        values.AddTail(value);
    }
    return !names.IsEmpty();
}

BOOL GetPlainTextWithoutScripts(const CMarkupNode* pNode, CString& out)
{
    CMarkupNode* pCopy = pNode != nullptr ? pNode->Clone() : nullptr;
    if (pCopy == nullptr)
        return FALSE;
    pCopy->DeleteAllMatching("script", nullptr, nullptr, FALSE);
    pCopy->DeleteAllMatching("noscript", nullptr, nullptr, FALSE);
    CString text;
    pCopy->GetTextOfType(MARKUP_TEXT, text);
    out += text;
    delete pCopy;
    return TRUE;
}
