// The HTML parser and the document queries on arbitrary bytes. The first
// byte chooses the query arguments; the page is the rest, NUL bytes
// included. Besides not crashing, copies must write out as the original.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "afx/Collections.h"
#include "afx/String.h"
#include "text/HtmlDocument.h"
#include "text/HtmlParser.h"
#include "text/MarkupNode.h"
#include "text/MarkupParser.h"

namespace
{

// The page bytes reach the document the way the HTTP client's body does.
class CBytesDocument : public CHtmlDocument
{
public:
    CBytesDocument(const uint8_t* data, size_t size) : m_body((LPCTSTR)data, (int)size) {}

    BOOL LoadSource() override
    {
        m_strSource = m_body;
        return !m_strSource.IsEmpty();
    }

private:
    CString m_body;
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

CString Markup(const CMarkupNode* node)
{
    CString out;
    node->GetMarkup(out, TRUE);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > (1u << 20))
        return 0;
    static const char* const tags[] = {"td", "tr", "table", "input", "a", "div", "p", "li", "br", "script"};
    static const char* const attrs[] = {nullptr, "class", "name", "type", "href", "value"};
    static const char* const attrValues[] = {nullptr, "", "hidden", "a", "x y"};
    uint8_t choice = data[0];
    const char* tag = tags[choice % 10];
    const char* attrName = attrs[(choice / 10) % 6];
    const char* attrValue = attrValues[(choice / 60) % 5];
    int flags = choice & 0x1F;
    ++data;
    --size;

    CBytesDocument doc(data, size);
    CPtrList nodes;
    doc.FindElements(tag, nodes, attrName, attrValue, flags);
    for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
    {
        CMarkupNode* node = static_cast<CMarkupNode*>(nodes.GetNext(pos));
        CString text;
        node->GetTextOfType(MARKUP_TEXT, text);
        node->FindContainingText("a", FALSE);
        node->FindAncestorByName("table");
    }
    CString out;
    doc.GetElementText(tag, out, attrName, attrValue, flags);
    CStringList texts, names, values;
    doc.GetElementTexts(tag, texts, attrName, attrValue, flags | MARKUP_FIND_INNER);
    doc.GetAttributes(tag, "class", values, attrName, attrValue, flags);
    doc.ElementTextContains(tag, "<td", attrName, attrValue, flags);
    doc.GetTitle(out);
    doc.GetInputValue("name", out);
    doc.GetHiddenInputs(names, values);
    CMarkupRoot list;
    doc.FindElementsToList(tag, &list, attrName, attrValue, flags);
    delete doc.FindElement(tag, attrName, attrValue, flags);

    // A copy writes out as the original, before and after a change.
    const CMarkupRoot* root = doc.GetRoot();
    CString markup = Markup(root);
    CMarkupNode* copy = root->Clone();
    Check(Markup(copy) == markup);
    CString plain;
    GetPlainTextWithoutScripts(copy, plain);
    copy->DeleteAllMatching(tag, attrName, attrValue, (flags & MARKUP_FIND_CONTAINS) != 0);
    copy->DeleteAllOfType(MARKUP_TEXT);
    CString text;
    copy->GetTextOfType(MARKUP_TEXT, text);
    Check(text.IsEmpty());
    CMarkupText lineBreak("\n");
    copy->ReplaceByName("br", &lineBreak);
    delete copy;

    // The written markup parses again, strictly or not, and so does the
    // page with the generic parser.
    CMarkupRoot again;
    CHtmlParser(&again, choice % 3).Parse(markup, markup.GetLength());
    Markup(&again);
    CMarkupRoot generic;
    CMarkupParser(&generic).Parse((const char*)data, (int)size);
    Markup(&generic);
    return 0;
}
