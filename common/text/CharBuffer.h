#ifndef TANZO_TEXT_CHARBUFFER_H
#define TANZO_TEXT_CHARBUFFER_H

#include "afx/wintypes.h"

// A growable, zero-terminated character buffer on the runtime heap whose
// element type a derived class chooses. The allocation holds length + 1
// elements, or reserved + 1 while a reservation made by AssignBuffer is
// active; appends inside a reservation never reallocate.
class CCharBuffer
{
public:
    CCharBuffer() = default;
    virtual ~CCharBuffer();
    CCharBuffer(const CCharBuffer&) = delete;
    CCharBuffer& operator=(const CCharBuffer&) = delete;

    virtual int GetElementSize() const = 0;
    virtual int GetLength(const void* text) const = 0;
    virtual const void* GetEmptyString() const = 0;
    virtual void CopyText(void* destination, const void* source) const = 0;
    virtual void ConcatText(void* destination, const void* source) const = 0;
    virtual void CopyTextN(void* destination, const void* source, int start, int count) const = 0;

    void Free();
    const void* GetData() const { return m_pData != nullptr ? m_pData : GetEmptyString(); }
    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    int GetReserved() const { return m_nReserved; }

    // Null, or the buffer's own data, changes nothing. FALSE when growing
    // fails.
    BOOL Assign(const void* text);
    const void* AssignIfDifferent(const void* text);
    // Null when growing fails; else the data.
    const void* Append(const void* text);
    void Clear();

    // Reserves count elements for writing or appending; null (and nothing
    // reserved) when the length is already count or more, or growing fails.
    void* AssignBuffer(int count);
    void ReleaseBuffer();

    // count elements from start (count below 0: all) into out, stopping at
    // the end. FALSE when start is outside the text or count is below 1 or
    // above the length.
    BOOL Mid(int start, int count, CCharBuffer& out) const;

protected:
    // The allocation holds at least count + 1 elements; a new one is
    // zero-filled, the new part of a larger one too.
    BOOL Grow(int count);
    BOOL AssignCounted(const void* text, int count);
    int GetCapacity() const { return m_nCapacity; }

private:
    void* m_pData = nullptr;
    int m_nLength = 0;
    int m_nReserved = -1;
    int m_nCapacity = 0; // elements before the terminator's slot
};

// The wide-character (UTF-16) kind.
class CWideCharBuffer : public CCharBuffer
{
public:
    CWideCharBuffer() = default;
    CWideCharBuffer(const CWideCharBuffer& other);
    CWideCharBuffer& operator=(const CWideCharBuffer& other);
    ~CWideCharBuffer() override;

    int GetElementSize() const override { return (int)sizeof(WCHAR); }
    int GetLength(const void* text) const override;
    const void* GetEmptyString() const override;
    void CopyText(void* destination, const void* source) const override;
    void ConcatText(void* destination, const void* source) const override;
    void CopyTextN(void* destination, const void* source, int start, int count) const override;

    using CCharBuffer::GetLength;
    LPCWSTR GetData() const { return static_cast<LPCWSTR>(CCharBuffer::GetData()); }
    BOOL Assign(LPCWSTR text) { return CCharBuffer::Assign(text); }
    LPCWSTR AssignIfDifferent(LPCWSTR text)
    {
        return static_cast<LPCWSTR>(CCharBuffer::AssignIfDifferent(text));
    }
    LPCWSTR Append(LPCWSTR text) { return static_cast<LPCWSTR>(CCharBuffer::Append(text)); }
    LPCWSTR AppendChar(WCHAR ch);
    // count units of text, which need not be terminated.
    BOOL AssignCounted(LPCWSTR text, int count) { return CCharBuffer::AssignCounted(text, count); }
    LPWSTR AssignBuffer(int count) { return static_cast<LPWSTR>(CCharBuffer::AssignBuffer(count)); }
};

#endif // TANZO_TEXT_CHARBUFFER_H
