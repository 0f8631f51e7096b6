#ifndef TANZO_TESTS_INSTALL_INSTALLTESTUTIL_H
#define TANZO_TESTS_INSTALL_INSTALLTESTUTIL_H

// What the installation tests read back: files, registry values and
// shortcuts, through the system's own interfaces (Windows builds).
#ifdef _WIN32

#include "afx/ComRef.h"
#include "afx/RegKey.h"
#include "afx/ScopedWin.h"
#include "afx/String.h"
#include "afx/wintypes.h"

#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

// The bytes of a file; "(none)" when it cannot be read. Read in one go:
// the programs compared are tens of megabytes.
inline std::string ReadFileBytes(LPCTSTR lpszPath)
{
    std::ifstream in(lpszPath, std::ios::binary | std::ios::ate);
    const std::streamoff nSize = in ? (std::streamoff)in.tellg() : -1;
    if (nSize < 0)
        return "(none)";
    std::string bytes((size_t)nSize, '\0');
    in.seekg(0);
    if (nSize > 0 && !in.read(&bytes[0], nSize))
        return "(none)";
    return bytes;
}

// The file holds exactly these bytes. A failure names the sizes and the
// first byte that differs instead of printing megabytes of both.
inline ::testing::AssertionResult FileHasBytes(LPCTSTR lpszPath, const std::string& expected)
{
    const std::string actual = ReadFileBytes(lpszPath);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    if (actual == "(none)")
        return ::testing::AssertionFailure() << lpszPath << " cannot be read";
    size_t nAt = 0;
    while (nAt < actual.size() && nAt < expected.size() && actual[nAt] == expected[nAt])
        ++nAt;
    return ::testing::AssertionFailure() << lpszPath << " has " << actual.size() << " bytes, not "
                                         << expected.size() << "; they differ from byte " << nAt;
}

inline bool WriteFileBytes(LPCTSTR lpszPath, const std::string& bytes)
{
    std::ofstream out(lpszPath, std::ios::binary | std::ios::trunc);
    out << bytes;
    return (bool)out;
}

inline bool IsFolder(LPCTSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

inline bool IsFile(LPCTSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The names in a folder, "." and ".." left out, in the order found.
inline std::vector<std::string> ListFolder(LPCTSTR lpszFolder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA(CString(lpszFolder) + "\\*", &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return names;
}

// A value as stored: a string (its stored size must include the zero,
// else "(no zero)"), "dword:<n>", or "(none)".
inline std::string ReadRegistryValue(HKEY hRoot, LPCTSTR lpszKey, LPCTSTR lpszName)
{
    CRegKey key;
    if (key.Open(hRoot, lpszKey, KEY_READ) != ERROR_SUCCESS)
        return "(none)";
    DWORD dwType = 0, dwSize = 0;
    if (::RegQueryValueExA(key, lpszName, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS)
        return "(none)";
    std::vector<BYTE> data(dwSize + 1, 0);
    ::RegQueryValueExA(key, lpszName, nullptr, &dwType, data.data(), &dwSize);
    if (dwType == REG_DWORD)
        return "dword:" + std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
    std::string text(reinterpret_cast<const char*>(data.data()));
    if (dwType != REG_SZ)
        return "(type " + std::to_string(dwType) + ") " + text;
    return dwSize == text.size() + 1 ? text : "(no zero) " + text;
}

inline bool RegistryKeyExists(HKEY hRoot, LPCTSTR lpszKey)
{
    CRegKey key;
    return key.Open(hRoot, lpszKey, KEY_READ) == ERROR_SUCCESS;
}

inline void WriteRegistryString(HKEY hRoot, LPCTSTR lpszKey, LPCTSTR lpszName, LPCTSTR lpszValue)
{
    CRegKey key;
    if (key.Create(hRoot, lpszKey, KEY_ALL_ACCESS) == ERROR_SUCCESS)
        key.SetStringValue(lpszName, lpszValue);
}

struct ShortcutFields
{
    bool bRead = false;
    std::string target;
    std::string description;
    std::string arguments;
};

// A shortcut read back through the shell's link object.
inline ShortcutFields ReadShortcut(LPCTSTR lpszLinkPath)
{
    ShortcutFields fields;
    CScopedComInit com;
    CComRef<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(link.Out()))))
        return fields;
    CComRef<IPersistFile> file = link.Query<IPersistFile>(IID_IPersistFile);
    WCHAR szPath[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, lpszLinkPath, -1, szPath, MAX_PATH);
    if (!file || FAILED(file->Load(szPath, STGM_READ)))
        return fields;
    char szText[1024] = {};
    link->GetPath(szText, sizeof(szText), nullptr, SLGP_RAWPATH);
    fields.target = szText;
    szText[0] = '\0';
    link->GetDescription(szText, sizeof(szText));
    fields.description = szText;
    szText[0] = '\0';
    link->GetArguments(szText, sizeof(szText));
    fields.arguments = szText;
    fields.bRead = true;
    return fields;
}

#endif // _WIN32
#endif // TANZO_TESTS_INSTALL_INSTALLTESTUTIL_H
