// Texts of COM: BSTRs made from and read into the program's code page.
#include "afx/ComRef.h"

#include "afx/CodePage.h"

#include <cstring>
#include <cwchar>
#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wide characters");

CBstr::CBstr(LPCTSTR lpsz)
{
    if (lpsz == nullptr)
        return;
    std::u16string wide;
    AfxMultiByteToWide(CP_ACP, lpsz, -1, wide);
    m_bstr = ::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.c_str()), (UINT)wide.size());
}

COleVariant::COleVariant(LPCTSTR lpsz)
{
    ::VariantInit(this);
    if (lpsz == nullptr)
        return;
    vt = VT_BSTR;
    bstrVal = CBstr(lpsz).Detach();
}

COleVariant::COleVariant(const BYTE* pData, DWORD dwLength)
{
    ::VariantInit(this);
    if (pData == nullptr || dwLength == 0)
        return;
    SAFEARRAY* pArray = ::SafeArrayCreateVector(VT_UI1, 0, dwLength);
    if (pArray == nullptr)
        return;
    void* pDest = nullptr;
    if (FAILED(::SafeArrayAccessData(pArray, &pDest)))
    {
        ::SafeArrayDestroy(pArray);
        return;
    }
    std::memcpy(pDest, pData, dwLength);
    ::SafeArrayUnaccessData(pArray);
    vt = VT_ARRAY | VT_UI1;
    parray = pArray;
}

CString AfxWideToString(const wchar_t* psz)
{
    if (psz == nullptr)
        return CString();
    std::string narrow;
    AfxWideToMultiByte(CP_ACP, reinterpret_cast<const char16_t*>(psz), (int)std::wcslen(psz), narrow);
    return CString(narrow.c_str(), (int)narrow.size());
}
