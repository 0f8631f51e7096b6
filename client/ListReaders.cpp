#include "client/ListReaders.h"

#include "client/TanzoAuctionItem.h"
#include "net/ServiceHosts.h"
#include "text/HtmlDocument.h"
#include "text/MarkupMatch.h"
#include "text/MarkupNode.h"
#include "text/MarkupWalk.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{
typedef CMyAuctionListReader Page;
typedef ListHeaderEntry HeaderEntry;

const HeaderEntry kSellingHeaders[] = {
    {648, Page::FieldAuctionID},     {649, Page::FieldTitle},     {650, Page::FieldPrice},
    {651, Page::FieldAffiliate},     {652, Page::FieldBids},      {653, Page::FieldHighestBidder},
    {659, Page::FieldRemainingTime}, {656, Page::FieldOperation}, {667, Page::FieldOffer},
    {668, Page::FieldWatchList},
};

const HeaderEntry kClosedWinnerHeaders[] = {
    {647, Page::FieldSelect},
    {648, Page::FieldAuctionID},
    {649, Page::FieldTitle},
    {650, Page::FieldPrice},
    {651, Page::FieldAffiliate},
    {652, Page::FieldBids},
    {653, Page::FieldHighestBidder},
    {654, Page::FieldEndTime},
    {655, Page::FieldRating},
    {656, Page::FieldOperation},
    {660, Page::FieldHighestWinningPrice},
    {661, Page::FieldHighestWinner},
    {665, Page::FieldWinner},
    {666, Page::FieldLatestMessage},
    {663, Page::FieldTrade},
    {664, Page::FieldRelist},
};

const HeaderEntry kClosedNoWinnerHeaders[] = {
    {647, Page::FieldSelect},        {648, Page::FieldAuctionID}, {649, Page::FieldTitle},
    {650, Page::FieldPrice},         {651, Page::FieldAffiliate}, {652, Page::FieldBids},
    {653, Page::FieldHighestBidder}, {654, Page::FieldEndTime},   {656, Page::FieldOperation},
    {662, Page::FieldHighestBid},    {664, Page::FieldRelist},
};

const HeaderEntry kWonHeaders[] = {
    {647, Page::FieldSelect}, {648, Page::FieldAuctionID}, {649, Page::FieldTitle},
    {657, Page::FieldSeller}, {652, Page::FieldBids},      {658, Page::FieldWinningPrice},
    {655, Page::FieldRating}, {654, Page::FieldEndTime},   {663, Page::FieldTrade},
};

CListHeaderMap g_sellingMap, g_closedWinnerMap, g_closedNoWinnerMap, g_wonMap;

// Each list's reading text follows its fetching text in the table.
template <size_t N> ListPageKind MakeKind(const HeaderEntry (&headers)[N], UINT fetching, CListHeaderMap& map)
{
    return ListPageKind{headers, (int)N, fetching, fetching + 1, &map};
}

const ListPageKind kSelling = MakeKind(kSellingHeaders, 806, g_sellingMap);
const ListPageKind kClosedWinner = MakeKind(kClosedWinnerHeaders, 808, g_closedWinnerMap);
const ListPageKind kClosedNoWinner = MakeKind(kClosedNoWinnerHeaders, 810, g_closedNoWinnerMap);
const ListPageKind kWon = MakeKind(kWonHeaders, 812, g_wonMap);

// "select" equals what the list calls itself: ours (0) or another's (1);
// any other parameter is left to the caller (3).
int ClassifyBySelect(const CString& name, const CString& value, LPCTSTR select)
{
    if (name.CompareNoCase("select") != 0)
        return Page::LinkOtherParam;
    return value.CompareNoCase(select) == 0 ? Page::LinkThisList : Page::LinkOtherList;
}

// The form that holds a closed or won list: named "auctionList", else the
// one whose action contains actionPart.
CMarkupNode* FindListForm(CHtmlDocument& page, LPCTSTR actionPart)
{
    CPtrList forms;
    if (page.FindElements("form", forms, "name", "auctionList", MARKUP_FIND_FIRST) ||
        page.FindElements("form", forms, "action", actionPart, MARKUP_FIND_FIRST | MARKUP_FIND_CONTAINS))
        return (CMarkupNode*)forms.GetHead();
    return nullptr;
}

BOOL FormRows(CHtmlDocument& page, LPCTSTR actionPart, CPtrList& rows)
{
    CMarkupNode* form = FindListForm(page, actionPart);
    if (form == nullptr)
        return FALSE;
    CollectFormRows(form, rows);
    return !rows.IsEmpty();
}

// A selling-list link in the row: the table's header row.
BOOL LinksToSellingList(CMarkupNode* row)
{
    CPtrList links;
    row->CollectMatching("a", links, "href", kStatusPagePath, TRUE);
    for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
    {
        CString href, select;
        ((const CMarkupNode*)links.GetNext(pos))->GetAttribute("href", href);
        DecodeHtmlEntities(href);
        if (GetQueryParameter(href, "select", select) && select.CompareNoCase("selling") == 0)
            return TRUE;
    }
    return FALSE;
}
} // namespace

void CollectFormRows(CMarkupNode* form, CPtrList& rows)
{
    // One walk over the form (itself included), in document order.
    VisitNodes(form,
               [&](const CMarkupNode* row)
               {
                   if (!NodeNameIs(row, "tr"))
                       return MarkupWalk::Descend;
                   BOOL take = FindNodeAttribute(row, "style") != nullptr ||
                               FindNodeAttribute(row, "bgcolor") != nullptr;
                   if (!take && !row->IsLeaf())
                       for (const CMarkupNode* child : MarkupWalk::Children(row))
                       {
                           if (child->IsLeaf())
                               continue;
                           const CMarkupAttribute* cls = FindNodeAttribute(child, "class");
                           if (cls != nullptr && AttributeValueIs(*cls, "auc_del_style"))
                           {
                               take = TRUE;
                               break;
                           }
                       }
                   if (take)
                       rows.AddTail(const_cast<CMarkupNode*>(row));
                   return MarkupWalk::Descend;
               });
}

// Selling.

void CSellingListReader::SetTimeLimit(const CTime&) {}

void CSellingListReader::GetListUrl(CString& out) const
{
    MakeServiceURL(HostOpenList, "/jp/show/mystatus?select=selling&alocale=0jp&s1=end&o1=a", out);
}

int CSellingListReader::ClassifyLinkParam(const CString& name, const CString& value)
{
    return ClassifyBySelect(name, value, "selling");
}

BOOL CSellingListReader::IsHighlightEnabled() const
{
    return TRUE;
}

void CSellingListReader::SetItemFlags(TanzoAuctionItem& item, DWORD flags)
{
    CAuctionChargeOption& options = item.GetChargeOption();
    if ((flags & RowFeatured) && options.GetFeaturedAmount() == 0)
        options.SetFeaturedAmount(1);
    options.SetOptionBits(options.GetOptionBits() | (flags & CAuctionChargeOption::OptionsCharged));
}

BOOL CSellingListReader::ExtractRows(CHtmlDocument& page, CPtrList& rows)
{
    // The "tr" elements with a "bgcolor" in page order, as FindElements
    // finds them, in one walk that checks names and attributes in place.
    CMarkupNode* root = page.GetRoot();
    if (root->HasNoChildren() && !page.Parse())
        return FALSE;
    const int kind = page.IsEmptyTagName("tr") ? MARKUP_TAG : MARKUP_TAG_ELEMENT;
    BOOL taking = FALSE;
    VisitNodes(root,
               [&](const CMarkupNode* p)
               {
                   if (p->GetType() != kind || !NodeNameIs(p, "tr") ||
                       FindNodeAttribute(p, "bgcolor") == nullptr)
                       return MarkupWalk::Descend;
                   CMarkupNode* row = const_cast<CMarkupNode*>(p);
                   taking = taking || LinksToSellingList(row);
                   if (taking)
                       rows.AddTail(row);
                   return MarkupWalk::Descend;
               });
    return !rows.IsEmpty();
}

// Won.

void CWonListReader::GetListUrl(CString& out) const
{
    MakeServiceURL(HostClosedList, "/jp/show/mystatus?select=won", out);
}

int CWonListReader::ClassifyLinkParam(const CString& name, const CString& value)
{
    return ClassifyBySelect(name, value, "won");
}

BOOL CWonListReader::ExtractRows(CHtmlDocument& page, CPtrList& rows)
{
    return FormRows(page, "config/removebid", rows);
}

// Closed.

void CMyAuctionClosedListReader::GetListUrl(CString& out) const
{
    CString path;
    path.Format("/jp/show/mystatus?select=closed&hasWinner=%s", GetHasWinnerValue());
    MakeServiceURL(HostClosedList, path, out);
}

void CMyAuctionClosedListReader::ResetLinkState()
{
    m_linkBits = 0;
}

int CMyAuctionClosedListReader::ClassifyLinkParam(const CString& name, const CString& value)
{
    if (name.CompareNoCase("select") == 0)
    {
        if (value.CompareNoCase("closed") != 0)
            return LinkOtherList;
        m_linkBits |= LinkSelectMatched;
    }
    else if (name.CompareNoCase("hasWinner") == 0)
    {
        if (value.CompareNoCase(GetHasWinnerValue()) != 0)
            return LinkOtherList;
        m_linkBits |= LinkHasWinnerMatched;
    }
    else
    {
        return LinkOtherParam;
    }
    return m_linkBits == (LinkSelectMatched | LinkHasWinnerMatched) ? LinkThisList : LinkUndecided;
}

BOOL CMyAuctionClosedListReader::ExtractRows(CHtmlDocument& page, CPtrList& rows)
{
    return FormRows(page, "config/removeclosed", rows);
}

const ListPageKind& CSellingListReader::GetKind() const
{
    return kSelling;
}

const ListPageKind& CWonListReader::GetKind() const
{
    return kWon;
}

const ListPageKind& CClosedWinnerListReader::GetKind() const
{
    return kClosedWinner;
}

const ListPageKind& CClosedNoWinnerListReader::GetKind() const
{
    return kClosedNoWinner;
}
