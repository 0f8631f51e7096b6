// The profile store of Windows builds: values under HKEY_CURRENT_USER.
#include "afx/Profile.h"

#include "afx/RegKey.h"

BOOL AfxProfileRead(LPCTSTR lpszKey, LPCTSTR lpszValue, DWORD* pdwType, std::vector<BYTE>* pData)
{
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, lpszKey, KEY_READ) != ERROR_SUCCESS)
        return FALSE;
    DWORD dwType = REG_NONE;
    DWORD dwSize = 0;
    if (::RegQueryValueExA(key, lpszValue, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS)
        return FALSE;
    std::vector<BYTE> data(dwSize);
    // The value may change between the two calls; a longer one is read again.
    for (;;)
    {
        dwSize = (DWORD)data.size();
        LONG rc = ::RegQueryValueExA(key, lpszValue, nullptr, &dwType, data.empty() ? nullptr : data.data(),
                                     &dwSize);
        if (rc == ERROR_MORE_DATA)
        {
            data.resize(dwSize);
            continue;
        }
        if (rc != ERROR_SUCCESS)
            return FALSE;
        break;
    }
    data.resize(dwSize);
    if (pdwType != nullptr)
        *pdwType = dwType;
    if (pData != nullptr)
        pData->swap(data);
    return TRUE;
}

BOOL AfxProfileWrite(LPCTSTR lpszKey, LPCTSTR lpszValue, DWORD dwType, const void* pData, UINT nBytes)
{
    CRegKey key;
    if (key.Create(HKEY_CURRENT_USER, lpszKey) != ERROR_SUCCESS)
        return FALSE;
    return ::RegSetValueExA(key, lpszValue, 0, dwType, static_cast<const BYTE*>(pData), nBytes) ==
           ERROR_SUCCESS;
}

BOOL AfxProfileDelete(LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    if (lpszValue != nullptr)
    {
        CRegKey key;
        if (key.Open(HKEY_CURRENT_USER, lpszKey, KEY_SET_VALUE) != ERROR_SUCCESS)
            return FALSE;
        return ::RegDeleteValueA(key, lpszValue) == ERROR_SUCCESS;
    }
    return CRegKey::DeleteTree(HKEY_CURRENT_USER, lpszKey) == ERROR_SUCCESS;
}
