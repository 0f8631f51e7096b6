#include "auction/login/PageReaders.h"

#include "auction/login/LoginAddresses.h"
#include "text/CharClass.h"
#include "text/HtmlDocument.h"
#include "text/HtmlText.h"
#include "text/MarkupMatch.h"
#include "text/MarkupNode.h"
#include "text/MarkupWalk.h"
#include "text/MbcsString.h"
#include "text/TextEscapes.h"

#include <cstring>
#include <initializer_list>
#include <vector>

namespace
{
typedef std::vector<CMarkupNode*> NodeList;

// Blanks, and the punctuation that stands between a greeting and the name.
const char* const kGreetingTrim[] = {" ", "\t", "\r", "\n", ",", "!", "　", "、", "，", "！", "。"};
const char* const kBlanks[] = {" ", "\t", "\r", "\n", "　"};

template <size_t N> BOOL IsOneOf(LPCTSTR ch, int length, const char* const (&set)[N])
{
    for (const char* piece : set)
    {
        if ((int)strlen(piece) == length && memcmp(ch, piece, length) == 0)
            return TRUE;
    }
    return FALSE;
}

// Removes the characters of the set from both ends.
template <size_t N> void TrimChars(CString& text, const char* const (&set)[N])
{
    LPCTSTR p = text;
    std::vector<int> starts;
    for (int i = 0; p[i] != '\0'; i += CharLength(p + i))
        starts.push_back(i);
    starts.push_back(text.GetLength());
    size_t first = 0;
    size_t last = starts.size() - 1; // the end
    while (first < last && IsOneOf(p + starts[first], starts[first + 1] - starts[first], set))
        ++first;
    while (last > first && IsOneOf(p + starts[last - 1], starts[last] - starts[last - 1], set))
        --last;
    text = text.Mid(starts[first], starts[last] - starts[first]);
}

bool IsElementBelow(const CMarkupNode* p, const CMarkupNode* pScope)
{
    const int type = p->GetType();
    return p != pScope && type != MARKUP_TEXT && type != MARKUP_COMMENT;
}

// Elements below pScope (not pScope itself) in document order.
template <class Match> NodeList CollectBelow(const CMarkupNode* pScope, Match match)
{
    NodeList found;
    if (pScope == nullptr)
        return found;
    VisitNodes(pScope,
               [&](const CMarkupNode* p)
               {
                   if (IsElementBelow(p, pScope) && match(p))
                       found.push_back(const_cast<CMarkupNode*>(p));
                   return MarkupWalk::Descend;
               });
    return found;
}

// The first of them: the walk stops there.
template <class Match> CMarkupNode* FindBelow(const CMarkupNode* pScope, Match match)
{
    if (pScope == nullptr)
        return nullptr;
    const CMarkupNode* pFound = nullptr;
    VisitNodes(pScope,
               [&](const CMarkupNode* p)
               {
                   if (!IsElementBelow(p, pScope) || !match(p))
                       return MarkupWalk::Descend;
                   pFound = p;
                   return MarkupWalk::Stop;
               });
    return const_cast<CMarkupNode*>(pFound);
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c + ('a' - 'A')) : c;
}

// IsNamed, with names that differ in their first byte told apart without
// a call (a two-byte character's lead byte is no letter).
bool HasName(const CMarkupNode* p, LPCTSTR name)
{
    return FoldAscii(*p->GetNameText()) == FoldAscii(*name) && p->IsNamed(name);
}

NodeList CollectNamed(const CMarkupNode* pScope, LPCTSTR name)
{
    return CollectBelow(pScope, [&](const CMarkupNode* p) { return HasName(p, name); });
}

CMarkupNode* FirstBelow(const CMarkupNode* pScope, LPCTSTR name, LPCTSTR attrName = nullptr,
                        LPCTSTR attrValue = nullptr)
{
    return FindBelow(
        pScope, [&](const CMarkupNode* p)
        { return (*name == '\0' || HasName(p, name)) && p->Matches(name, attrName, attrValue, FALSE); });
}

CString NodeText(const CMarkupNode* pNode)
{
    CString text;
    if (pNode != nullptr)
        GetNodePlainText(pNode, text);
    return text;
}

// The name in a greeting of plain text.
BOOL GreetingUserId(const CString& text, CString& out)
{
    CString hello, welcome, san;
    hello.LoadString(IDS_GREETING_HELLO);
    welcome.LoadString(IDS_GREETING_WELCOME);
    san.LoadString(IDS_GREETING_SAN);
    if (hello.IsEmpty() || welcome.IsEmpty() || san.IsEmpty() || MbsFind(text, san) < 0 ||
        (MbsFind(text, hello) < 0 && MbsFind(text, welcome) < 0))
        return FALSE;
    // The name stands between the greeting and "さん"; what follows (links
    // of the same line) is not part of it.
    int first = -1;
    int begin = -1;
    for (const CString* pWord : {&hello, &welcome})
    {
        const int at = MbsFind(text, *pWord);
        if (at >= 0 && (first < 0 || at < first))
        {
            first = at;
            begin = at + pWord->GetLength();
        }
    }
    const int end = MbsFind(text, san, begin);
    CString rest = end >= 0 ? text.Mid(begin, end - begin) : text;
    for (const CString* pWord : {&hello, &welcome, &san})
    {
        for (int at = MbsFind(rest, *pWord); at >= 0; at = MbsFind(rest, *pWord, at))
            rest = rest.Left(at) + rest.Mid(at + pWord->GetLength());
    }
    TrimChars(rest, kGreetingTrim);
    if (rest.GetLength() < 4 || rest.GetLength() > 31)
        return FALSE;
    out = rest;
    return TRUE;
}

BOOL TakeGreeting(const CMarkupNode* pNode, CString& out)
{
    return pNode != nullptr && GreetingUserId(NodeText(pNode), out);
}

BOOL TakeValidId(const CMarkupNode* pNode, CString& out)
{
    if (pNode == nullptr)
        return FALSE;
    CString text = NodeText(pNode);
    TrimChars(text, kBlanks);
    if (!IsValidUserId(text))
        return FALSE;
    out = text;
    return TRUE;
}

CMarkupNode* FirstBold(const CMarkupNode* pScope)
{
    return FindBelow(pScope,
                     [](const CMarkupNode* p) { return NodeNameIs(p, "b") || NodeNameIs(p, "strong"); });
}

// The header blocks: their text as a greeting, then a bold valid ID.
BOOL ReadHeaderBlocks(CMarkupNode* pRoot, CString& out)
{
    static const struct
    {
        BOOL byClass;
        LPCTSTR name;
    } kBlocks[] = {
        {FALSE, "masthead"}, {FALSE, "msthd"}, {TRUE, "yjmth"}, {TRUE, "yjmthloginarea"}, {TRUE, "msthdtxt"},
    };
    // One walk for the five kinds; the blocks of each kind in page order.
    const int kinds = (int)(sizeof(kBlocks) / sizeof(kBlocks[0]));
    NodeList found[kinds];
    VisitNodes(pRoot,
               [&](const CMarkupNode* p)
               {
                   if (!NodeNameIs(p, "div") || !IsElementBelow(p, pRoot))
                       return MarkupWalk::Descend;
                   for (int i = 0; i < kinds; ++i)
                   {
                       const auto& block = kBlocks[i];
                       if (block.byClass ? HasClassName(p, block.name)
                                         : p->Matches("div", "id", block.name, FALSE))
                           found[i].push_back(const_cast<CMarkupNode*>(p));
                   }
                   return MarkupWalk::Descend;
               });
    NodeList blocks;
    for (const NodeList& kind : found)
        blocks.insert(blocks.end(), kind.begin(), kind.end());
    for (CMarkupNode* pBlock : blocks)
    {
        if (TakeGreeting(pBlock, out))
            return TRUE;
    }
    for (CMarkupNode* pBlock : blocks)
    {
        for (CMarkupNode* pStrong : CollectNamed(pBlock, "strong"))
        {
            if (TakeValidId(pStrong, out))
                return TRUE;
        }
    }
    return FALSE;
}

// The name link of the header, else the user line of the header.
BOOL ReadHeaderLoginName(CMarkupNode* pRoot, CString& out)
{
    CMarkupNode* pScope = FirstBelow(pRoot, "div", "id", "msthd");
    if (pScope == nullptr)
        pScope = pRoot;
    if (TakeValidId(FirstBelow(pScope, "a", "id", "msthdLoginName"), out))
        return TRUE;
    CMarkupNode* pUser = FirstBelow(pScope, "div", "id", "msthdLoginUser");
    return pUser != nullptr && TakeValidId(FirstBelow(pUser, "p"), out);
}

BOOL ReadLoginBar(CMarkupNode* pRoot, CString& out)
{
    CMarkupNode* pBar = FirstBelow(pRoot, "div", "id", "modLoginBar");
    return pBar != nullptr && (TakeGreeting(FirstBelow(pBar, "b"), out) ||
                               TakeGreeting(FirstBelow(pBar, "strong"), out) || TakeGreeting(pBar, out));
}

BOOL ReadFirstBold(CMarkupNode* pRoot, CString& out)
{
    return TakeGreeting(FirstBold(pRoot), out);
}

BOOL HasLinkTo(const CMarkupNode* pScope, ServiceHost host, LPCTSTR path)
{
    return FindBelow(pScope,
                     [&](const CMarkupNode* p)
                     {
                         CString href;
                         return NodeNameIs(p, "a") && p->GetAttribute("href", href) &&
                                LinksToService(href, host, path);
                     }) != nullptr;
}

// A "small" line that links to the points service's book.
BOOL ReadPointsLine(CMarkupNode* pRoot, CString& out)
{
    for (CMarkupNode* pSmall : CollectNamed(pRoot, "small"))
    {
        if (HasLinkTo(pSmall, HostPoints, "/book") && TakeGreeting(FirstBold(pSmall), out))
            return TRUE;
    }
    return FALSE;
}

// A table of the account's links: log-out, registration, feedback profile,
// or anything on the log-in host.
BOOL IsAccountTable(const CMarkupNode* pTable)
{
    for (CMarkupNode* pLink : CollectNamed(pTable, "a"))
    {
        CString text = NodeText(pLink);
        TrimChars(text, kBlanks);
        CString href;
        pLink->GetAttribute("href", href);
        if (text == "ログアウト" || MbsFind(href, "/eval_profile") >= 0 || MbsFind(href, "logout=1") >= 0 ||
            LinksToService(href, HostLogin))
            return TRUE;
    }
    for (CMarkupNode* pImage : CollectNamed(pTable, "img"))
    {
        CString alt;
        if (pImage->GetAttribute("alt", alt) && alt == "登録情報")
            return TRUE;
    }
    return FALSE;
}

BOOL ReadAccountTables(CMarkupNode* pRoot, CString& out)
{
    for (CMarkupNode* pTable : CollectNamed(pRoot, "table"))
    {
        if (IsAccountTable(pTable) && TakeGreeting(pTable, out))
            return TRUE;
    }
    return FALSE;
}

BOOL ReadPersonalBox(CMarkupNode* pRoot, CString& out)
{
    CMarkupNode* pBox = FirstBelow(pRoot, "h3", "id", "pbhello");
    if (pBox == nullptr)
        pBox = FirstBelow(pRoot, "div", "id", "personalbox");
    return TakeGreeting(pBox, out);
}

// "display: none" among the declarations of the node's style.
BOOL IsStyleHidden(const CMarkupNode* pNode)
{
    CString style;
    if (!pNode->GetAttribute("style", style))
        return FALSE;
    for (int begin = 0; begin <= style.GetLength();)
    {
        int end = style.Find(';', begin);
        if (end < 0)
            end = style.GetLength();
        CString declaration = style.Mid(begin, end - begin);
        const int colon = declaration.Find(':');
        if (colon >= 0)
        {
            CString name = declaration.Left(colon);
            CString value = declaration.Mid(colon + 1);
            name.TrimLeft();
            name.TrimRight();
            value.TrimLeft();
            value.TrimRight();
            if (name.CompareNoCase("display") == 0 && value.CompareNoCase("none") == 0)
                return TRUE;
        }
        begin = end + 1;
    }
    return FALSE;
}

// The box or one of its ancestors below "body" hides it.
BOOL IsHiddenBlock(const CMarkupNode* pNode)
{
    for (; pNode != nullptr && pNode->GetType() != MARKUP_ROOT; pNode = pNode->GetParent())
    {
        if (pNode->IsNamed("body") || pNode->IsNamed("html"))
            break;
        if (IsStyleHidden(pNode))
            return TRUE;
    }
    return FALSE;
}
// The page's tree, parsed on demand; null when there is nothing to read.
CMarkupNode* ParsedRoot(CHtmlDocument* pPage)
{
    if (pPage == nullptr)
        return nullptr;
    CMarkupNode* pRoot = pPage->GetRoot();
    return pRoot->HasNoChildren() && !pPage->Parse() ? nullptr : pRoot;
}
} // namespace

BOOL HasClassName(const CMarkupNode* pNode, LPCTSTR name)
{
    CString classes;
    if (pNode == nullptr || !pNode->GetAttribute("class", classes))
        return FALSE;
    classes.Replace('\t', ' ');
    classes.Replace('\r', ' ');
    classes.Replace('\n', ' ');
    return MbsFindNoCase(" " + classes + " ", CString(" ") + name + " ") >= 0;
}

void GetNodePlainText(const CMarkupNode* pNode, CString& out, LPCTSTR lineBreak)
{
    if (pNode == nullptr)
        return;
    VisitNodes(pNode,
               [&](const CMarkupNode* p)
               {
                   switch (p->GetType())
                   {
                   case MARKUP_TEXT:
                   {
                       // Most texts have no entity: those go as they are.
                       const CMarkupText* pText = static_cast<const CMarkupText*>(p);
                       LPCTSTR bytes;
                       int n;
                       pText->GetTextBytes(bytes, n);
                       if (std::memchr(bytes, '&', (size_t)n) == nullptr)
                       {
                           pText->AppendTextTo(out);
                           return MarkupWalk::SkipChildren;
                       }
                       CString text(bytes, n);
                       DecodeHtmlEntities(text);
                       out += text;
                       return MarkupWalk::SkipChildren;
                   }
                   case MARKUP_COMMENT:
                       return MarkupWalk::SkipChildren;
                   default:
                       if (p->IsNamed("br"))
                       {
                           if (lineBreak != nullptr)
                               out += lineBreak;
                           return MarkupWalk::SkipChildren;
                       }
                       return p->IsNamed("script") || p->IsNamed("noscript") || p->IsNamed("style")
                                  ? MarkupWalk::SkipChildren
                                  : MarkupWalk::Descend;
                   }
               });
}

BOOL IsLoginPageUrl(LPCTSTR url)
{
    return HasServiceOrigin(url, HostLogin);
}

BOOL IsValidUserId(LPCTSTR text)
{
    if (text == nullptr)
        return FALSE;
    const int length = (int)strlen(text);
    if (length < 4 || length > 31 || !IsAllAscii(text) || IsNumericText(text))
        return FALSE;
    for (const char* p = text; *p != '\0'; ++p)
    {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
            return FALSE;
    }
    return TRUE;
}

BOOL ExtractGreetingUserId(LPCTSTR text, CString& out)
{
    CString plain;
    HtmlToPlainText(text, plain);
    return GreetingUserId(plain, out);
}

BOOL GetLoginUserIdFromPage(CHtmlDocument* pPage, CString& out)
{
    out.Empty();
    CMarkupNode* pRoot = ParsedRoot(pPage);
    if (pRoot == nullptr)
        return FALSE;
    CString id;
    if (ReadHeaderBlocks(pRoot, id) || ReadHeaderLoginName(pRoot, id) || ReadLoginBar(pRoot, id) ||
        ReadFirstBold(pRoot, id) || ReadPointsLine(pRoot, id) || ReadAccountTables(pRoot, id) ||
        ReadPersonalBox(pRoot, id))
    {
        out = id;
        return TRUE;
    }
    return FALSE;
}

BOOL ReadAlertBoxText(CHtmlDocument* pPage, CString& out, LPCTSTR className, BOOL bStripSpaces)
{
    out.Empty();
    CMarkupNode* pRoot = ParsedRoot(pPage);
    if (pRoot == nullptr)
        return FALSE;
    CMarkupNode* pBox = FirstBelow(pRoot, "div", "id", "modAlertBox");
    if (pBox == nullptr || IsHiddenBlock(pBox))
        return FALSE;
    CMarkupNode* pBlock = pBox;
    if (className != nullptr && *className != '\0')
    {
        NodeList blocks = CollectBelow(pBox,
                                       [&](const CMarkupNode* p)
                                       {
                                           CString classes;
                                           return p->IsNamed("div") && p->GetAttribute("class", classes) &&
                                                  MbsFind(classes, className) >= 0;
                                       });
        if (blocks.empty())
            return FALSE;
        pBlock = blocks.front();
    }
    // Line breaks of the source are blanks; only "br" breaks the text.
    CString text;
    GetNodePlainText(pBlock, text, "\x01");
    text.Replace('\r', ' ');
    text.Replace('\n', ' ');
    text.Replace("\x01", "\r\n");
    TrimChars(text, kBlanks);
    if (bStripSpaces)
    {
        text.Remove(' ');
        text.Remove('\t');
        for (int at = MbsFind(text, "　"); at >= 0; at = MbsFind(text, "　", at))
            text = text.Left(at) + text.Mid(at + 2);
    }
    if (text.IsEmpty())
        return FALSE;
    out = text;
    return TRUE;
}

BOOL GetPageMessageText(CHtmlDocument* pPage, CString& out, LPCTSTR className, BOOL bStripSpaces)
{
    return ReadAlertBoxText(pPage, out, className, bStripSpaces);
}
