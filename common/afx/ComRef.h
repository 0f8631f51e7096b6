#ifndef TANZO_AFX_COMREF_H
#define TANZO_AFX_COMREF_H

// Owners of COM resources (Windows builds): an interface pointer that is
// released with its owner, and a BSTR that is freed with its owner. Copying
// is blocked; moving hands the resource over.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <oleauto.h>
#include <unknwn.h>

#include <utility>

template <class T> class CComRef
{
public:
    CComRef() = default;
    // Takes over a reference the caller owns.
    explicit CComRef(T* p) : m_p(p) {}
    CComRef(CComRef&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CComRef& operator=(CComRef&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_p, nullptr));
        return *this;
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    ~CComRef() { Reset(); }

    // A new reference to an interface someone else owns.
    static CComRef AddRefOf(T* p)
    {
        if (p != nullptr)
            p->AddRef();
        return CComRef(p);
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For the out parameter of a call: whatever was held is released first.
    T** Out()
    {
        Reset();
        return &m_p;
    }
    void Reset(T* p = nullptr)
    {
        T* pOld = std::exchange(m_p, p);
        if (pOld != nullptr)
            pOld->Release();
    }
    // Hands the reference to the caller.
    T* Detach() { return std::exchange(m_p, nullptr); }

    // Another interface of the same object; empty when it has none.
    template <class U> CComRef<U> Query(REFIID riid) const
    {
        CComRef<U> result;
        if (m_p != nullptr)
            m_p->QueryInterface(riid, reinterpret_cast<void**>(result.Out()));
        return result;
    }

private:
    T* m_p = nullptr;
};

class CBstr
{
public:
    CBstr() = default;
    // The text in the program's code page; null gives a null BSTR.
    explicit CBstr(LPCTSTR lpsz);
    CBstr(CBstr&& other) noexcept : m_bstr(std::exchange(other.m_bstr, nullptr)) {}
    CBstr& operator=(CBstr&& other) noexcept
    {
        if (this != &other)
        {
            ::SysFreeString(m_bstr);
            m_bstr = std::exchange(other.m_bstr, nullptr);
        }
        return *this;
    }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    ~CBstr() { ::SysFreeString(m_bstr); }

    BSTR Get() const { return m_bstr; }
    BSTR* Out()
    {
        ::SysFreeString(m_bstr);
        m_bstr = nullptr;
        return &m_bstr;
    }
    BSTR Detach() { return std::exchange(m_bstr, nullptr); }

private:
    BSTR m_bstr = nullptr;
};

// A VARIANT that clears itself. Copying is blocked.
class COleVariant : public tagVARIANT
{
public:
    COleVariant() { ::VariantInit(this); }
    // VT_BSTR of the text (null: VT_EMPTY).
    explicit COleVariant(LPCTSTR lpsz);
    // VT_I4.
    explicit COleVariant(long lValue)
    {
        ::VariantInit(this);
        vt = VT_I4;
        lVal = lValue;
    }
    // VT_ARRAY | VT_UI1 of the bytes (none: VT_EMPTY).
    COleVariant(const BYTE* pData, DWORD dwLength);
    COleVariant(const COleVariant&) = delete;
    COleVariant& operator=(const COleVariant&) = delete;
    ~COleVariant() { ::VariantClear(this); }

    void Clear() { ::VariantClear(this); }
    operator LPVARIANT() { return this; }
};

// A wide text in the program's code page; an empty text for null.
CString AfxWideToString(const wchar_t* psz);

#endif // TANZO_AFX_COMREF_H
