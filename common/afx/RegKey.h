#ifndef TANZO_AFX_REGKEY_H
#define TANZO_AFX_REGKEY_H

// An open registry key that closes itself (Windows builds only).

#include "afx/wintypes.h"

#include <utility>

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

    // Deletes a key with everything below it.
    static LONG DeleteTree(HKEY hKeyParent, LPCSTR lpszKeyName)
    {
        return ::RegDeleteTreeA(hKeyParent, lpszKeyName);
    }

private:
    HKEY m_hKey = nullptr;
};

#endif // TANZO_AFX_REGKEY_H
