#ifndef TANZO_TEXT_MBCSSTRING_H
#define TANZO_TEXT_MBCSSTRING_H

#include "afx/wintypes.h"

// Comparison and search of code page 932 texts that step over two-byte
// characters: a match starts at a character boundary only, and a trail byte
// is never taken for an ASCII letter or a backslash. "NoCase" folds the
// single-byte ASCII letters A-Z to a-z; two-byte characters compare exactly.
// A null text counts as empty. Counted forms take lengths in bytes.
//
// Comparisons order by character code, a two-byte character counting as
// (lead << 8) | trail and a lead byte cut off by the end as lead << 8, as
// _mbscmp and CString::Compare do. Results are -1, 0 or 1.

int MbsCompare(LPCTSTR a, LPCTSTR b);
int MbsCompareNoCase(LPCTSTR a, LPCTSTR b);
int MbsCompare(LPCTSTR a, int aLength, LPCTSTR b, int bLength);
int MbsCompareNoCase(LPCTSTR a, int aLength, LPCTSTR b, int bLength);

// At most nBytes bytes of each text (as _mbsnbcmp, _mbsnbicmp): a
// two-byte character cut by the limit compares as its lead byte.
int MbsCompareN(LPCTSTR a, LPCTSTR b, int nBytes);
int MbsCompareNNoCase(LPCTSTR a, LPCTSTR b, int nBytes);

inline BOOL MbsEqualNoCase(LPCTSTR a, LPCTSTR b)
{
    return MbsCompareNoCase(a, b) == 0;
}

// Byte index of the first occurrence of sub at or after start (which must
// be a character boundary), -1 when none, or when sub is empty. Linear time.
int MbsFind(LPCTSTR text, LPCTSTR sub, int start = 0);
int MbsFindNoCase(LPCTSTR text, LPCTSTR sub, int start = 0);
int MbsFind(LPCTSTR text, int textLength, LPCTSTR sub, int subLength, int start = 0);
int MbsFindNoCase(LPCTSTR text, int textLength, LPCTSTR sub, int subLength, int start = 0);

// Looks for a text in one that arrives in pieces, as MbsFind (MbsFindNoCase
// with bNoCase) would in the pieces joined: a match begins at a character
// boundary of the whole, a two-byte character may be split between pieces.
class CCharMatcher;
class CMbsStreamFinder
{
public:
    CMbsStreamFinder(LPCTSTR sub, BOOL bNoCase);
    ~CMbsStreamFinder();

    // Starts over on a new text.
    void Restart();
    // The next piece; TRUE once the text has been found.
    BOOL Feed(LPCTSTR piece, int length);
    // The end of the text (a lead byte left over stands alone); TRUE when
    // the text was found.
    BOOL Finish();

private:
    CMbsStreamFinder(const CMbsStreamFinder&) = delete;
    CMbsStreamFinder& operator=(const CMbsStreamFinder&) = delete;
    void Take(unsigned code);

    CCharMatcher* m_pMatcher; // null for an empty text, which is never found
    BOOL m_bNoCase;
    size_t m_nMatched;
    int m_nPendingLead; // -1: none
    BOOL m_bFound;
};

// Byte index of the first / last occurrence of the single-byte character
// ch, -1 when none.
int MbsFindChar(LPCTSTR text, char ch, int start = 0);
int MbsReverseFindChar(LPCTSTR text, char ch);

// Byte index of the last occurrence of sub whose last byte lies at or
// before end (end not above 0: anywhere); -1 when none or either text is
// empty. Occurrences are those of a forward scan, so none lies inside a
// two-byte character.
int ReverseFindString(LPCTSTR text, LPCTSTR sub, int end = 0);

// Flags of MatchText (and FindInStringList).
#define MATCH_NOCASE 1
#define MATCH_CONTAINS 2
#define MATCH_PREFIX 4
#define MATCH_SUFFIX 8

// MATCH_CONTAINS: pattern occurs in text; otherwise MATCH_PREFIX alone:
// text starts with pattern, MATCH_SUFFIX alone: ends with it, neither or
// both (or an empty pattern): equal texts. Null arguments give FALSE.
BOOL MatchText(LPCTSTR text, LPCTSTR pattern, int flags);

// The character at ch (length 1 or 2; any other length is taken from the
// character) looked up in singles (one-byte characters) or in doubles (a
// string of two-byte characters).
BOOL IsCharInSets(LPCTSTR ch, LPCTSTR singles, LPCTSTR doubles, int length = 0);

#endif // TANZO_TEXT_MBCSSTRING_H
