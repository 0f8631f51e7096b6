#include "client/MyAuctionListReader.h"

#include <cstring>
#include <vector>

#include "auction/login/PageReaders.h"
#include "client/StatusPageValues.h"
#include "client/TanzoAuctionItem.h"
#include "net/HttpRules.h"
#include "text/Colors.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"
#include "text/TextCut.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{
// Rows whose background is this colour carry the highlight option.
const COLORREF kHighlightRowColor = RGB(255, 255, 153);

// The cells of a row: its "td" elements, those of a cell left open
// included, those of a table nested in a cell not.
void CollectCells(const CMarkupNode* row, std::vector<const CMarkupNode*>& cells)
{
    std::vector<const CMarkupNode*> stack;
    for (int i = row->GetChildCount() - 1; i >= 0; --i)
        stack.push_back(row->GetChild(i));
    while (!stack.empty())
    {
        const CMarkupNode* node = stack.back();
        stack.pop_back();
        if (node->IsLeaf() || node->IsNamed("table"))
            continue;
        if (node->IsNamed("td"))
            cells.push_back(node);
        for (int i = node->GetChildCount() - 1; i >= 0; --i)
            stack.push_back(node->GetChild(i));
    }
}

BOOL IsAsciiLetter(TCHAR ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Removes the markup that the parser leaves in a text as it stands (a tag
// it does not know, such as "<o:p>", an end tag with a blank, a comment
// or a processing instruction), as a browser does not show it. Any other
// "<" is text, and so is a tag that never ends. "<" and ">" are never the
// second byte of a character.
void RemoveMarkupLeftAsText(CString& text)
{
    for (int from = text.Find('<'); from >= 0; from = text.Find('<', from))
    {
        const TCHAR next = from + 1 < text.GetLength() ? text[from + 1] : '\0';
        const TCHAR after = from + 2 < text.GetLength() ? text[from + 2] : '\0';
        int end = -1;
        if (text.Mid(from, 4) == "<!--")
        {
            end = text.Find("-->", from + 4);
            if (end >= 0)
                end += 3;
        }
        else if (IsAsciiLetter(next) || next == '!' || next == '?' || (next == '/' && IsAsciiLetter(after)))
        {
            end = text.Find('>', from + 1);
            if (end >= 0)
                end += 1;
        }
        if (end < 0)
            ++from;
        else
            text.Delete(from, end - from);
    }
}

// A cell's text as the tables compare it and the items keep it: what a
// browser shows of it (entities decoded; scripts, styles, comments and
// markup left as text out), no line breaks, no blanks around it.
CString CellText(const CMarkupNode* cell)
{
    CString text;
    std::vector<const CMarkupNode*> stack(1, cell);
    while (!stack.empty())
    {
        const CMarkupNode* node = stack.back();
        stack.pop_back();
        if (node->GetType() == MARKUP_TEXT)
        {
            // Most texts have neither an entity nor markup: those go as
            // the parse holds them, without a copy.
            const CMarkupText* pText = static_cast<const CMarkupText*>(node);
            LPCTSTR bytes;
            int n;
            pText->GetTextBytes(bytes, n);
            if (std::memchr(bytes, '&', (size_t)n) == nullptr &&
                std::memchr(bytes, '<', (size_t)n) == nullptr)
            {
                pText->AppendTextTo(text);
                continue;
            }
            CString part(bytes, n);
            RemoveMarkupLeftAsText(part);
            DecodeHtmlEntities(part);
            text += part;
            continue;
        }
        if (node->IsLeaf() || node->IsNamed("script") || node->IsNamed("noscript") || node->IsNamed("style"))
            continue;
        for (int i = node->GetChildCount() - 1; i >= 0; --i)
            stack.push_back(node->GetChild(i));
    }
    // Most cells have no line break: no pass over them for one.
    if (std::memchr((LPCTSTR)text, '\r', (size_t)text.GetLength()) != nullptr)
        text.Remove('\r');
    if (std::memchr((LPCTSTR)text, '\n', (size_t)text.GetLength()) != nullptr)
        text.Remove('\n');
    text.TrimLeft();
    text.TrimRight();
    return text;
}

BOOL HasDigit(const CString& text)
{
    CString digits = text;
    return FilterNumberChars(digits);
}

CMarkupNode* FindIn(const CMarkupNode* node, LPCTSTR tag)
{
    return const_cast<CMarkupNode*>(node)->FindByName(tag);
}
} // namespace

const char kStatusPagePath[] = "/jp/show/mystatus?";

CMyAuctionListReader::CMyAuctionListReader(CHttpComm* pHttpComm, CProgressSink* pSink)
    : CMyAuctionPageReader(pHttpComm, pSink), m_pageCount(0), m_page(1)
{
}

CMyAuctionListReader::~CMyAuctionListReader() {}

void CMyAuctionListReader::SetTimeLimit(const CTime& limit)
{
    m_timeLimit = limit;
}

void CMyAuctionListReader::ResetLinkState() {}

CListHeaderMap& CMyAuctionListReader::GetHeaderMap() const
{
    return *GetKind().headerMap;
}

int CMyAuctionListReader::GetHeaderCount() const
{
    return GetKind().headerCount;
}

UINT CMyAuctionListReader::GetHeaderTextId(int i) const
{
    const ListPageKind& kind = GetKind();
    return i >= 0 && i < kind.headerCount ? kind.headers[i].textId : 0;
}

int CMyAuctionListReader::GetHeaderCode(int i) const
{
    const ListPageKind& kind = GetKind();
    return i >= 0 && i < kind.headerCount ? kind.headers[i].code : FieldNone;
}

UINT CMyAuctionListReader::GetStatusTextId(int phase) const
{
    return phase == PhaseFetching ? GetKind().fetchingTextId : GetKind().readingTextId;
}

TanzoAuctionItem* CMyAuctionListReader::CreateItem() const
{
    return new TanzoAuctionItem;
}

BOOL CMyAuctionListReader::IsHighlightEnabled() const
{
    return FALSE;
}

void CMyAuctionListReader::SetItemFlags(TanzoAuctionItem&, DWORD) {}

void CMyAuctionListReader::FillField(TanzoAuctionItem& item, int code, const CMarkupNode* pCell,
                                     const CString& text)
{
    switch (code)
    {
    case FieldAuctionID:
        item.SetAuctionID(text);
        break;
    case FieldTitle:
    {
        CString href;
        const CMarkupNode* link = FindIn(pCell, "a");
        if (link != nullptr && link->GetAttribute("href", href))
        {
            DecodeHtmlEntities(href);
            item.SetItemURL(ResolveHttpUrl(m_finalUrl, href));
        }
        if (IsPremiumIcon(pCell))
            item.AddItemFlags(TanzoAuctionItem::ItemFlagPremium);
        else
            item.RemoveItemFlags(TanzoAuctionItem::ItemFlagPremium);
        if (IsHighlightEnabled())
        {
            DWORD flags = 0;
            CPtrList images;
            const_cast<CMarkupNode*>(pCell)->CollectByName("img", images);
            for (POSITION pos = images.GetHeadPosition(); pos != nullptr;)
            {
                CString src;
                if (((const CMarkupNode*)images.GetNext(pos))->GetAttribute("src", src) &&
                    src.Find("/featured.gif") >= 0)
                    flags |= RowFeatured;
            }
            if (FindIn(pCell, "b") != nullptr)
                flags |= RowBold;
            if (flags != 0)
                SetItemFlags(item, flags);
        }
        item.SetTitle(text);
        break;
    }
    case FieldPrice:
    case FieldWinningPrice:
    case FieldHighestWinningPrice:
    case FieldHighestBid:
        // "-" (no bid yet) is no price: it leaves the one another column gave.
        if (HasDigit(text))
            item.SetCurrentPrice(ParseMoneyText(text));
        break;
    case FieldBids:
        if (HasDigit(text))
            item.SetBidCount(ParseNumberText(text));
        else if (text == "-") // nobody has bid
            item.SetBidCount(0);
        break;
    case FieldHighestBidder:
    case FieldHighestWinner:
    case FieldWinner:
        // One winner shown in two columns is still one buyer.
        if (!text.IsEmpty() && text.CompareNoCase("-") != 0 && item.FindBuyerIndex(text) < 0)
            item.AddBuyerValues(text, 0, 0, 1);
        break;
    case FieldRemainingTime:
        item.SetRemainingTimeText(text);
        break;
    case FieldEndTime:
        item.SetEndTime(ParseListDate(text, m_now));
        break;
    case FieldSeller:
        item.SetSellerID(text);
        break;
    case FieldWatchList:
        if (HasDigit(text))
            item.SetNumber5(ParseNumberText(text));
        break;
    default:
        break;
    }
}

void CMyAuctionListReader::BuildPageUrl(CString& out) const
{
    GetListUrl(out);
    if (m_page >= 2)
    {
        CString page;
        page.Format("&apg=%d", m_page);
        out += page;
    }
}

void CMyAuctionListReader::ShowStatus(int phase) const
{
    const UINT id = GetStatusTextId(phase);
    if (id == 0 || m_progress.GetSink() == nullptr)
        return;
    CString progress, format, text;
    if (m_pageCount > 1)
        progress.Format("(%d/%d)", m_page, m_pageCount);
    format.LoadString(id);
    text.Format(format, (LPCTSTR)progress);
    m_progress.SetStatus(text);
}

void CMyAuctionListReader::BuildHeaderMap()
{
    CListHeaderMap& map = GetHeaderMap();
    if (!map.IsEmpty())
        return;
    for (int i = 0; i < GetHeaderCount(); ++i)
    {
        CString text;
        text.LoadString(GetHeaderTextId(i));
        if (!text.IsEmpty())
            map.SetAt(text, GetHeaderCode(i));
    }
}

int CMyAuctionListReader::ReadPage(CHtmlDocument& page, LPCTSTR finalUrl, CTanzoAuctionItemList& items,
                                   BOOL readPageCount, DWORD* reachedLimit, const StopTest& isStopped)
{
    if (IsLoginPageUrl(finalUrl))
        return PageLogin;
    ShowStatus(PhaseReading);
    m_finalUrl = finalUrl;
    m_now = GetAuctionCurrentTime();

    const CString expected = m_userId;
    m_userId.Empty();
    GetLoginUserIdFromPage(&page, m_userId);
    if (isStopped && isStopped())
        return PageStopped;
    if (!expected.IsEmpty() && !m_userId.IsEmpty() && expected.CompareNoCase(m_userId) != 0)
        return PageOtherUser;

    if (readPageCount)
    {
        if (page.IsSourceEmpty())
            page.LoadSource();
        CString text;
        page.GetSource(text);
        int count = 0;
        m_pageCount = ReadPageCountFromCounts(text, count) ? count : ReadPageCountFromLinks(page);
    }

    CPtrList rows;
    if (!ExtractRows(page, rows) || rows.IsEmpty())
        return PageNoRows;
    BuildHeaderMap();
    ReadRows(rows, items, reachedLimit);
    return PageRead;
}

void CMyAuctionListReader::ReadRows(const CPtrList& rows, CTanzoAuctionItemList& items, DWORD* reachedLimit)
{
    const CListHeaderMap& map = GetHeaderMap();
    std::vector<int> columns;
    BOOL header = TRUE;
    size_t lastCells = 0;
    const CString highlight = ColorToHtmlText(kHighlightRowColor, TRUE);
    for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* row = (const CMarkupNode*)rows.GetNext(pos);
        std::vector<const CMarkupNode*> cells;
        CollectCells(row, cells);
        if (cells.size() < lastCells)
            continue;
        lastCells = cells.size();
        if (header)
        {
            for (const CMarkupNode* cell : cells)
            {
                int code = FieldNone;
                columns.push_back(map.Lookup(CellText(cell), code) ? code : FieldNone);
            }
            header = FALSE;
            continue;
        }

        TanzoAuctionItem* item = CreateItem();
        item->SetItemFlags(0);
        for (size_t i = 0; i < cells.size() && i < columns.size(); ++i)
            FillField(*item, columns[i], cells[i], CellText(cells[i]));
        const LONGLONG end = item->GetEndTime().GetTime();
        if (m_timeLimit.GetTime() != 0 && end > 0 && end <= m_timeLimit.GetTime())
        {
            delete item;
            if (reachedLimit != nullptr)
                *reachedLimit |= ReachedTimeLimit;
            continue;
        }
        CString color;
        if (IsHighlightEnabled() && row->GetAttribute("bgcolor", color) &&
            MbsFindNoCase(color, highlight) >= 0)
            SetItemFlags(*item, RowHighlight);
        items.AddTail(item);
    }
}

int CMyAuctionListReader::ReadPageCountFromLinks(CHtmlDocument& page)
{
    int count = 1;
    CPtrList links;
    page.FindElements("a", links, "href", kStatusPagePath, MARKUP_FIND_CONTAINS);
    for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
    {
        CString href;
        ((const CMarkupNode*)links.GetNext(pos))->GetAttribute("href", href);
        DecodeHtmlEntities(href);
        CStringList names, values;
        ParseQueryString(href, names, values);
        ResetLinkState();
        BOOL ours = FALSE;
        int number = 0;
        POSITION v = values.GetHeadPosition();
        for (POSITION n = names.GetHeadPosition(); n != nullptr && v != nullptr;)
        {
            const CString& name = names.GetNext(n);
            const CString& value = values.GetNext(v);
            const int kind = ClassifyLinkParam(name, value);
            if (kind == LinkOtherList)
                break;
            if (kind == LinkThisList)
                ours = TRUE;
            else if (kind == LinkOtherParam && name.CompareNoCase("apg") == 0)
                number = ParseNumberText(value);
            if (ours && number > 0)
            {
                if (number < count)
                    return count;
                count = number;
                break;
            }
        }
    }
    return count;
}

void CMyAuctionListReader::FreeItems(CTanzoAuctionItemList& items)
{
    while (!items.IsEmpty())
        delete items.RemoveHead();
}
