#ifndef TANZO_TESTS_CLIENT_DATAFILETESTSUPPORT_H
#define TANZO_TESTS_CLIENT_DATAFILETESTSUPPORT_H

// The document's data files in a folder of the test's own: the folder, the
// bytes of a file, the names in a folder, and the document with that
// folder as its user-data folder.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "afx/ArchiveBytes.h"
#include "afx/File.h"
#include "afx/String.h"
#include "client/DataFileSystem.h"
#include "client/TanzoDocData.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <dirent.h>
#include <unistd.h>
#endif

// A new empty folder, removed with everything in it at the end.
class CTempFolder
{
public:
    CTempFolder()
    {
#ifdef _WIN32
        char szTemp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, szTemp);
        static int counter = 0;
        for (int i = 0; i < 1000 && m_path.IsEmpty(); ++i)
        {
            CString path;
            path.Format("%stanzo-test-%lu-%d", szTemp, ::GetCurrentProcessId(), ++counter);
            if (::CreateDirectoryA(path, nullptr))
                m_path = path;
        }
#else
        char szTemplate[] = "/tmp/tanzo-test-XXXXXX";
        if (::mkdtemp(szTemplate) != nullptr)
            m_path = szTemplate;
#endif
    }
    ~CTempFolder()
    {
        if (!m_path.IsEmpty())
            GetDiskFileSystem().RemoveFolderTree(m_path);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const CString& Path() const
    {
        return m_path;
    }
    // A path below the folder ("a\b" joins with "\").
    CString operator/(LPCTSTR name) const
    {
        return m_path + "\\" + name;
    }

private:
    CString m_path;
};

// The bytes of a file; "(missing)" when it cannot be read.
inline Bytes ReadFileBytes(LPCTSTR path)
{
    CFileException error;
    std::unique_ptr<CFile> file(GetDiskFileSystem().OpenForReading(path, &error));
    if (!file)
        return HexBytes("'(missing)'");
    return FileBytes(*file);
}

inline bool WriteFileBytes(LPCTSTR path, const Bytes& bytes)
{
    CDataFileSystem& disk = GetDiskFileSystem();
    if (!disk.EnsureFolderOfFile(path))
        return false;
    CFileException error;
    CString tempPath;
    std::unique_ptr<CFile> file(disk.CreateTemporary(path, tempPath, &error));
    if (!file)
        return false;
    if (!bytes.empty())
        file->Write(bytes.data(), (UINT)bytes.size());
    file->Close();
    disk.Replace(tempPath, path);
    return true;
}

// The names in a folder, sorted; empty when it is not there.
inline std::vector<std::string> FolderEntries(LPCTSTR folder)
{
    std::vector<std::string> names;
#ifdef _WIN32
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(CString(folder) + "\\*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
#else
    CString os(folder);
    os.Replace("\\", "/");
    DIR* dir = ::opendir(os);
    if (dir == nullptr)
        return names;
    while (struct dirent* entry = ::readdir(dir))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
#endif
    std::sort(names.begin(), names.end());
    return names;
}

// The document's data with the test's folder as its user-data folder.
class CTestDocData : public CTanzoDocData
{
public:
    explicit CTestDocData(const CString& root) : m_root(root) {}

    CString m_root;

protected:
    BOOL GetUserDataRoot(CString& out) override
    {
        out = m_root;
        return !out.IsEmpty();
    }
};

#endif // TANZO_TESTS_CLIENT_DATAFILETESTSUPPORT_H
