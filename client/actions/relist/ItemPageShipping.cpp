#include "client/actions/relist/ItemPageShipping.h"

#include "auction/login/PageReaders.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"
#include "text/TextCut.h"

namespace
{
const char kDeliveryProperty[] = "DeliveryMethod";

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    text.Replace("　", "");
    return text;
}

// The row's text with the method cell and the heading cell left out.
CString RowRemainder(CMarkupNode* pCell)
{
    CMarkupNode* pRow = pCell->FindAncestorByName("tr");
    if (pRow == nullptr)
        return CString();
    CMarkupNode* pCopy = pRow->Clone();
    pCopy->DeleteAllMatching("td", "property", kDeliveryProperty, FALSE);
    pCopy->DeleteAllMatching("th", nullptr, nullptr, FALSE);
    CString text;
    GetNodePlainText(pCopy, text);
    delete pCopy;
    return text;
}

BOOL EqualsText(const CString& text, UINT nID)
{
    CString word;
    return word.LoadString(nID) && !word.IsEmpty() && MbsCompareNoCase(text, word) == 0;
}
} // namespace

BOOL CollectDeliveryMethodCells(CHtmlDocument* pPage, CPtrList& cells)
{
    if (pPage == nullptr)
        return FALSE;
    CPtrList blocks;
    if (pPage->FindElements("div", blocks, "class", "decInfoTable", MARKUP_FIND_CONTAINS))
    {
        for (POSITION pos = blocks.GetHeadPosition(); pos != nullptr;)
        {
            CMarkupNode* pBlock = static_cast<CMarkupNode*>(blocks.GetNext(pos));
            if (HasClassName(pBlock, "decInfoTable"))
                pBlock->CollectMatching("td", cells, "property", kDeliveryProperty, FALSE);
        }
    }
    if (cells.IsEmpty())
        pPage->FindElements("td", cells, "property", kDeliveryProperty);
    return !cells.IsEmpty();
}

BOOL HasCashOnDeliveryRow(const CPtrList& cells)
{
    for (POSITION pos = cells.GetHeadPosition(); pos != nullptr;)
    {
        CString text = RowRemainder(static_cast<CMarkupNode*>(cells.GetNext(pos)));
        KeepBeforeString(text, "：", TRUE);
        KeepBeforeChar(text, ':', TRUE);
        KeepBeforeString(text, "（");
        KeepBeforeChar(text, '(');
        text = Trimmed(text);
        if (EqualsText(text, IDS_SHIP_ON_ARRIVAL) || EqualsText(text, IDS_SHIP_ON_ARRIVAL_SHORT))
            return TRUE;
    }
    return FALSE;
}

BOOL IsOnlyHacoboonCell(const CPtrList& cells)
{
    if (cells.GetCount() != 1)
        return FALSE;
    CMarkupNode* pCell = static_cast<CMarkupNode*>(cells.GetHead());
    CPtrList links;
    pCell->CollectByName("a", links);
    for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
    {
        CString href;
        if (static_cast<CMarkupNode*>(links.GetNext(pos))->GetAttribute("href", href) &&
            MbsFindNoCase(href, "hacoboon") >= 0)
            return TRUE;
    }
    CString text;
    GetNodePlainText(pCell, text);
    return EqualsText(Trimmed(text), IDS_SHIP_HACOBOON);
}
