#ifndef TANZO_TEXT_CONVERTWRITER_H
#define TANZO_TEXT_CONVERTWRITER_H

#include <cstdint>
#include <cstring>
#include <utility>

#include "afx/String.h"
#include "afx/wintypes.h"

// The output of a converter: written straight into a CString's buffer,
// which grows as needed (never sized once from the input), then moved into
// the caller's string, so that the input may be that string itself.
class CConvertWriter
{
public:
    explicit CConvertWriter(int sizeHint) { Begin(sizeHint); }
    // The same, written into the buffer that out holds already unless the
    // input lies in out: a page converted again and again into one string
    // then takes no fresh memory for it.
    CConvertWriter(int sizeHint, CString& out, const void* input, int inputLength)
    {
        const auto nOut = reinterpret_cast<uintptr_t>(static_cast<const char*>(out));
        const auto nIn = reinterpret_cast<uintptr_t>(input);
        if (input == nullptr || nIn + (uintptr_t)inputLength <= nOut ||
            nIn >= nOut + (uintptr_t)out.GetLength())
        {
            m_result = std::move(out);
            m_result.GetBufferSetLength(0);
        }
        Begin(sizeHint);
    }
    CConvertWriter(const CConvertWriter&) = delete;
    CConvertWriter& operator=(const CConvertWriter&) = delete;

    // Room for n more bytes.
    void Ensure(int n)
    {
        if (m_pEnd - m_pNext < n)
            Grow(n);
    }
    void Put(char b) { *m_pNext++ = b; }
    void Put(char a, char b)
    {
        m_pNext[0] = a;
        m_pNext[1] = b;
        m_pNext += 2;
    }
    char* Next() { return m_pNext; }
    void Advance(int n) { m_pNext += n; }
    int GetLength() const { return (int)(m_pNext - m_pBegin); }

    // Copies the run of ASCII bytes (NUL excluded) at p as it is and moves
    // p past it; the bytes of a page are mostly such runs.
    void CopyAsciiRun(const BYTE*& p, const BYTE* end)
    {
        // Between two-byte characters there is mostly no run at all.
        if (p == end || *p >= 0x80 || *p == 0)
            return;
        const BYTE* q = p + 1;
        while (q < end && *q != 0 && *q < 0x80)
            ++q;
        const size_t n = (size_t)(q - p);
        Ensure((int)n);
        std::memcpy(m_pNext, p, n);
        m_pNext += n;
        p += n;
    }

    void Finish(CString& out)
    {
        m_result.ReleaseBuffer(GetLength());
        out = std::move(m_result);
    }

    // The same for a converter: *pSubstituted tells whether a character was
    // replaced or dropped.
    void Finish(CString& out, bool substituted, BOOL* pSubstituted)
    {
        Finish(out);
        if (pSubstituted != nullptr)
            *pSubstituted = substituted ? TRUE : FALSE;
    }

    // What a converter leaves when it has no input: an empty result, nothing
    // substituted, FALSE.
    static BOOL NoInput(CString& out, BOOL* pSubstituted)
    {
        out.Empty();
        if (pSubstituted != nullptr)
            *pSubstituted = FALSE;
        return FALSE;
    }

private:
    void Begin(int sizeHint)
    {
        m_nCapacity = sizeHint > 16 ? sizeHint : 16;
        m_pBegin = m_result.GetBuffer(m_nCapacity);
        m_pNext = m_pBegin;
        m_pEnd = m_pBegin + m_nCapacity;
    }

    void Grow(int n)
    {
        const int used = GetLength();
        int capacity = m_nCapacity + m_nCapacity / 2;
        if (capacity < used + n)
            capacity = used + n;
        m_pBegin = m_result.GetBuffer(capacity);
        m_pNext = m_pBegin + used;
        m_pEnd = m_pBegin + capacity;
        m_nCapacity = capacity;
    }

    CString m_result;
    char* m_pBegin;
    char* m_pNext;
    char* m_pEnd;
    int m_nCapacity;
};

// The loop of a converter that reads bytes: runs of ASCII go to the output
// as they are; every other byte (a NUL too) begins a character, which
// convert(p, end, w, substituted) steps over and writes, making room first
// (after reading, which keeps the loop fast).
// FALSE only for a null text.
template <class Convert>
BOOL ConvertByChars(const char* data, int length, int sizeHint, CString& out, BOOL* pSubstituted,
                    Convert convert)
{
    if (data == nullptr || length < 0)
        return CConvertWriter::NoInput(out, pSubstituted);
    const BYTE* p = (const BYTE*)data;
    const BYTE* end = p + length;
    CConvertWriter w(sizeHint, out, data, length);
    bool substituted = false;
    while (p < end)
    {
        w.CopyAsciiRun(p, end);
        if (p == end)
            break;
        convert(p, end, w, substituted);
    }
    w.Finish(out, substituted, pSubstituted);
    return TRUE;
}

#endif // TANZO_TEXT_CONVERTWRITER_H
