#include "client/DataFileSystem.h"

#include "afx/Exception.h"
#include "afx/File.h"

#ifdef _WIN32
#include "text/PathUtil.h"
#else
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
DataFileFaultProc g_faultProc = nullptr;
void* g_faultParam = nullptr;

void CheckStep(DataFileStep step, DWORD bytesSoFar, LPCTSTR path)
{
    if (g_faultProc != nullptr && !g_faultProc(step, path, bytesSoFar, g_faultParam))
        AfxThrowFileException(CFileException::diskFull, -1, path);
}

// The temporary file, which asks the fault hook before each step.
class CTemporaryDataFile : public CFile
{
public:
    void Write(const void* lpBuf, UINT nCount) override
    {
        CheckStep(dataFileWrite, m_written, m_strFileName);
        CFile::Write(lpBuf, nCount);
        m_written += nCount;
    }
    void Flush() override
    {
        CheckStep(dataFileFlush, m_written, m_strFileName);
        CFile::Flush();
    }
    void Close() override
    {
        if (m_hFile != hFileNull)
            CheckStep(dataFileClose, m_written, m_strFileName);
        CFile::Close();
    }

private:
    DWORD m_written = 0;
};

#ifdef _WIN32
CString OsPath(LPCTSTR path)
{
    return path;
}
#else
// "\" separators become "/"; trail bytes of two-byte characters stay.
CString OsPath(LPCTSTR path)
{
    CString out(path);
    LPTSTR buffer = out.GetBuffer(out.GetLength());
    for (LPTSTR p = buffer; *p != '\0'; p = const_cast<LPTSTR>(AfxCharNext(p)))
        if (*p == '\\')
            *p = '/';
    out.ReleaseBuffer();
    return out;
}

BOOL IsFolder(const CString& path)
{
    struct stat st;
    return ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

BOOL MakeFolders(const CString& folder)
{
    if (folder.IsEmpty() || IsFolder(folder))
        return TRUE;
    const int slash = folder.ReverseFind('/');
    if (slash > 0 && !MakeFolders(folder.Left(slash)))
        return FALSE;
    return ::mkdir(folder, 0777) == 0 || errno == EEXIST;
}

BOOL RemoveTreeAt(const CString& path)
{
    struct stat st;
    if (::lstat(path, &st) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(path) == 0;
    DIR* dir = ::opendir(path);
    if (dir == nullptr)
        return FALSE;
    BOOL bOk = TRUE;
    while (struct dirent* entry = ::readdir(dir))
    {
        const CString name(entry->d_name);
        if (name != "." && name != "..")
            bOk = bOk && RemoveTreeAt(path + "/" + name);
    }
    ::closedir(dir);
    return bOk && ::rmdir(path) == 0;
}
#endif

class CDiskFileSystem : public CDataFileSystem
{
public:
    FileQuery QueryFile(LPCTSTR path, CFileException* pError) override
    {
#ifdef _WIN32
        if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
            return fileFound;
        const LONG error = (LONG)::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return fileMissing;
        const int cause = CFileException::OsErrorToException(error);
#else
        struct stat st;
        if (::stat(OsPath(path), &st) == 0)
            return fileFound;
        const LONG error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return fileMissing;
        const int cause = CFileException::ErrnoToException((int)error);
#endif
        if (pError != nullptr)
        {
            pError->m_cause = cause == CFileException::none ? CFileException::generic : cause;
            pError->m_lOsError = error;
            pError->m_strFileName = path;
        }
        return fileUnknown;
    }

    BOOL EnsureFolderOfFile(LPCTSTR path) override
    {
#ifdef _WIN32
        return ::EnsureFolderOfFile(path);
#else
        const CString os = OsPath(path);
        const int slash = os.ReverseFind('/');
        return slash <= 0 || MakeFolders(os.Left(slash));
#endif
    }

    BOOL RemoveFolderTree(LPCTSTR path) override
    {
#ifdef _WIN32
        return ::RemoveTree(path);
#else
        return RemoveTreeAt(OsPath(path));
#endif
    }

    CFile* OpenForReading(LPCTSTR path, CFileException* pError) override
    {
        CFile* pFile = new CFile;
        if (pFile->Open(OsPath(path), CFile::modeRead | CFile::shareExclusive, pError))
            return pFile;
        delete pFile;
        return nullptr;
    }

    CFile* CreateTemporary(LPCTSTR path, CString& tempPath, CFileException* pError) override
    {
        tempPath = CString(path) + ".tmp";
        CTemporaryDataFile* pFile = new CTemporaryDataFile;
        BOOL bOpened = FALSE;
        TRY
        {
            CheckStep(dataFileCreate, 0, tempPath);
            bOpened = pFile->Open(OsPath(tempPath),
                                  CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, pError);
        }
        CATCH(CFileException, e)
        {
            if (pError != nullptr)
            {
                pError->m_cause = e->m_cause;
                pError->m_lOsError = e->m_lOsError;
                pError->m_strFileName = e->m_strFileName;
            }
        }
        END_CATCH
        if (bOpened)
            return pFile;
        delete pFile;
        return nullptr;
    }

    void Replace(LPCTSTR tempPath, LPCTSTR path) override
    {
        CheckStep(dataFileReplace, 0, path);
#ifdef _WIN32
        if (!::MoveFileExA(tempPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError((LONG)::GetLastError(), path);
#else
        if (::rename(OsPath(tempPath), OsPath(path)) != 0)
            CFileException::ThrowErrno(errno, path);
#endif
    }

    void RemoveFile(LPCTSTR path) override
    {
#ifdef _WIN32
        ::DeleteFileA(path);
#else
        ::unlink(OsPath(path));
#endif
    }
};
} // namespace

CDataFileSystem::~CDataFileSystem() {}

CDataFileSystem& GetDiskFileSystem()
{
    static CDiskFileSystem disk;
    return disk;
}

void SetDataFileFaultHook(DataFileFaultProc proc, void* param)
{
    g_faultProc = proc;
    g_faultParam = param;
}
