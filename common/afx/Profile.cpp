#include "afx/Profile.h"

// The registry store of Windows builds is in win32/RegistryProfile.cpp.
#ifndef _WIN32

#include "afx/String.h"

#include <cstring>
#include <map>
#include <string>

namespace
{
struct StoredValue
{
    DWORD dwType = REG_NONE;
    std::vector<BYTE> data;
};

// A key path or value name folded to lower case, two-byte characters kept
// whole; trailing backslashes are dropped, as the registry ignores them.
std::string Fold(LPCTSTR psz)
{
    std::string s;
    if (psz == nullptr)
        return s;
    for (LPCTSTR p = psz; *p != '\0';)
    {
        LPCTSTR next = AfxCharNext(p);
        if (next - p == 1 && *p >= 'A' && *p <= 'Z')
            s += (char)(*p - 'A' + 'a');
        else
            s.append(p, next);
        p = next;
    }
    while (!s.empty() && s.back() == '\\')
        s.pop_back();
    return s;
}

std::map<std::string, std::map<std::string, StoredValue>>& Store()
{
    static std::map<std::string, std::map<std::string, StoredValue>> store;
    return store;
}

BOOL g_bReadOnly = FALSE;
} // namespace

BOOL AfxProfileRead(LPCTSTR lpszKey, LPCTSTR lpszValue, DWORD* pdwType, std::vector<BYTE>* pData)
{
    auto key = Store().find(Fold(lpszKey));
    if (key == Store().end())
        return FALSE;
    auto value = key->second.find(Fold(lpszValue));
    if (value == key->second.end())
        return FALSE;
    if (pdwType != nullptr)
        *pdwType = value->second.dwType;
    if (pData != nullptr)
        *pData = value->second.data;
    return TRUE;
}

BOOL AfxProfileWrite(LPCTSTR lpszKey, LPCTSTR lpszValue, DWORD dwType, const void* pData, UINT nBytes)
{
    std::string key = Fold(lpszKey);
    if (key.empty() || g_bReadOnly)
        return FALSE;
    // Parent keys exist as the registry's would, so that deleting one
    // takes its children along.
    for (LPCTSTR p = key.c_str(); *p != '\0'; p = AfxCharNext(p))
    {
        if (*p == '\\')
            Store()[std::string(key.c_str(), p)];
    }
    StoredValue& value = Store()[key][Fold(lpszValue)];
    value.dwType = dwType;
    const BYTE* p = static_cast<const BYTE*>(pData);
    value.data.assign(p, p + (p != nullptr ? nBytes : 0));
    return TRUE;
}

BOOL AfxProfileDelete(LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    std::string key = Fold(lpszKey);
    auto it = Store().find(key);
    if (it == Store().end() || g_bReadOnly)
        return FALSE;
    if (lpszValue != nullptr)
        return it->second.erase(Fold(lpszValue)) != 0;
    std::string prefix = key + "\\";
    for (auto sub = Store().begin(); sub != Store().end();)
    {
        if (sub->first == key || sub->first.compare(0, prefix.size(), prefix) == 0)
            sub = Store().erase(sub);
        else
            ++sub;
    }
    return TRUE;
}

void AfxProfileClear()
{
    Store().clear();
}

void AfxProfileSetReadOnly(BOOL bReadOnly)
{
    g_bReadOnly = bReadOnly;
}

#endif // !_WIN32
