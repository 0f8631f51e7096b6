#ifndef TANZO_TEXT_CONVERTWRITER_H
#define TANZO_TEXT_CONVERTWRITER_H

#include <utility>

#include "afx/String.h"

// The output of a converter: written straight into a CString's buffer,
// which grows as needed (never sized once from the input), then moved into
// the caller's string, so that the input may be that string itself.
class CConvertWriter
{
public:
    explicit CConvertWriter(int sizeHint)
    {
        m_nCapacity = sizeHint > 16 ? sizeHint : 16;
        m_pBegin = m_result.GetBuffer(m_nCapacity);
        m_pNext = m_pBegin;
        m_pEnd = m_pBegin + m_nCapacity;
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

    void Finish(CString& out)
    {
        m_result.ReleaseBuffer(GetLength());
        out = std::move(m_result);
    }

private:
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

#endif // TANZO_TEXT_CONVERTWRITER_H
