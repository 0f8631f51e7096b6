#ifndef TANZO_TESTS_UNINSTALL_SNAPSHOT_H
#define TANZO_TESTS_UNINSTALL_SNAPSHOT_H

// What a machine holds, to compare before and after: every file under a
// drive with its size and time of last write, every folder (a folder's own
// time only follows its list of names, which the entries show already),
// and every key and value under registry roots (Windows builds).
#ifdef _WIN32

#include "afx/String.h"
#include "afx/wintypes.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

typedef std::map<std::string, std::string> Snapshot;

inline void AddFiles(Snapshot& snapshot, const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    std::vector<std::string> folders;
    do
    {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "\\" + name;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        {
            snapshot["file:" + path] = "folder";
            // A link is an entry, never followed.
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
                folders.push_back(path);
            continue;
        }
        char szValue[96];
        std::snprintf(szValue, sizeof(szValue), "size %llu time %08lx%08lx",
                      ((unsigned long long)found.nFileSizeHigh << 32) | found.nFileSizeLow,
                      (unsigned long)found.ftLastWriteTime.dwHighDateTime,
                      (unsigned long)found.ftLastWriteTime.dwLowDateTime);
        snapshot["file:" + path] = szValue;
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    for (const std::string& path : folders)
        AddFiles(snapshot, path);
}

inline void AddRegistry(Snapshot& snapshot, HKEY hRoot, const std::string& rootName, const std::string& path)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return;
    const std::string name = rootName + (path.empty() ? "" : "\\" + path);
    snapshot["reg:" + name] = "key";
    for (DWORD i = 0;; ++i)
    {
        char szValue[1024];
        DWORD cchValue = sizeof(szValue), dwType = 0, cbData = 0;
        if (::RegEnumValueA(hKey, i, szValue, &cchValue, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> data(cbData + 1, 0);
        cchValue = sizeof(szValue);
        ::RegEnumValueA(hKey, i, szValue, &cchValue, nullptr, &dwType, data.data(), &cbData);
        std::string text = "type " + std::to_string(dwType) + ":";
        for (DWORD b = 0; b < cbData; ++b)
        {
            char szByte[4];
            std::snprintf(szByte, sizeof(szByte), "%02x", data[b]);
            text += szByte;
        }
        snapshot["reg:" + name + "|" + szValue] = text;
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i)
    {
        char szSubkey[1024];
        DWORD cchSubkey = sizeof(szSubkey);
        if (::RegEnumKeyExA(hKey, i, szSubkey, &cchSubkey, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        subkeys.push_back(path.empty() ? szSubkey : path + "\\" + szSubkey);
    }
    ::RegCloseKey(hKey);
    for (const std::string& subkey : subkeys)
        AddRegistry(snapshot, hRoot, rootName, subkey);
}

// Drive C:, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE\Software.
inline Snapshot TakeSnapshot()
{
    Snapshot snapshot;
    AddFiles(snapshot, "C:");
    AddRegistry(snapshot, HKEY_CURRENT_USER, "HKCU", "");
    AddRegistry(snapshot, HKEY_LOCAL_MACHINE, "HKLM", "Software");
    return snapshot;
}

// "+ entry" for what came, "- entry" for what went, "~ entry" for what
// changed, in order; entries that ignore() names are left out.
inline std::vector<std::string> SnapshotDifferences(const Snapshot& before, const Snapshot& after,
                                                    const std::function<bool(const std::string&)>& ignore)
{
    std::vector<std::string> differences;
    for (const auto& entry : after)
    {
        if (ignore(entry.first))
            continue;
        auto it = before.find(entry.first);
        if (it == before.end())
            differences.push_back("+ " + entry.first);
        else if (it->second != entry.second)
            differences.push_back("~ " + entry.first);
    }
    for (const auto& entry : before)
    {
        if (!ignore(entry.first) && after.count(entry.first) == 0)
            differences.push_back("- " + entry.first);
    }
    return differences;
}

#endif // _WIN32
#endif // TANZO_TESTS_UNINSTALL_SNAPSHOT_H
