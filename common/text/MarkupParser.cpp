#include "text/MarkupParser.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "text/CharClass.h"
#include "text/HtmlTagTable.h"
#include "text/MarkupArena.h"
#include "text/MbcsString.h"

namespace
{

inline BOOL IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

inline BOOL IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline BOOL StartsWith(LPCTSTR p, int n, const char* prefix, int k)
{
    return n >= k && std::memcmp(p, prefix, k) == 0;
}

// "!--" ... "--": a comment whole between its brackets.
inline BOOL IsCompleteComment(LPCTSTR p, int n)
{
    return n >= 5 && StartsWith(p, n, "!--", 3) && p[n - 1] == '-' && p[n - 2] == '-';
}

inline BOOL IsInstruction(LPCTSTR p, int n)
{
    return n >= 2 && p[0] == '?' && p[n - 1] == '?';
}

int LastIndexOf(LPCTSTR p, int n, const char* what, int k)
{
    for (int i = n - k; i >= 0; --i)
        if (std::memcmp(p + i, what, k) == 0)
            return i;
    return -1;
}

void RemoveLineBreaks(std::string& text)
{
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }),
               text.end());
}

// Whether a quote met inside a tag opens a quoted value: only right after
// an attribute name and its '=' (blanks allowed around the '='), that is,
// when the last word before the '=' holds a letter. Fed every character
// of the tag as it is read, so that no quote makes the parser look back.
class QuoteContext
{
public:
    void Reset()
    {
        m_bWordEmpty = true;
        m_bWordLetter = false;
        m_bPrevWordLetter = false;
        m_bEndsInEquals = false;
        m_bEqualsAfterName = false;
    }

    void Add(char c)
    {
        if (IsBlank(c))
        {
            if (!m_bWordEmpty)
                m_bPrevWordLetter = m_bWordLetter;
            m_bWordEmpty = true;
            m_bWordLetter = false;
            return;
        }
        if (c == '=')
        {
            m_bEqualsAfterName = m_bWordEmpty ? m_bPrevWordLetter : m_bWordLetter;
            m_bEndsInEquals = true;
        }
        else
        {
            m_bEndsInEquals = false;
            if (IsAsciiLetter(c))
                m_bWordLetter = true;
        }
        m_bWordEmpty = false;
    }

    void AddPair()
    {
        m_bEndsInEquals = false;
        m_bWordEmpty = false;
    }

    // A run of bytes that are neither blanks nor '=': as Add of each.
    void AddRun(bool bLetter)
    {
        m_bEndsInEquals = false;
        m_bWordEmpty = false;
        if (bLetter)
            m_bWordLetter = true;
    }

    BOOL QuoteMayOpen() const { return m_bEndsInEquals && m_bEqualsAfterName; }

private:
    bool m_bWordEmpty = true;
    bool m_bWordLetter = false;
    bool m_bPrevWordLetter = false;
    bool m_bEndsInEquals = false;
    bool m_bEqualsAfterName = false;
};

// The bytes a tag's words treat apart: blanks, quotes and '='. A pair
// (MarkupCharLength) never holds one as its trail byte, which is at least
// 0x40, so runs of other bytes are taken whole, pairs and all.
struct TagByteTable
{
    bool special[256] = {};
    TagByteTable()
    {
        for (unsigned char c : {' ', '\t', '\r', '\n', '"', '\'', '='})
            special[c] = true;
    }
};
const TagByteTable kTagBytes;

// The bytes of a tag as its scan in RunParse sees them: those it stops at
// (blanks, '=', quotes, '>'), letters, lead bytes of code page 932, and
// the rest. A pair's trail byte is at least 0x40, so it is never one that
// the scan stops at; it only may look like a letter.
enum TagScanClass : unsigned char
{
    kScanPlain,
    kScanLetter,
    kScanLead,
    kScanStop,
};
struct TagScanTable
{
    unsigned char cls[256];
    TagScanTable()
    {
        for (int b = 0; b < 256; ++b)
            cls[b] = IsAsciiLetter((char)b)             ? kScanLetter
                     : !IsSingleByteChar((BYTE)b)       ? kScanLead
                     : kTagBytes.special[b] || b == '>' ? kScanStop
                                                        : kScanPlain;
    }
};
const TagScanTable kTagScan;

// The words of a tag text. Blanks end a word unless a quote is open, but
// blanks around an attribute's '=' do not; quotes are dropped and a quote
// that closes ends its word.
class TagTokenizer
{
public:
    TagTokenizer(LPCTSTR p, int n) : m_p(p), m_n(n), m_i(0), m_nRunStart(0), m_nRunEnd(-1) {}

    bool Next(std::string& token)
    {
        token.clear();
        m_nRunEnd = -1;
        int nEquals = 0;
        char quote = 0;
        while (m_i < m_n)
        {
            char c = m_p[m_i];
            if (quote != 0)
            {
                if (c == quote)
                {
                    ++m_i;
                    quote = 0;
                    if (!token.empty())
                        return true;
                    continue;
                }
                // Up to the closing quote.
                const void* pEnd = std::memchr(m_p + m_i, quote, (size_t)(m_n - m_i));
                int k = pEnd != nullptr ? (int)((LPCTSTR)pEnd - m_p) : m_n;
                nEquals += (int)std::count(m_p + m_i, m_p + k, '=');
                Take(token, k - m_i);
                continue;
            }
            if (IsBlank(c))
            {
                int k = m_i;
                while (k < m_n && IsBlank(m_p[k]))
                    ++k;
                char next = k < m_n ? m_p[k] : '\0';
                m_i = k;
                BOOL bGlue = (next == '=' && nEquals == 0) || (nEquals == 1 && token.back() == '=');
                if (!bGlue && !token.empty())
                    return true;
                continue;
            }
            if (c == '"' || c == '\'')
            {
                ++m_i;
                quote = c;
                continue;
            }
            if (c == '=')
            {
                Take(token, 1);
                ++nEquals;
                continue;
            }
            int k = m_i + 1;
            while (k < m_n && !kTagBytes.special[(BYTE)m_p[k]])
                ++k;
            Take(token, k - m_i);
        }
        return !token.empty();
    }

    // Where the last nBytes of the token lie in the tag text, when they
    // stand there in one piece; null when not.
    LPCTSTR TailInText(size_t nBytes) const
    {
        return m_nRunEnd >= 0 && (size_t)(m_nRunEnd - m_nRunStart) >= nBytes ? m_p + m_nRunEnd - nBytes
                                                                             : nullptr;
    }
    // The same for the nBytes at nOffset from the token's start.
    LPCTSTR HeadInText(size_t nOffset, size_t nBytes) const
    {
        return m_nRunEnd >= 0 && nOffset + nBytes <= (size_t)(m_nHeadEnd - m_nHeadStart)
                   ? m_p + m_nHeadStart + nOffset
                   : nullptr;
    }

private:
    // The k bytes at m_i join the token; the run is the token's tail that
    // stands in the text as it is, the head its start that does.
    void Take(std::string& token, int k)
    {
        if (k <= 0)
            return;
        token.append(m_p + m_i, (size_t)k);
        if (m_nRunEnd != m_i)
            m_nRunStart = m_i;
        if (m_nRunEnd < 0)
            m_nHeadStart = m_i;
        m_i += k;
        m_nRunEnd = m_i;
        if (m_nRunStart == m_nHeadStart)
            m_nHeadEnd = m_i;
    }

    LPCTSTR m_p;
    int m_n;
    int m_i;
    int m_nRunStart;      // [m_nRunStart, m_nRunEnd): the token's tail as written
    int m_nRunEnd;        // -1: the token is empty
    int m_nHeadStart = 0; // [m_nHeadStart, m_nHeadEnd): its start as written
    int m_nHeadEnd = 0;
};

// An attribute written as name, name=value, name= or =name. With
// bInPlace its name and value are kept where the tokenizer read them (a
// parse's source, which lives as long as the nodes), when they stand
// there as they are.
void AddAttributeFromToken(std::vector<CMarkupAttribute>& list, const std::string& token,
                           const TagTokenizer& words, bool bInPlace)
{
    const size_t equals = token.find('=');
    size_t nameStart = 0;
    size_t nameEnd = token.size();
    BOOL bHasValue = FALSE;
    if (equals == 0)
        nameStart = std::min(token.find_first_not_of('='), token.size());
    else if (equals != std::string::npos)
    {
        nameEnd = equals;
        bHasValue = TRUE;
    }
    LPCTSTR pName = token.data() + nameStart;
    const size_t nName = nameEnd - nameStart;
    if (nName == 0)
        return;
    const bool bBreaks =
        std::find_if(pName, pName + nName, [](char c) { return c == '\r' || c == '\n'; }) != pName + nName;
    const size_t nValue = bHasValue ? token.size() - equals - 1 : 0;
    LPCTSTR nameInText = bInPlace && !bBreaks ? words.HeadInText(nameStart, nName) : nullptr;
    LPCTSTR valueInText = bInPlace && bHasValue ? words.TailInText(nValue) : nullptr;
    if (nameInText != nullptr && (valueInText != nullptr || !bHasValue))
    {
        list.emplace_back(nameInText, (int)nName, valueInText, bHasValue ? (int)nValue : -1);
        return;
    }
    // A name is made straight from the token unless a line break is to go.
    CString strName;
    if (!bBreaks)
        strName = CString(pName, (int)nName);
    else
    {
        std::string name(pName, nName);
        RemoveLineBreaks(name);
        strName = CString(name.data(), (int)name.size());
    }
    if (strName.IsEmpty())
        return;
    CString strValue;
    if (bHasValue)
        strValue = CString(token.data() + equals + 1, (int)nValue);
    list.emplace_back(std::move(strName), std::move(strValue), bHasValue);
}

// The attributes of a tag are gathered so many at a time: a tag of more
// counts the rest of its words, so that its list is sized once.
const size_t kGathered = 32;
void MoveAttributes(std::vector<CMarkupAttribute>& from, CMarkupAttributeList& to, int nMore = 0)
{
    to.Reserve(to.GetCount() + (int)from.size() + nMore);
    for (CMarkupAttribute& attribute : from)
        to.Add(std::move(attribute));
    from.clear();
}

} // namespace

CMarkupParser::CMarkupParser(CMarkupElement* pContainer, int nStrictness)
    : CMarkupParser(pContainer, nStrictness, FALSE)
{
}

CMarkupParser::CMarkupParser(CMarkupElement* pContainer, int nStrictness, BOOL bHtml)
    : m_pContainer(pContainer), m_pError(nullptr), m_nStrictness(nStrictness), m_bHtml(bHtml),
      m_pSource(nullptr), m_nLength(0), m_nLastDoubleQuote(-1), m_nLastSingleQuote(-1), m_nLastCommentEnd(-1)
{
}

CMarkupParser::~CMarkupParser()
{
    delete m_pError;
}

int CMarkupParser::Parse(LPCTSTR source, int nLength)
{
    return RunParse(source, nLength);
}

CMarkupNode* CMarkupParser::CreateNodeFromTagText(LPCTSTR tagText, int nLength)
{
    if (tagText == nullptr)
        return nullptr;
    if (nLength < 0)
        nLength = (int)std::strlen(tagText);
    // A tag of one word, as most are: its name as the words give it, without
    // them (no blank, quote or '=' in it: nothing to drop or to split).
    char word[64];
    if (nLength < (int)sizeof(word) &&
        std::none_of(tagText, tagText + nLength, [](char c) { return kTagBytes.special[(BYTE)c]; }))
    {
        if (nLength == 0)
            return nullptr;
        std::memcpy(word, tagText, (size_t)nLength);
        word[nLength] = '\0';
        return CreateNode(word);
    }
    std::string token;
    TagTokenizer words(tagText, nLength);
    const bool bWhole = IsCompleteComment(tagText, nLength) || IsInstruction(tagText, nLength);
    if (bWhole)
        token.assign(tagText, nLength);
    else if (!words.Next(token))
        return nullptr;
    RemoveLineBreaks(token);
    CMarkupNode* pNode = CreateNode(token.c_str());
    if (pNode == nullptr || bWhole)
        return pNode;
    CMarkupAttributeList* pList = pNode->GetMutableAttributeList();
    // Values stay in the source of the parse that runs, if the tag is in it.
    CMarkupArena* pArena = CMarkupArena::Current();
    const bool bInPlace =
        pArena != nullptr && pArena->HoldsSource(tagText) && pArena->HoldsSource(tagText + nLength);
    if (pList != nullptr)
    {
        // A tag of very many attributes counts the rest once it has
        // gathered the first few, rather than gather them all twice or
        // grow its list by copies.
        m_attributes.clear();
        bool bCounted = false;
        while (words.Next(token))
        {
            AddAttributeFromToken(m_attributes, token, words, bInPlace);
            if (m_attributes.size() == kGathered)
            {
                int nMore = 0;
                if (!bCounted)
                {
                    TagTokenizer rest = words;
                    std::string word;
                    while (rest.Next(word))
                        ++nMore;
                    bCounted = true;
                }
                MoveAttributes(m_attributes, *pList, nMore);
            }
        }
        MoveAttributes(m_attributes, *pList);
    }
    return pNode;
}

int CMarkupParser::CloseElement(LPCTSTR name, int nLength)
{
    if (m_open.size() > 1 &&
        MbsCompareNoCase(Current().pElement->GetNameText(),
                         (int)std::strlen(Current().pElement->GetNameText()), name, nLength) == 0)
    {
        PopTo(m_open.size() - 1);
        return MARKUP_PARSE_DONE;
    }
    return MARKUP_PARSE_STRAY_END_TAG;
}

CMarkupNode* CMarkupParser::CreateNode(LPCTSTR name)
{
    if (name == nullptr || *name == '\0')
        return nullptr;
    int n = (int)std::strlen(name);
    if (StartsWith(name, n, "!--", 3))
        return IsCompleteComment(name, n) ? new CMarkupComment(CString(name + 3, n - 5)) : nullptr;
    if (!IsInstruction(name, n))
        return new CMarkupTagElement(name);
    // <?name attributes?>: a leaf named "?name".
    TagTokenizer words(name + 1, n - 2);
    std::string word;
    words.Next(word);
    CMarkupNode* pTag = new CMarkupTag(("?" + word).c_str());
    CMarkupAttributeList* pList = pTag->GetMutableAttributeList();
    std::vector<CMarkupAttribute> attributes;
    while (words.Next(word))
        AddAttributeFromToken(attributes, word, words, false);
    MoveAttributes(attributes, *pList);
    return pTag;
}

int CMarkupParser::PlaceNode(CMarkupNode* pNode)
{
    Append(pNode);
    if (!pNode->IsLeaf())
        Push(static_cast<CMarkupElement*>(pNode));
    m_pCreated = nullptr;
    return MARKUP_PARSE_DONE;
}

int CMarkupParser::TagOf(const CMarkupNode* pNode, DWORD* pFlags) const
{
    if (pNode == m_pCreated && pNode != nullptr)
    {
        if (pFlags != nullptr)
            *pFlags = m_dwCreatedFlags;
        return m_nCreatedTag;
    }
    return LookupHtmlTag(pNode->GetNameText(), pFlags);
}

void CMarkupParser::Append(CMarkupNode* pNode)
{
    CMarkupElement* pParent = Current().pElement;
    CMarkupNodeVector& nodes = pParent->m_children.m_nodes;
    // Room for the few children most elements have, in one allocation.
    if (nodes.capacity() == 0)
        nodes.reserve(4);
    nodes.push_back(pNode);
    pNode->m_pParent = pParent;
}

void CMarkupParser::Push(CMarkupElement* pElement)
{
    if ((int)m_open.size() > kMaxDepth)
        return;
    OpenElement open = {pElement, -1, 0, (int)m_open.size(), -1};
    if (m_bHtml)
    {
        open.nTag = TagOf(pElement, &open.dwFlags);
        // An end tag may close open elements across those whose end tag
        // is optional and across inline ones (strictness 2: only the
        // former), never across any other.
        DWORD dwPassable =
            m_nStrictness >= 2 ? HTML_TAG_OPTIONAL_END : HTML_TAG_OPTIONAL_END | HTML_TAG_INLINE;
        if (!m_open.empty() && (open.dwFlags & dwPassable) != 0)
            open.nBarrier = m_open.back().nBarrier;
        if (open.nTag >= 0 && !m_open.empty())
        {
            open.nPrevSame = m_lastOpen[open.nTag];
            m_lastOpen[open.nTag] = (int)m_open.size();
        }
    }
    m_open.push_back(open);
}

void CMarkupParser::PopTo(size_t nDepth)
{
    nDepth = std::max<size_t>(nDepth, 1);
    while (m_open.size() > nDepth)
    {
        const OpenElement& open = m_open.back();
        if (open.nTag >= 0)
            m_lastOpen[open.nTag] = open.nPrevSame;
        m_open.pop_back();
    }
}

void CMarkupParser::AddText(int nStart, int nEnd)
{
    if (nEnd <= nStart)
        return;
    CMarkupElement* pParent = Current().pElement;
    CMarkupNode* pLast = pParent->m_children.GetLast();
    if (pLast != nullptr && pLast->GetType() == MARKUP_TEXT)
        static_cast<CMarkupText*>(pLast)->AppendBytes(m_pSource + nStart, nEnd - nStart);
    else
    {
        // The text stays in the parse's copy of the source.
        CMarkupText* pText = new CMarkupText;
        pText->SetSpan(m_pSource + nStart, nEnd - nStart);
        Append(pText);
    }
}

// In raw text a '<' starts a tag only when a '>' comes before the next
// '<', or when it starts a comment that is closed somewhere after it. The
// look ahead stops at the next '<', so the scans of successive '<' never
// overlap.
BOOL CMarkupParser::RawLessThanOpensTag(int nPos) const
{
    for (int k = nPos + 1; k < m_nLength; ++k)
    {
        if (m_pSource[k] == '>')
            return TRUE;
        if (m_pSource[k] == '<')
            break;
    }
    return StartsWith(m_pSource + nPos + 1, m_nLength - nPos - 1, "!--", 3) &&
           LastIndex(m_nLastCommentEnd, "-->", 3) > nPos;
}

int CMarkupParser::LastIndex(int& nCached, const char* what, int k) const
{
    if (nCached == kNotSought)
        nCached = LastIndexOf(m_pSource, m_nLength, what, k);
    return nCached;
}

int CMarkupParser::Stop(int nCode, int nTagStart, int nTagEnd)
{
    if (m_pError == nullptr)
    {
        m_pError = new CMarkupParseError;
        m_pError->m_nPosition = nTagStart - 1;
        m_pError->m_strTagText = CString(m_pSource + nTagStart, nTagEnd - nTagStart);
    }
    return nCode;
}

int CMarkupParser::RunParse(LPCTSTR source, int nLength)
{
    delete m_pError;
    m_pError = nullptr;
    if (m_pContainer == nullptr)
        return MARKUP_PARSE_DONE;
    m_pContainer->DeleteAllChildren();
    if (source == nullptr)
        return MARKUP_PARSE_DONE;
    if (nLength < 0)
        nLength = (int)std::strlen(source);

    // The nodes, and the texts they keep in place, live in the arena; each
    // node holds it, this run only while it lasts.
    struct ArenaHold
    {
        CMarkupArena* pArena;
        ~ArenaHold() { pArena->Release(); }
    } hold = {CMarkupArena::Create(source, nLength)};
    CMarkupArena::Scope scope(hold.pArena);
    source = hold.pArena->GetSource();
    m_pSource = source;
    m_nLength = nLength;
    m_pCreated = nullptr;
    m_nLastDoubleQuote = kNotSought;
    m_nLastSingleQuote = kNotSought;
    m_nLastCommentEnd = kNotSought;
    m_open.clear();
    m_lastOpen.assign(m_bHtml ? HTML_TAG_COUNT : 0, -1);
    Push(m_pContainer);

    int nTextStart = 0; // pending text: [nTextStart, i)
    int nTagStart = 0;  // inside a tag: its text is [nTagStart, i)
    BOOL bInTag = FALSE;
    char quote = 0;
    QuoteContext context;
    // Inside a script, quotes in tag-like text delimit nothing.
    static const int nScriptTag = LookupHtmlTag("script");
    int i = 0;
    while (i < nLength)
    {
        if (!bInTag)
        {
            const void* pLess = std::memchr(source + i, '<', (size_t)(nLength - i));
            if (pLess == nullptr)
                break;
            int j = (int)((LPCTSTR)pLess - source);
            if ((Current().dwFlags & HTML_TAG_RAW_TEXT) != 0 && !RawLessThanOpensTag(j))
            {
                i = j + 1;
                continue;
            }
            AddText(nTextStart, j);
            bInTag = TRUE;
            nTagStart = j + 1;
            quote = 0;
            context.Reset();
            i = j + 1;
            continue;
        }

        // The bytes up to the next one that counts, whole.
        {
            const int nRun = i;
            bool bLetter = false;
            while (i < nLength)
            {
                const unsigned char k = kTagScan.cls[(BYTE)source[i]];
                if (k == kScanStop)
                    break;
                bLetter = bLetter || k == kScanLetter;
                i += k == kScanLead && i + 1 < nLength && (BYTE)source[i + 1] >= 0x40 ? 2 : 1;
            }
            if (i > nRun)
                context.AddRun(bLetter);
            if (i >= nLength)
                break;
        }
        char c = source[i];
        if (quote != 0)
        {
            if (c == quote)
                quote = 0;
        }
        else if (c == '>')
        {
            int nCode = EndOfTag(nTagStart, i, nTextStart, bInTag);
            if (nCode != MARKUP_PARSE_DONE)
                return nCode;
            if (bInTag) // the '>' inside a comment
                context.Add(c);
            ++i;
            continue;
        }
        else if ((c == '"' || (c == '\'' && m_bHtml)) && Current().nTag != nScriptTag &&
                 !StartsWith(source + nTagStart, i - nTagStart, "!--", 3))
        {
            int nLast =
                c == '"' ? LastIndex(m_nLastDoubleQuote, "\"", 1) : LastIndex(m_nLastSingleQuote, "'", 1);
            if (context.QuoteMayOpen() && nLast > i)
                quote = c;
            else if (m_nStrictness > 0 && !(i > nTagStart && source[nTagStart] == '!'))
                return Stop(MARKUP_PARSE_STRAY_QUOTE, nTagStart, i);
        }
        context.Add(c);
        ++i;
    }

    // A tag left open at the end is text, its '<' included.
    AddText(bInTag ? nTagStart - 1 : nTextStart, nLength);
    return MARKUP_PARSE_DONE;
}

// The '>' at nEnd closes the tag text [nTagStart, nEnd). Either the tag
// becomes part of the tree (the pending text starts after the '>'), or it
// stays text with its brackets (the pending text starts at its '<'), or,
// inside a comment, the '>' belongs to the comment and the tag goes on.
int CMarkupParser::EndOfTag(int nTagStart, int nEnd, int& nTextStart, BOOL& bInTag)
{
    LPCTSTR text = m_pSource + nTagStart;
    int n = nEnd - nTagStart;
    bInTag = FALSE;
    nTextStart = nEnd + 1;
    if (n == 0)
        return MARKUP_PARSE_DONE;
    BOOL bRaw = (Current().dwFlags & HTML_TAG_RAW_TEXT) != 0;

    if (text[0] == '/')
    {
        LPCTSTR name = text + 1;
        // A name as written up to the '>': "</td >" is no end tag.
        if (m_bHtml)
        {
            int nTag = LookupHtmlTag(name, n - 1);
            if (nTag < 0 || (bRaw && nTag != Current().nTag))
            {
                nTextStart = nTagStart - 1;
                return MARKUP_PARSE_DONE;
            }
        }
        int nCode = CloseElement(name, n - 1);
        if (nCode != MARKUP_PARSE_DONE)
            return Stop(nCode, nTagStart, nEnd);
        return MARKUP_PARSE_DONE;
    }

    BOOL bComment = StartsWith(text, n, "!--", 3);
    CMarkupNode* pNode = nullptr;
    // An unfinished comment makes no node: its '>' is the comment's own.
    if (bComment ? IsCompleteComment(text, n) : !bRaw)
        pNode = CreateNodeFromTagText(text, n);
    if (pNode == nullptr)
    {
        if (!bRaw && bComment && LastIndex(m_nLastCommentEnd, "-->", 3) > nEnd)
        {
            bInTag = TRUE;
            nTextStart = nTagStart;
            return MARKUP_PARSE_DONE;
        }
        nTextStart = nTagStart - 1;
        return MARKUP_PARSE_DONE;
    }
    int nCode = PlaceNode(pNode);
    if (nCode != MARKUP_PARSE_DONE)
        return Stop(nCode, nTagStart, nEnd);
    return MARKUP_PARSE_DONE;
}
