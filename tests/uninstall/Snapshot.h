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

// A registry tree read by a few threads at once: each call is a round
// trip to the registry's server, which a thread would otherwise wait for
// one at a time. Each thread takes a key from the list of keys to read,
// adds its values, and lists its subkeys for any thread to take.
class CRegistryWalk
{
public:
    CRegistryWalk()
    {
        ::InitializeCriticalSection(&m_lock);
        ::InitializeConditionVariable(&m_changed);
    }
    ~CRegistryWalk() { ::DeleteCriticalSection(&m_lock); }
    CRegistryWalk(const CRegistryWalk&) = delete;
    CRegistryWalk& operator=(const CRegistryWalk&) = delete;

    // Every key and value under hRoot\path, named rootName\...
    void Add(HKEY hRoot, const std::string& rootName, const std::string& path)
    {
        m_pending.push_back({hRoot, rootName, path});
    }

    void Run(Snapshot& snapshot)
    {
        HANDLE threads[kThreads] = {};
        int nStarted = 0;
        for (HANDLE& hThread : threads)
        {
            hThread = ::CreateThread(nullptr, 0, Work, this, 0, nullptr);
            if (hThread != nullptr)
                ++nStarted;
        }
        // Without threads, this one reads it all.
        if (nStarted == 0)
            Work(this);
        for (HANDLE hThread : threads)
        {
            if (hThread != nullptr)
            {
                ::WaitForSingleObject(hThread, INFINITE);
                ::CloseHandle(hThread);
            }
        }
        for (Snapshot& part : m_parts)
            snapshot.insert(part.begin(), part.end());
    }

private:
    static constexpr int kThreads = 4;

    struct Key
    {
        HKEY hRoot;
        std::string rootName;
        std::string path;
    };

    static DWORD WINAPI Work(LPVOID pParam)
    {
        auto* pWalk = (CRegistryWalk*)pParam;
        Snapshot part;
        Key key;
        while (pWalk->Next(key))
        {
            std::vector<std::string> subkeys;
            AddKey(part, key, subkeys);
            pWalk->Done(key, subkeys);
        }
        ::EnterCriticalSection(&pWalk->m_lock);
        pWalk->m_parts.push_back(std::move(part));
        ::LeaveCriticalSection(&pWalk->m_lock);
        return 0;
    }

    // The next key to read; FALSE once none is left nor can come.
    BOOL Next(Key& key)
    {
        ::EnterCriticalSection(&m_lock);
        // While another thread reads a key, its subkeys may come.
        while (m_pending.empty() && m_nReading > 0)
            ::SleepConditionVariableCS(&m_changed, &m_lock, INFINITE);
        const BOOL bTaken = !m_pending.empty();
        if (bTaken)
        {
            key = std::move(m_pending.back());
            m_pending.pop_back();
            ++m_nReading;
        }
        ::LeaveCriticalSection(&m_lock);
        return bTaken;
    }
    void Done(const Key& key, const std::vector<std::string>& subkeys)
    {
        ::EnterCriticalSection(&m_lock);
        for (const std::string& subkey : subkeys)
            m_pending.push_back(
                {key.hRoot, key.rootName, key.path.empty() ? subkey : key.path + "\\" + subkey});
        --m_nReading;
        ::LeaveCriticalSection(&m_lock);
        ::WakeAllConditionVariable(&m_changed);
    }

    static void AddKey(Snapshot& snapshot, const Key& key, std::vector<std::string>& subkeys)
    {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExA(key.hRoot, key.path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return;
        const std::string name = key.rootName + (key.path.empty() ? "" : "\\" + key.path);
        snapshot["reg:" + name] = "key";
        // The longest name and data, so that each value takes one call.
        DWORD cSubkeys = 0, cchMaxSubkey = 0, cValues = 0, cchMaxValue = 0, cbMaxData = 0;
        ::RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &cSubkeys, &cchMaxSubkey, nullptr, &cValues,
                           &cchMaxValue, &cbMaxData, nullptr, nullptr);
        std::vector<char> valueName(cchMaxValue + 1);
        std::vector<BYTE> data(cbMaxData + 1);
        for (DWORD i = 0;; ++i)
        {
            DWORD cchValue = (DWORD)valueName.size(), dwType = 0, cbData = (DWORD)data.size();
            LONG nResult =
                ::RegEnumValueA(hKey, i, valueName.data(), &cchValue, nullptr, &dwType, data.data(), &cbData);
            if (nResult == ERROR_MORE_DATA)
            {
                // Written to since the sizes were asked.
                valueName.resize(valueName.size() * 2 + 1024);
                cbData = 0;
                cchValue = (DWORD)valueName.size();
                ::RegEnumValueA(hKey, i, valueName.data(), &cchValue, nullptr, &dwType, nullptr, &cbData);
                data.resize(cbData + 1);
                cchValue = (DWORD)valueName.size();
                cbData = (DWORD)data.size();
                nResult = ::RegEnumValueA(hKey, i, valueName.data(), &cchValue, nullptr, &dwType, data.data(),
                                          &cbData);
            }
            if (nResult != ERROR_SUCCESS)
                break;
            std::string text = "type " + std::to_string(dwType) + ":";
            for (DWORD b = 0; b < cbData; ++b)
            {
                char szByte[4];
                std::snprintf(szByte, sizeof(szByte), "%02x", data[b]);
                text += szByte;
            }
            snapshot["reg:" + name + "|" + std::string(valueName.data(), cchValue)] = text;
        }
        std::vector<char> subkeyName(cchMaxSubkey + 1);
        for (DWORD i = 0;; ++i)
        {
            DWORD cchSubkey = (DWORD)subkeyName.size();
            LONG nResult =
                ::RegEnumKeyExA(hKey, i, subkeyName.data(), &cchSubkey, nullptr, nullptr, nullptr, nullptr);
            if (nResult == ERROR_MORE_DATA)
            {
                subkeyName.resize(1024);
                cchSubkey = (DWORD)subkeyName.size();
                nResult = ::RegEnumKeyExA(hKey, i, subkeyName.data(), &cchSubkey, nullptr, nullptr, nullptr,
                                          nullptr);
            }
            if (nResult != ERROR_SUCCESS)
                break;
            subkeys.push_back(std::string(subkeyName.data(), cchSubkey));
        }
        ::RegCloseKey(hKey);
    }

    CRITICAL_SECTION m_lock;
    CONDITION_VARIABLE m_changed;
    std::vector<Key> m_pending;
    int m_nReading = 0;
    std::vector<Snapshot> m_parts;
};

// Drive C:, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE\Software.
inline Snapshot TakeSnapshot()
{
    Snapshot snapshot;
    AddFiles(snapshot, "C:");
    CRegistryWalk registry;
    registry.Add(HKEY_CURRENT_USER, "HKCU", "");
    registry.Add(HKEY_LOCAL_MACHINE, "HKLM", "Software");
    registry.Run(snapshot);
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
