#include "client/MyAuctionListReader.h"

#include <cstring>
#include <vector>

#include "auction/login/PageReaders.h"
#include "client/StatusPageValues.h"
#include "client/TanzoAuctionItem.h"
#include "net/HttpRules.h"
#include "text/Colors.h"
#include "text/HtmlDocument.h"
#include "text/MarkupMatch.h"
#include "text/MarkupNode.h"
#include "text/MarkupWalk.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"
#include "text/TextCut.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

namespace
{
// Rows whose background is this colour carry the highlight option.
const COLORREF kHighlightRowColor = RGB(255, 255, 153);

typedef std::vector<const CMarkupNode*> NodeStack;

// The children of a container, the first on top.
void PushChildren(const CMarkupNode* node, NodeStack& stack)
{
    const CMarkupNodeVector& children = MarkupWalk::Children(node);
    for (size_t i = children.size(); i-- > 0;)
        stack.push_back(children[i]);
}

// The cells of a row: its "td" elements, those of a cell left open
// included, those of a table nested in a cell not. stack is scratch.
void CollectCells(const CMarkupNode* row, std::vector<const CMarkupNode*>& cells, NodeStack& stack)
{
    cells.clear();
    stack.clear();
    if (row->IsLeaf())
        return;
    PushChildren(row, stack);
    while (!stack.empty())
    {
        const CMarkupNode* node = stack.back();
        stack.pop_back();
        if (node->IsLeaf() || NodeNameIs(node, "table"))
            continue;
        if (NodeNameIs(node, "td"))
            cells.push_back(node);
        PushChildren(node, stack);
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

BOOL IsBlankByte(TCHAR ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

void AppendBytes(CString& out, LPCTSTR p, int n)
{
    if (n <= 0)
        return;
    const int old = out.GetLength();
    std::memcpy(out.GetBuffer(old + n) + old, p, (size_t)n);
    out.ReleaseBuffer(old + n);
}

// A cell's text as the tables compare it and the items keep it: what a
// browser shows of it (entities decoded; scripts, styles, comments and
// markup left as text out), no line breaks, no blanks around it. Written
// into text, whose buffer the rows of a page share; stack is scratch.
// The text of a cell that holds one text, or one element (no script or
// style) that holds one text, when it has no entity, markup, line break or
// blank at either end: those bytes are the cell's text as they stand.
bool TakeSimpleCellText(const CMarkupNode* cell, CString& text)
{
    if (cell->IsLeaf())
        return false;
    const CMarkupNodeVector* children = &MarkupWalk::Children(cell);
    if (children->size() != 1)
        return false;
    const CMarkupNode* node = children->front();
    if (node->GetType() != MARKUP_TEXT)
    {
        if (node->IsLeaf() || NodeNameIs(node, "script") || NodeNameIs(node, "noscript") ||
            NodeNameIs(node, "style"))
            return false;
        children = &MarkupWalk::Children(node);
        if (children->size() != 1 || children->front()->GetType() != MARKUP_TEXT)
            return false;
        node = children->front();
    }
    LPCTSTR bytes;
    int n;
    static_cast<const CMarkupText*>(node)->GetTextBytes(bytes, n);
    if (n == 0 || IsBlankByte(bytes[0]) || IsBlankByte(bytes[n - 1]))
        return false;
    for (int i = 0; i < n; ++i)
    {
        const char c = bytes[i];
        if (c == '&' || c == '<' || c == '\r' || c == '\n')
            return false;
    }
    std::memcpy(text.GetBufferSetLength(n), bytes, (size_t)n);
    return true;
}

void ReadCellText(const CMarkupNode* cell, NodeStack& stack, CString& text)
{
    if (cell->GetType() != MARKUP_TEXT && !NodeNameIs(cell, "script") && !NodeNameIs(cell, "noscript") &&
        !NodeNameIs(cell, "style") && TakeSimpleCellText(cell, text))
        return;
    text.ReleaseBuffer(0); // emptied, its buffer kept
    stack.assign(1, cell);
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
                AppendBytes(text, bytes, n);
                continue;
            }
            CString part(bytes, n);
            RemoveMarkupLeftAsText(part);
            DecodeHtmlEntities(part);
            text += part;
            continue;
        }
        if (node->IsLeaf() || NodeNameIs(node, "script") || NodeNameIs(node, "noscript") ||
            NodeNameIs(node, "style"))
            continue;
        PushChildren(node, stack);
    }
    // Most cells have no line break and no blank at either end: no pass
    // over them for one. A blank byte is never the lead of a character.
    if (std::memchr((LPCTSTR)text, '\r', (size_t)text.GetLength()) != nullptr)
        text.Remove('\r');
    if (std::memchr((LPCTSTR)text, '\n', (size_t)text.GetLength()) != nullptr)
        text.Remove('\n');
    if (!text.IsEmpty() && IsBlankByte(text[0]))
        text.TrimLeft();
    if (!text.IsEmpty() && IsBlankByte(text[text.GetLength() - 1]))
        text.TrimRight();
}

// Whether the text has a digit, with the value ParseNumberText or
// ParseMoneyText reads of it (they read up to a NUL; most texts have none).
BOOL ReadDigits(const CString& text, LONGLONG& value)
{
    if (!ReadNumberDigits(text, text.GetLength(), value))
        return FALSE;
    if (std::memchr((LPCTSTR)text, '\0', (size_t)text.GetLength()) != nullptr)
        value = ParseMoneyText(text);
    return TRUE;
}

int ClampToInt(LONGLONG value)
{
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : (int)value;
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c + ('a' - 'A')) : c;
}

bool IsAsciiText(LPCTSTR p, int n)
{
    for (int i = 0; i < n; ++i)
        if ((BYTE)p[i] >= 0x80)
            return false;
    return true;
}

// The row's "bgcolor" contains the colour, letter case aside: as
// MbsFindNoCase finds it, byte by byte when both are ASCII.
bool ColorHas(const CMarkupNode* row, const CString& color)
{
    const CMarkupAttribute* attribute = FindNodeAttribute(row, "bgcolor");
    if (attribute == nullptr)
        return false;
    LPCTSTR p;
    int n;
    GetTerminatedValue(*attribute, p, n);
    const int m = color.GetLength();
    if (!IsAsciiText(p, n) || !IsAsciiText(color, m))
        return MbsFindNoCase(CString(p, n), color) >= 0;
    if (m == 0 || m > n)
        return false;
    for (int at = 0; at + m <= n; ++at)
    {
        int i = 0;
        while (i < m && FoldAscii(p[at + i]) == FoldAscii(color[i]))
            ++i;
        if (i == m)
            return true;
    }
    return false;
}
} // namespace

const char kStatusPagePath[] = "/jp/show/mystatus?";

struct ListPageContext
{
    ListDateContext dates;
    std::vector<CString> premiumSources;
};

CMyAuctionListReader::CMyAuctionListReader(CHttpComm* pHttpComm, CProgressSink* pSink)
    : CMyAuctionPageReader(pHttpComm, pSink), m_pageCount(0), m_page(1), m_pContext(nullptr)
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

BOOL CMyAuctionListReader::ReadsField(int code) const
{
    switch (code)
    {
    case FieldAuctionID:
    case FieldTitle:
    case FieldPrice:
    case FieldWinningPrice:
    case FieldHighestWinningPrice:
    case FieldHighestBid:
    case FieldBids:
    case FieldHighestBidder:
    case FieldHighestWinner:
    case FieldWinner:
    case FieldRemainingTime:
    case FieldEndTime:
    case FieldSeller:
    case FieldWatchList:
        return TRUE;
    default:
        return FALSE;
    }
}

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
        // One walk over the cell (itself included, in document order) for
        // its first link, its first bold text and its images.
        const CMarkupNode* link = nullptr;
        const CMarkupNode* bold = nullptr;
        std::vector<const CMarkupNode*> images;
        if (pCell != nullptr)
            VisitNodes(pCell,
                       [&](const CMarkupNode* p)
                       {
                           LPCTSTR name = p->GetNameText();
                           switch (FoldAscii(*name))
                           {
                           case 'a':
                               if (link == nullptr && AsciiNameIs(name, "a"))
                                   link = p;
                               break;
                           case 'b':
                               if (bold == nullptr && AsciiNameIs(name, "b"))
                                   bold = p;
                               break;
                           case 'i':
                               if (AsciiNameIs(name, "img"))
                                   images.push_back(p);
                               break;
                           default:
                               break;
                           }
                           return MarkupWalk::Descend;
                       });
        const CMarkupAttribute* hrefAttribute = link != nullptr ? FindNodeAttribute(link, "href") : nullptr;
        if (hrefAttribute != nullptr)
        {
            LPCTSTR bytes;
            int n;
            hrefAttribute->GetValueBytes(bytes, n);
            CString href(bytes, n);
            DecodeHtmlEntities(href);
            item.SetItemURL(ResolveHttpUrl(m_finalUrl, href));
        }
        if (!images.empty() && IsPremiumIconAmong(images, m_pContext != nullptr ? m_pContext->premiumSources
                                                                                : GetPremiumIconSources()))
            item.AddItemFlags(TanzoAuctionItem::ItemFlagPremium);
        else
            item.RemoveItemFlags(TanzoAuctionItem::ItemFlagPremium);
        if (IsHighlightEnabled())
        {
            DWORD flags = 0;
            for (const CMarkupNode* image : images)
            {
                CString src;
                if (GetAttributeText(image, "src", src) && src.Find("/featured.gif") >= 0)
                    flags |= RowFeatured;
            }
            if (bold != nullptr)
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
    {
        // "-" (no bid yet) is no price: it leaves the one another column gave.
        LONGLONG value;
        if (ReadDigits(text, value))
            item.SetCurrentPrice(value);
        break;
    }
    case FieldBids:
    {
        LONGLONG value;
        if (ReadDigits(text, value))
            item.SetBidCount(ClampToInt(value));
        else if (text == "-") // nobody has bid
            item.SetBidCount(0);
        break;
    }
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
        item.SetEndTime(m_pContext != nullptr ? ParseListDate(text, m_pContext->dates)
                                              : ParseListDate(text, m_now));
        break;
    case FieldSeller:
        item.SetSellerID(text);
        break;
    case FieldWatchList:
    {
        LONGLONG value;
        if (ReadDigits(text, value))
            item.SetNumber5(ClampToInt(value));
        break;
    }
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
        int count = 0;
        m_pageCount =
            ReadPageCountFromCounts(page.GetSourceText(), count) ? count : ReadPageCountFromLinks(page);
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
    // What the rows share, taken once for the page; their scratch.
    const ListPageContext context{ListDateContext(m_now), GetPremiumIconSources()};
    m_pContext = &context;
    struct Scope
    {
        const ListPageContext*& context;
        ~Scope() { context = nullptr; }
    } scope{m_pContext};
    std::vector<const CMarkupNode*> cells;
    NodeStack stack;
    CString text;
    for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
    {
        const CMarkupNode* row = (const CMarkupNode*)rows.GetNext(pos);
        CollectCells(row, cells, stack);
        if (cells.size() < lastCells)
            continue;
        lastCells = cells.size();
        if (header)
        {
            for (const CMarkupNode* cell : cells)
            {
                int code = FieldNone;
                ReadCellText(cell, stack, text);
                columns.push_back(map.Lookup(text, code) ? code : FieldNone);
            }
            header = FALSE;
            continue;
        }

        TanzoAuctionItem* item = CreateItem();
        item->SetItemFlags(0);
        for (size_t i = 0; i < cells.size() && i < columns.size(); ++i)
        {
            if (!ReadsField(columns[i]))
                continue;
            ReadCellText(cells[i], stack, text);
            FillField(*item, columns[i], cells[i], text);
        }
        const LONGLONG end = item->GetEndTime().GetTime();
        if (m_timeLimit.GetTime() != 0 && end > 0 && end <= m_timeLimit.GetTime())
        {
            delete item;
            if (reachedLimit != nullptr)
                *reachedLimit |= ReachedTimeLimit;
            continue;
        }
        if (IsHighlightEnabled() && ColorHas(row, highlight))
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
