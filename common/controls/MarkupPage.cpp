#include "controls/MarkupPage.h"

#include "text/MarkupDocument.h"
#include "text/MarkupWalk.h"
#include "text/MbcsString.h"

#include <vector>

namespace
{
BOOL IsPageElementNode(const CMarkupNode* pNode)
{
    int nType = pNode->GetType();
    return (nType == MARKUP_TAG_ELEMENT || nType == MARKUP_TAG) && pNode->GetNameText()[0] != '!';
}

// The elements below a node, in document order.
class CMarkupElementList : public CPageElementList
{
public:
    CMarkupElementList(CMarkupNode* pParent, CMarkupPage* pPage) : m_pPage(pPage)
    {
        MarkupWalk::Find(pParent,
                         [&](CMarkupNode* pNode)
                         {
                             if (pNode != pParent && IsPageElementNode(pNode))
                                 m_nodes.push_back(pNode);
                             return false;
                         });
    }
    int GetCount() override { return (int)m_nodes.size(); }
    std::unique_ptr<CPageElement> GetAt(int nIndex) override;

private:
    std::vector<CMarkupNode*> m_nodes;
    CMarkupPage* m_pPage;
};

struct StyleDeclaration
{
    CString name;
    CString value;
};

CString Trimmed(const CString& text)
{
    CString result(text);
    result.TrimLeft();
    result.TrimRight();
    return result;
}

std::vector<StyleDeclaration> ParseStyle(LPCTSTR lpszStyle)
{
    std::vector<StyleDeclaration> declarations;
    CString style(lpszStyle);
    int nStart = 0;
    while (nStart <= style.GetLength())
    {
        int nEnd = MbsFindChar(style, ';', nStart);
        if (nEnd < 0)
            nEnd = style.GetLength();
        CString declaration = style.Mid(nStart, nEnd - nStart);
        int nColon = MbsFindChar(declaration, ':');
        if (nColon > 0)
            declarations.push_back({Trimmed(declaration.Left(nColon)), Trimmed(declaration.Mid(nColon + 1))});
        nStart = nEnd + 1;
    }
    return declarations;
}
} // namespace

class CMarkupPageElement : public CPageElement
{
public:
    CMarkupPageElement(CMarkupNode* pNode, CMarkupPage* pPage) : m_pNode(pNode), m_pPage(pPage) {}

    CString GetTagName() override { return m_pNode->GetNameText(); }
    BOOL GetAttribute(LPCTSTR lpszName, CString& strValue) override
    {
        return m_pNode->GetAttribute(lpszName, strValue);
    }
    BOOL SetAttribute(LPCTSTR lpszName, LPCTSTR lpszValue) override
    {
        return m_pNode->SetAttribute(lpszName, lpszValue);
    }
    BOOL SetDisplay(LPCTSTR lpszValue) override
    {
        CString style;
        m_pNode->GetAttribute("style", style);
        return m_pNode->SetAttribute("style", SetStyleProperty(style, "display", lpszValue));
    }
    BOOL Submit() override
    {
        if (!m_pNode->IsNamed("form"))
            return FALSE;
        CString name;
        m_pNode->GetAttribute("name", name);
        m_pPage->m_submitted.AddTail(name);
        return TRUE;
    }
    std::unique_ptr<CPageElementList> GetElements() override
    {
        return std::make_unique<CMarkupElementList>(m_pNode, m_pPage);
    }

private:
    CMarkupNode* m_pNode;
    CMarkupPage* m_pPage;
};

std::unique_ptr<CPageElement> CMarkupElementList::GetAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_nodes.size())
        return nullptr;
    return std::make_unique<CMarkupPageElement>(m_nodes[nIndex], m_pPage);
}

std::unique_ptr<CPageElementList> CMarkupPage::GetElements()
{
    CMarkupRoot* pRoot = m_document.GetRoot();
    if (pRoot->HasNoChildren())
        m_document.Parse();
    return std::make_unique<CMarkupElementList>(pRoot, this);
}

BOOL GetStyleProperty(LPCTSTR lpszStyle, LPCTSTR lpszName, CString& value)
{
    value.Empty();
    for (const StyleDeclaration& declaration : ParseStyle(lpszStyle))
    {
        if (MbsEqualNoCase(declaration.name, lpszName))
        {
            value = declaration.value;
            return TRUE;
        }
    }
    return FALSE;
}

CString SetStyleProperty(LPCTSTR lpszStyle, LPCTSTR lpszName, LPCTSTR lpszValue)
{
    CString value = Trimmed(lpszValue);
    std::vector<StyleDeclaration> declarations = ParseStyle(lpszStyle);
    BOOL bSet = FALSE;
    CString result;
    auto append = [&](const CString& name, const CString& text)
    {
        if (!result.IsEmpty())
            result += "; ";
        result += name + ": " + text;
    };
    for (const StyleDeclaration& declaration : declarations)
    {
        if (!MbsEqualNoCase(declaration.name, lpszName))
            append(declaration.name, declaration.value);
        else if (!bSet)
        {
            bSet = TRUE;
            if (!value.IsEmpty())
                append(declaration.name, value);
        }
    }
    if (!bSet && !value.IsEmpty())
        append(lpszName, value);
    return result;
}
