#ifndef TANZO_AFX_REGKEY_H
#define TANZO_AFX_REGKEY_H

// An open registry key that closes itself (Windows builds only).

#include "afx/String.h"
#include "afx/wintypes.h"

#include <cstring>
#include <utility>
#include <vector>

class CRegKey
{
public:
    CRegKey() = default;
    explicit CRegKey(HKEY hKey) : m_hKey(hKey) {}
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.Detach()) {}
    CRegKey& operator=(CRegKey&& other) noexcept
    {
        if (this != &other)
        {
            Close();
            m_hKey = other.Detach();
        }
        return *this;
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    // Win32 error codes: ERROR_SUCCESS when the key is open.
    LONG Open(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired = KEY_READ | KEY_WRITE)
    {
        Close();
        return ::RegOpenKeyExA(hKeyParent, lpszKeyName, 0, samDesired, &m_hKey);
    }
    // Opens the key, creating it and its missing parents.
    LONG Create(HKEY hKeyParent, LPCSTR lpszKeyName, REGSAM samDesired = KEY_READ | KEY_WRITE)
    {
        Close();
        return ::RegCreateKeyExA(hKeyParent, lpszKeyName, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired,
                                 nullptr, &m_hKey, nullptr);
    }
    void Close()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(std::exchange(m_hKey, nullptr));
    }
    HKEY Detach() { return std::exchange(m_hKey, nullptr); }

    operator HKEY() const { return m_hKey; }

    // A REG_SZ value, stored with its terminating zero.
    LONG SetStringValue(LPCSTR lpszValueName, LPCSTR lpszValue)
    {
        return ::RegSetValueExA(m_hKey, lpszValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                (DWORD)std::strlen(lpszValue) + 1);
    }
    LONG SetDWORDValue(LPCSTR lpszValueName, DWORD dwValue)
    {
        return ::RegSetValueExA(m_hKey, lpszValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                sizeof(dwValue));
    }
    // A string value of at most nMaxBytes bytes, its terminating zero
    // included; a longer one gives ERROR_MORE_DATA, another type
    // ERROR_UNSUPPORTED_TYPE. strValue is empty unless it was read.
    LONG QueryStringValue(LPCSTR lpszValueName, CString& strValue, DWORD nMaxBytes = MAX_PATH)
    {
        strValue.Empty();
        std::vector<BYTE> buffer(nMaxBytes + 1, 0);
        DWORD dwType = REG_NONE;
        DWORD dwSize = nMaxBytes;
        LONG rc = ::RegQueryValueExA(m_hKey, lpszValueName, nullptr, &dwType, buffer.data(), &dwSize);
        if (rc != ERROR_SUCCESS)
            return rc;
        if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
            return ERROR_UNSUPPORTED_TYPE;
        // A value stored without its zero ends at its size.
        strValue = CString(reinterpret_cast<const char*>(buffer.data()),
                           (int)::strnlen(reinterpret_cast<const char*>(buffer.data()), dwSize));
        return ERROR_SUCCESS;
    }

    // Deletes a key with everything below it.
    static LONG DeleteTree(HKEY hKeyParent, LPCSTR lpszKeyName)
    {
        return ::RegDeleteTreeA(hKeyParent, lpszKeyName);
    }

private:
    HKEY m_hKey = nullptr;
};

#endif // TANZO_AFX_REGKEY_H
