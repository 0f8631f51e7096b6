#include "text/MbcsString.h"

#include <cstring>
#include <vector>

#include "text/CharClass.h"
#include "text/TextCut.h"

namespace
{
// Characters as codes: a single byte as itself (folded when asked), a
// two-byte character as (lead << 8) | trail, and a lead byte without its
// trail byte (at the end of a text) as lead << 8, so that it sorts among
// the two-byte characters as CString::Compare sorts it. A NUL is never a
// trail byte; so equal codes mean equal characters.
inline unsigned FoldByte(unsigned c, bool fold)
{
    return (fold && c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

// Reads the character at p of a counted text and moves past it.
inline unsigned ReadChar(const BYTE*& p, const BYTE* end, bool fold)
{
    unsigned c = *p++;
    if (IsSingleByteChar((BYTE)c))
        return FoldByte(c, fold);
    if (p < end && *p != 0)
        return (c << 8) | *p++;
    return c << 8;
}

// The same for a zero-terminated text; *p must not be the terminator.
inline unsigned ReadChar(const BYTE*& p, bool fold)
{
    unsigned c = *p++;
    if (IsSingleByteChar((BYTE)c))
        return FoldByte(c, fold);
    if (*p != 0)
        return (c << 8) | *p++;
    return c << 8;
}

inline int Sign(unsigned a, unsigned b)
{
    return a < b ? -1 : 1;
}

int CompareTerminated(LPCTSTR a, LPCTSTR b, bool fold)
{
    const BYTE* p = (const BYTE*)(a != nullptr ? a : "");
    const BYTE* q = (const BYTE*)(b != nullptr ? b : "");
    for (;;)
    {
        if (*p == 0 || *q == 0)
            return *p == *q ? 0 : (*p == 0 ? -1 : 1);
        unsigned c = ReadChar(p, fold);
        unsigned d = ReadChar(q, fold);
        if (c != d)
            return Sign(c, d);
    }
}

int CompareCounted(LPCTSTR a, int aLength, LPCTSTR b, int bLength, bool fold)
{
    if (a == nullptr || aLength < 0)
        aLength = 0;
    if (b == nullptr || bLength < 0)
        bLength = 0;
    const BYTE* p = (const BYTE*)a;
    const BYTE* q = (const BYTE*)b;
    const BYTE* pEnd = p + aLength;
    const BYTE* qEnd = q + bLength;
    for (;;)
    {
        if (p == pEnd || q == qEnd)
            return (p == pEnd) == (q == qEnd) ? 0 : (p == pEnd ? -1 : 1);
        unsigned c = ReadChar(p, pEnd, fold);
        unsigned d = ReadChar(q, qEnd, fold);
        if (c != d)
            return Sign(c, d);
    }
}

int BoundedLength(LPCTSTR text, int limit)
{
    if (text == nullptr || limit <= 0)
        return 0;
    const void* nul = std::memchr(text, 0, (size_t)limit);
    return nul != nullptr ? (int)((const char*)nul - text) : limit;
}

} // namespace

// Knuth-Morris-Pratt over character codes: linear in the text whatever the
// pattern, and a match can only begin at a character boundary.
class CCharMatcher
{
public:
    CCharMatcher(const BYTE* sub, int subLength, bool fold) : m_fold(fold), m_nBytes(subLength)
    {
        const BYTE* p = sub;
        const BYTE* end = sub + subLength;
        m_codes.reserve(subLength);
        while (p < end)
            m_codes.push_back(ReadChar(p, end, fold));
        m_failure.assign(m_codes.size(), 0);
        size_t k = 0;
        for (size_t i = 1; i < m_codes.size(); ++i)
        {
            while (k > 0 && m_codes[i] != m_codes[k])
                k = m_failure[k - 1];
            if (m_codes[i] == m_codes[k])
                ++k;
            m_failure[i] = k;
        }
    }

    // Start of the first match at or after start, or of the last one whose
    // last byte is not beyond lastEnd (lastEnd < 0: no limit); -1 when none.
    int Find(const BYTE* text, int length, int start, bool wantLast, int lastEnd) const
    {
        const BYTE* p = text + start;
        const BYTE* end = text + length;
        const size_t count = m_codes.size();
        const unsigned first = m_codes[0];
        size_t q = 0;
        int found = -1;
        while (p < end)
        {
            unsigned c;
            if (q == 0)
            {
                // Skip quickly to a character equal to the first one.
                do
                {
                    if (p == end)
                        return found;
                    c = ReadChar(p, end, m_fold);
                } while (c != first);
                q = 1;
            }
            else
                q = Step(q, ReadChar(p, end, m_fold));
            if (q == count)
            {
                int matchEnd = (int)(p - text);
                if (lastEnd >= 0 && matchEnd - 1 > lastEnd)
                    return found;
                found = matchEnd - m_nBytes;
                if (!wantLast)
                    return found;
                q = m_failure[q - 1];
            }
        }
        return found;
    }

    // The number of characters matched after c, of q before it.
    size_t Step(size_t q, unsigned c) const
    {
        if (q == m_codes.size())
            q = m_failure[q - 1];
        while (q > 0 && c != m_codes[q])
            q = m_failure[q - 1];
        if (c == m_codes[q])
            ++q;
        return q;
    }
    size_t GetLength() const { return m_codes.size(); }

private:
    bool m_fold;
    int m_nBytes;
    std::vector<unsigned> m_codes;
    std::vector<size_t> m_failure;
};

namespace
{
bool ContainsBytes(LPCTSTR text, int textLength, LPCTSTR sub, int subLength)
{
    const char* p = text;
    const char* last = text + (textLength - subLength);
    while (p <= last)
    {
        p = static_cast<const char*>(std::memchr(p, sub[0], (size_t)(last - p) + 1));
        if (p == nullptr)
            return false;
        if (std::memcmp(p, sub, (size_t)subLength) == 0)
            return true;
        ++p;
    }
    return false;
}

int FindCounted(LPCTSTR text, int textLength, LPCTSTR sub, int subLength, int start, bool fold)
{
    if (text == nullptr || sub == nullptr || subLength <= 0 || start < 0 || start >= textLength)
        return -1;
    if (subLength > textLength - start)
        return -1;
    if (subLength == 1 && !fold)
    {
        // A single byte: the first one-byte character equal to it (a lead
        // byte counts alone before a NUL or the end, as ReadChar has it).
        const BYTE* p = (const BYTE*)text + start;
        const BYTE* end = (const BYTE*)text + textLength;
        BYTE b = (BYTE)sub[0];
        while (p < end)
        {
            const BYTE* q = p;
            ReadChar(q, end, false);
            if (q - p == 1 && *p == b)
                return (int)(p - (const BYTE*)text);
            p = q;
        }
        return -1;
    }
    // A match is the pattern's very bytes: where they occur nowhere, the
    // walk by characters has nothing to find.
    if (!fold && !ContainsBytes(text + start, textLength - start, sub, subLength))
        return -1;
    CCharMatcher matcher((const BYTE*)sub, subLength, fold);
    return matcher.Find((const BYTE*)text, textLength, start, false, -1);
}

// TRUE when the characters of pattern equal those of text from its start
// (text may go on).
bool StartsWith(const BYTE* text, const BYTE* textEnd, const BYTE* pattern, const BYTE* patternEnd, bool fold)
{
    while (pattern < patternEnd)
    {
        if (text == textEnd)
            return false;
        if (ReadChar(text, textEnd, fold) != ReadChar(pattern, patternEnd, fold))
            return false;
    }
    return true;
}
} // namespace

int MbsCompare(LPCTSTR a, LPCTSTR b)
{
    return CompareTerminated(a, b, false);
}

int MbsCompareNoCase(LPCTSTR a, LPCTSTR b)
{
    return CompareTerminated(a, b, true);
}

int MbsCompare(LPCTSTR a, int aLength, LPCTSTR b, int bLength)
{
    return CompareCounted(a, aLength, b, bLength, false);
}

int MbsCompareNoCase(LPCTSTR a, int aLength, LPCTSTR b, int bLength)
{
    return CompareCounted(a, aLength, b, bLength, true);
}

int MbsCompareN(LPCTSTR a, LPCTSTR b, int nBytes)
{
    return CompareCounted(a, BoundedLength(a, nBytes), b, BoundedLength(b, nBytes), false);
}

int MbsCompareNNoCase(LPCTSTR a, LPCTSTR b, int nBytes)
{
    return CompareCounted(a, BoundedLength(a, nBytes), b, BoundedLength(b, nBytes), true);
}

int MbsFind(LPCTSTR text, LPCTSTR sub, int start)
{
    return FindCounted(text, SafeLength(text), sub, SafeLength(sub), start, false);
}

int MbsFindNoCase(LPCTSTR text, LPCTSTR sub, int start)
{
    return FindCounted(text, SafeLength(text), sub, SafeLength(sub), start, true);
}

int MbsFind(LPCTSTR text, int textLength, LPCTSTR sub, int subLength, int start)
{
    return FindCounted(text, textLength, sub, subLength, start, false);
}

int MbsFindNoCase(LPCTSTR text, int textLength, LPCTSTR sub, int subLength, int start)
{
    return FindCounted(text, textLength, sub, subLength, start, true);
}

int MbsFindChar(LPCTSTR text, char ch, int start)
{
    if (text == nullptr || start < 0 || ch == '\0')
        return -1;
    for (LPCTSTR p = text; *p != '\0'; p += CharLength(p))
    {
        if (p - text >= start && *p == ch && (IsSingleByteChar((BYTE)ch) || p[1] == '\0'))
            return (int)(p - text);
    }
    return -1;
}

int MbsReverseFindChar(LPCTSTR text, char ch)
{
    if (text == nullptr || ch == '\0')
        return -1;
    int found = -1;
    for (LPCTSTR p = text; *p != '\0'; p += CharLength(p))
        if (*p == ch && (IsSingleByteChar((BYTE)ch) || p[1] == '\0'))
            found = (int)(p - text);
    return found;
}

int ReverseFindString(LPCTSTR text, LPCTSTR sub, int end)
{
    int textLength = SafeLength(text);
    int subLength = SafeLength(sub);
    if (textLength == 0 || subLength == 0 || subLength > textLength)
        return -1;
    CCharMatcher matcher((const BYTE*)sub, subLength, false);
    return matcher.Find((const BYTE*)text, textLength, 0, true, end > 0 ? end : -1);
}

BOOL MatchText(LPCTSTR text, LPCTSTR pattern, int flags)
{
    if (text == nullptr || pattern == nullptr)
        return FALSE;
    bool fold = (flags & MATCH_NOCASE) != 0;
    int textLength = (int)std::strlen(text);
    int patternLength = (int)std::strlen(pattern);
    const BYTE* t = (const BYTE*)text;
    const BYTE* tEnd = t + textLength;
    const BYTE* p = (const BYTE*)pattern;
    const BYTE* pEnd = p + patternLength;
    int mode = flags & (MATCH_PREFIX | MATCH_SUFFIX);
    if (patternLength == 0)
        return textLength == 0;
    if (flags & MATCH_CONTAINS)
        return FindCounted(text, textLength, pattern, patternLength, 0, fold) >= 0;
    if (mode == MATCH_PREFIX)
        return StartsWith(t, tEnd, p, pEnd, fold);
    if (mode == MATCH_SUFFIX)
    {
        if (patternLength > textLength)
            return FALSE;
        // The suffix must begin at a character boundary.
        const BYTE* from = tEnd - patternLength;
        const BYTE* q = t;
        while (q < from)
            q += CharLength((LPCTSTR)q, (LPCTSTR)tEnd);
        return q == from && StartsWith(from, tEnd, p, pEnd, fold);
    }
    return CompareCounted(text, textLength, pattern, patternLength, fold) == 0;
}

BOOL IsCharInSets(LPCTSTR ch, LPCTSTR singles, LPCTSTR doubles, int length)
{
    if (ch == nullptr || *ch == '\0')
        return FALSE;
    if (length != 1 && length != 2)
        length = CharLength(ch);
    if (length == 1)
    {
        if (singles == nullptr)
            return FALSE;
        for (LPCTSTR p = singles; *p != '\0'; p += CharLength(p))
            if (*p == *ch && CharLength(p) == 1)
                return TRUE;
        return FALSE;
    }
    if (doubles == nullptr || ch[1] == '\0')
        return FALSE;
    for (LPCTSTR p = doubles; *p != '\0'; p += CharLength(p))
        if (p[0] == ch[0] && p[1] == ch[1] && CharLength(p) == 2)
            return TRUE;
    return FALSE;
}

CMbsStreamFinder::CMbsStreamFinder(LPCTSTR sub, BOOL bNoCase)
    : m_pMatcher(nullptr), m_bNoCase(bNoCase), m_nMatched(0), m_nPendingLead(-1), m_bFound(FALSE)
{
    int subLength = SafeLength(sub);
    if (subLength > 0)
        m_pMatcher = new CCharMatcher((const BYTE*)sub, subLength, bNoCase != FALSE);
}

CMbsStreamFinder::~CMbsStreamFinder()
{
    delete m_pMatcher;
}

void CMbsStreamFinder::Restart()
{
    m_nMatched = 0;
    m_nPendingLead = -1;
    m_bFound = FALSE;
}

void CMbsStreamFinder::Take(unsigned code)
{
    m_nMatched = m_pMatcher->Step(m_nMatched, code);
    if (m_nMatched == m_pMatcher->GetLength())
        m_bFound = TRUE;
}

BOOL CMbsStreamFinder::Feed(LPCTSTR piece, int length)
{
    if (m_pMatcher == nullptr || piece == nullptr)
        return FALSE;
    const BYTE* p = (const BYTE*)piece;
    for (const BYTE* end = p + length; p < end && !m_bFound; ++p)
    {
        // As ReadChar: a lead byte takes the next byte but a NUL.
        if (m_nPendingLead >= 0)
        {
            unsigned lead = (unsigned)m_nPendingLead;
            m_nPendingLead = -1;
            if (*p != 0)
            {
                Take((lead << 8) | *p);
                continue;
            }
            Take(lead << 8);
        }
        if (IsSingleByteChar(*p))
            Take(FoldByte(*p, m_bNoCase != FALSE));
        else
            m_nPendingLead = *p;
    }
    return m_bFound;
}

BOOL CMbsStreamFinder::Finish()
{
    if (m_pMatcher != nullptr && m_nPendingLead >= 0 && !m_bFound)
        Take((unsigned)m_nPendingLead << 8);
    m_nPendingLead = -1;
    return m_bFound;
}
