#include "text/CharBuffer.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
// Appends outside a reservation reallocate each time; debug builds say so.
void TraceAppendOutsideReservation()
{
#if defined(_WIN32) && !defined(NDEBUG)
    ::OutputDebugStringA(
        "文字列追加の前にAssignBufferを呼び、文字列の追加処理が終わったらReleaseBufferを呼んでほしい。"
        "もしくは、確保サイズが少ない。\r\n");
#endif
}
} // namespace

CCharBuffer::~CCharBuffer()
{
    std::free(m_pData);
}

void CCharBuffer::Free()
{
    std::free(m_pData);
    m_pData = nullptr;
    m_nLength = 0;
    m_nReserved = -1;
    m_nCapacity = 0;
}

BOOL CCharBuffer::Grow(int count)
{
    if (count < 0)
        return FALSE;
    if (m_pData != nullptr && count <= m_nCapacity)
        return TRUE;
    const size_t size = (size_t)GetElementSize();
    if ((size_t)count + 1 > (size_t)INT_MAX / size)
        return FALSE;
    const size_t bytes = size * ((size_t)count + 1);
    if (m_pData == nullptr)
    {
        void* p = std::calloc(1, bytes);
        if (p == nullptr)
            return FALSE;
        m_pData = p;
    }
    else
    {
        void* p = std::realloc(m_pData, bytes);
        if (p == nullptr)
            return FALSE;
        const size_t oldBytes = size * ((size_t)m_nCapacity + 1);
        std::memset((char*)p + oldBytes, 0, bytes - oldBytes);
        m_pData = p;
    }
    m_nCapacity = count;
    return TRUE;
}

BOOL CCharBuffer::AssignCounted(const void* text, int count)
{
    if (text == nullptr || count < 0)
        return FALSE;
    const size_t size = (size_t)GetElementSize();
    if (m_pData != nullptr && text >= m_pData &&
        (const char*)text <= (const char*)m_pData + size * m_nCapacity)
    {
        // A part of the own text moves to the front.
        const size_t offset = ((const char*)text - (const char*)m_pData) / size;
        if (offset + (size_t)count > (size_t)m_nCapacity)
            count = m_nCapacity - (int)offset;
        std::memmove(m_pData, text, size * count);
    }
    else
    {
        const bool covered = m_nReserved >= count;
        if (!covered && !Grow(count))
            return FALSE;
        std::memcpy(m_pData, text, size * count);
    }
    std::memset((char*)m_pData + size * count, 0, size);
    m_nLength = count;
    return TRUE;
}

BOOL CCharBuffer::Assign(const void* text)
{
    if (text == nullptr || (m_pData != nullptr && text == m_pData))
        return TRUE;
    return AssignCounted(text, GetLength(text));
}

const void* CCharBuffer::AssignIfDifferent(const void* text)
{
    if (text != m_pData || m_pData == nullptr)
        Assign(text);
    return GetData();
}

const void* CCharBuffer::Append(const void* text)
{
    if (text == nullptr)
        return GetData();
    const int added = GetLength(text);
    if (added == 0)
        return GetData();
    if (added > INT_MAX - 1 - m_nLength)
        return nullptr;
    const int newLength = m_nLength + added;
    if (m_nReserved < newLength)
    {
        if (m_nReserved >= 0)
            TraceAppendOutsideReservation();
        // The text may be a part of the buffer's own data.
        const size_t size = (size_t)GetElementSize();
        const bool own = m_pData != nullptr && text >= m_pData &&
                         (const char*)text <= (const char*)m_pData + size * m_nCapacity;
        const size_t offset = own ? (size_t)((const char*)text - (const char*)m_pData) : 0;
        if (!Grow(newLength))
            return nullptr;
        if (own)
            text = (const char*)m_pData + offset;
        m_nReserved = -1;
    }
    const size_t size = (size_t)GetElementSize();
    std::memmove((char*)m_pData + size * m_nLength, text, size * added);
    std::memset((char*)m_pData + size * newLength, 0, size);
    m_nLength = newLength;
    return GetData();
}

void CCharBuffer::Clear()
{
    if (m_pData != nullptr)
        std::memset(m_pData, 0, GetElementSize());
    m_nLength = 0;
}

void* CCharBuffer::AssignBuffer(int count)
{
    if (count < 0 || m_nLength >= count || !Grow(count))
        return nullptr;
    m_nReserved = count;
    return m_pData;
}

void CCharBuffer::ReleaseBuffer()
{
    if (m_pData == nullptr)
    {
        m_nReserved = -1;
        return;
    }
    // The writer may have overwritten the terminator: never read beyond the
    // allocation.
    const size_t size = (size_t)GetElementSize();
    std::memset((char*)m_pData + size * m_nCapacity, 0, size);
    m_nLength = GetLength(m_pData);
    if (m_nReserved >= 0 && m_nLength < m_nCapacity)
    {
        void* p = std::realloc(m_pData, size * ((size_t)m_nLength + 1));
        if (p != nullptr)
        {
            m_pData = p;
            m_nCapacity = m_nLength;
        }
    }
    m_nReserved = -1;
}

BOOL CCharBuffer::Mid(int start, int count, CCharBuffer& out) const
{
    if (count < 0)
        count = m_nLength;
    if (start < 0 || start >= m_nLength || count < 1 || count > m_nLength)
        return FALSE;
    if (count > m_nLength - start)
        count = m_nLength - start;
    if (&out == this)
    {
        // Through a copy: the source is the destination's own data.
        CCharBuffer& self = const_cast<CCharBuffer&>(*this);
        const size_t size = (size_t)GetElementSize();
        std::memmove(self.m_pData, (const char*)m_pData + size * start, size * count);
        std::memset((char*)self.m_pData + size * count, 0, size);
        self.m_nLength = count;
        return TRUE;
    }
    return out.AssignCounted((const char*)m_pData + (size_t)GetElementSize() * start, count);
}

// CWideCharBuffer

CWideCharBuffer::CWideCharBuffer(const CWideCharBuffer& other) : CCharBuffer()
{
    Assign(other.GetData());
}

CWideCharBuffer& CWideCharBuffer::operator=(const CWideCharBuffer& other)
{
    if (&other != this)
        CCharBuffer::AssignCounted(other.GetData(), other.GetLength());
    return *this;
}

CWideCharBuffer::~CWideCharBuffer() = default;

int CWideCharBuffer::GetLength(const void* text) const
{
    const WCHAR* p = static_cast<const WCHAR*>(text);
    int n = 0;
    while (p[n] != 0)
        ++n;
    return n;
}

const void* CWideCharBuffer::GetEmptyString() const
{
    static const WCHAR empty = 0;
    return &empty;
}

void CWideCharBuffer::CopyText(void* destination, const void* source) const
{
    std::memmove(destination, source, sizeof(WCHAR) * ((size_t)GetLength(source) + 1));
}

void CWideCharBuffer::ConcatText(void* destination, const void* source) const
{
    CopyText(static_cast<WCHAR*>(destination) + GetLength(destination), source);
}

void CWideCharBuffer::CopyTextN(void* destination, const void* source, int start, int count) const
{
    // As wcsncpy: stops at the terminator and pads with zeros.
    WCHAR* d = static_cast<WCHAR*>(destination);
    const WCHAR* s = static_cast<const WCHAR*>(source) + start;
    int i = 0;
    for (; i < count && s[i] != 0; ++i)
        d[i] = s[i];
    for (; i < count; ++i)
        d[i] = 0;
}

LPCWSTR CWideCharBuffer::AppendChar(WCHAR ch)
{
    const WCHAR text[2] = {ch, 0};
    return Append(text);
}
