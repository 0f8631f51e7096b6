#include "text/PathUtil.h"

#include "afx/Collections.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/WinApp.h"

#include <shlobj.h>

#include <cstring>

namespace
{
BOOL IsExistingFolder(const CString& path)
{
    DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL RemoveTreeAt(const CString& path)
{
    DWORD attributes = ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return TRUE;
    // A junction or a folder link: remove the link, keep whatever it points to.
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ::RemoveDirectoryA(path) : ::DeleteFileA(path);

    CString pattern;
    JoinPath(pattern, path, "*.*");
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA(pattern, &found);
    if (find != INVALID_HANDLE_VALUE)
    {
        BOOL ok = TRUE;
        do
        {
            CString name(found.cFileName);
            if (name == "." || name == "..")
                continue;
            CString child;
            JoinPath(child, path, name);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
                (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                ok = RemoveTreeAt(child);
            else
                ok = RemoveFileIfExists(child);
        } while (ok && ::FindNextFileA(find, &found));
        ::FindClose(find);
        if (!ok)
            return FALSE;
    }
    return ::RemoveDirectoryA(path);
}

BOOL ConvertPath(CString& path, DWORD(WINAPI* convert)(LPCSTR, LPSTR, DWORD))
{
    char buffer[MAX_PATH] = {};
    DWORD len = convert(path, buffer, MAX_PATH);
    if (len == 0 || len >= MAX_PATH)
    {
        path.Empty();
        return FALSE;
    }
    path = CString(buffer, (int)len);
    return TRUE;
}

// Entries that a wildcard pattern matches, "." and ".." left out; counts
// no further than limit.
int CountMatches(LPCTSTR pattern, int limit)
{
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA(pattern, &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
    {
        if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
            ++count;
    } while (count < limit && ::FindNextFileA(find, &found));
    ::FindClose(find);
    return count;
}

CString RunningAppName()
{
    LPCTSTR name = AfxGetAppName();
    return name != nullptr ? CString(name) : CString();
}
} // namespace

BOOL FileExists(LPCTSTR path)
{
    if (path == nullptr || *path == '\0')
        return FALSE;
    // A pattern names one file only when exactly one entry matches it.
    if (CString(path).FindOneOf("*?") >= 0)
        return CountMatches(path, 2) == 1;
    CFileStatus status;
    if (CFile::GetStatus(path, status))
        return TRUE;
    if (!IsUncPath(path))
        return FALSE;
    // A bare server or share path cannot be queried but does exist.
    CStringList parts;
    SplitPath(path, parts);
    return parts.GetCount() == 1;
}

BOOL RemoveFileIfExists(LPCTSTR path)
{
    if (!FileExists(path))
        return TRUE;
    try
    {
        CFile::Remove(path);
    }
    catch (CFileException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL RemoveTree(LPCTSTR path)
{
    return RemoveTreeAt(CString(path));
}

BOOL CreateFolderTree(LPCTSTR path)
{
    CStringList parts;
    SplitPath(path, parts);
    CString partial;
    int index = 0;
    for (POSITION pos = parts.GetHeadPosition(); pos != nullptr; ++index)
    {
        const CString& part = parts.GetNext(pos);
        if (index == 0)
        {
            partial = part;
            continue;
        }
        partial += '\\';
        partial += part;
        if (!IsExistingFolder(partial) && !::CreateDirectoryA(partial, nullptr))
            return FALSE;
    }
    return TRUE;
}

BOOL EnsureFolderOfFile(LPCTSTR path)
{
    if (FileExists(path))
        return TRUE;
    CString folder;
    GetDirectoryOfPath(path, folder);
    if (folder.IsEmpty() || IsExistingFolder(folder))
        return TRUE;
    return CreateFolderTree(folder);
}

BOOL GetSpecialFolder(int csidl, CString& out)
{
    char buffer[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(::GetDesktopWindow(), buffer, csidl, TRUE))
        buffer[0] = '\0';
    if (buffer[0] == '\0')
    {
        LPITEMIDLIST items = nullptr;
        if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, csidl, &items)) && items != nullptr)
        {
            if (!::SHGetPathFromIDListA(items, buffer))
                buffer[0] = '\0';
            ::CoTaskMemFree(items);
        }
    }
    if (buffer[0] == '\0')
        return FALSE;
    out = buffer;
    return TRUE;
}

BOOL GetAppDataFolder(CString& out, LPCTSTR appName)
{
    CString folder;
    if (!GetSpecialFolder(CSIDL_APPDATA, folder))
        return FALSE;
    CString name = appName != nullptr ? CString(appName) : RunningAppName();
    JoinPath(folder, folder, "Velmar Soft");
    JoinPath(folder, folder, name);
    out = folder;
    return TRUE;
}

BOOL GetTempFolder(CString& out, BOOL perApp)
{
    char buffer[MAX_PATH + 1] = {};
    DWORD len = ::GetTempPathA(MAX_PATH, buffer);
    if (len == 0 || len > MAX_PATH)
        return FALSE;
    CString folder(buffer, (int)len);
    if (perApp)
    {
        CString name = RunningAppName();
        if (name.IsEmpty())
            return FALSE;
        JoinPath(folder, folder, name);
        if (!IsExistingFolder(folder) && !::CreateDirectoryA(folder, nullptr))
            return FALSE;
    }
    out = folder;
    return TRUE;
}

BOOL ToShortPath(CString& path)
{
    return ConvertPath(path, ::GetShortPathNameA);
}

BOOL ToLongPath(CString& path)
{
    return ConvertPath(path, ::GetLongPathNameA);
}

BOOL IsSamePath(LPCTSTR a, LPCTSTR b)
{
    CString shortA(a), shortB(b);
    return ToShortPath(shortA) && ToShortPath(shortB) && shortA.CompareNoCase(shortB) == 0;
}
