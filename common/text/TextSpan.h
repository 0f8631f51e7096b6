#ifndef TANZO_TEXT_TEXTSPAN_H
#define TANZO_TEXT_TEXTSPAN_H

#include "afx/String.h"
#include "afx/wintypes.h"

// A run of bytes of a source text, gathered by position and appended to a
// string in one step instead of byte by byte.
class CTextSpan
{
public:
    explicit CTextSpan(LPCTSTR source = nullptr) : m_pSource(source), m_nStart(-1), m_nLength(0) {}

    // Grows the span by count bytes at position, which must be its end; an
    // empty span starts there. FALSE for a negative position or count, or
    // for a position that leaves a gap (the span is then unchanged).
    BOOL Extend(int position, int count);

    // Appends the span's bytes to out (up to a NUL in the source, as
    // _mbsnbcat) and empties the span.
    void AppendTo(CString& out);

    BOOL IsEmpty() const { return m_nStart < 0; }
    int GetStart() const { return m_nStart; }
    int GetLength() const { return m_nLength; }
    void Empty()
    {
        m_nStart = -1;
        m_nLength = 0;
    }

private:
    LPCTSTR m_pSource;
    int m_nStart; // -1: empty
    int m_nLength;
};

#endif // TANZO_TEXT_TEXTSPAN_H
