#include "afx/File.h"

#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)

namespace
{
// The platform's last error, as CFileException keeps it.
LONG LastError()
{
#ifdef _WIN32
    return (LONG)::GetLastError();
#else
    return errno;
#endif
}

int CauseOf(LONG lError)
{
#ifdef _WIN32
    return CFileException::OsErrorToException(lError);
#else
    return CFileException::ErrnoToException((int)lError);
#endif
}

// Always throws: a failure whose error code is lost is still a failure.
[[noreturn]] void ThrowError(LONG lError, LPCTSTR lpszFileName)
{
    int nCause = CauseOf(lError);
    AfxThrowFileException(nCause == CFileException::none ? CFileException::generic : nCause, lError,
                          lpszFileName);
}

// A separator of a path; trail bytes of two-byte characters never are.
LPCTSTR AfterLastSeparator(LPCTSTR lpszPath)
{
    LPCTSTR pszName = lpszPath;
    for (LPCTSTR p = lpszPath; *p != '\0'; p = AfxCharNext(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            pszName = p + 1;
    return pszName;
}

CString FullPath(LPCTSTR lpszFileName)
{
#ifdef _WIN32
    DWORD nLen = ::GetFullPathNameA(lpszFileName, 0, nullptr, nullptr);
    if (nLen == 0)
        return CString(lpszFileName);
    CString strPath;
    LPTSTR pszBuf = strPath.GetBuffer((int)nLen);
    DWORD nGot = ::GetFullPathNameA(lpszFileName, nLen, pszBuf, nullptr);
    strPath.ReleaseBuffer(nGot < nLen ? (int)nGot : 0);
    return strPath.IsEmpty() ? CString(lpszFileName) : strPath;
#else
    if (lpszFileName[0] == '/')
        return CString(lpszFileName);
    char szDir[4096];
    if (::getcwd(szDir, sizeof(szDir)) == nullptr)
        return CString(lpszFileName);
    CString strPath(szDir);
    if (strPath.GetLength() == 0 || strPath[strPath.GetLength() - 1] != '/')
        strPath += '/';
    return strPath + lpszFileName;
#endif
}

void CopyFullName(CFileStatus& rStatus, const CString& strName)
{
    int nLen = strName.GetLength();
    if (nLen > MAX_PATH - 1)
        nLen = MAX_PATH - 1;
    std::memcpy(rStatus.m_szFullName, (LPCTSTR)strName, nLen);
    rStatus.m_szFullName[nLen] = '\0';
}

#ifdef _WIN32
HANDLE ToHandle(UINT_PTR hFile)
{
    return (HANDLE)hFile;
}

CTime FileTimeToTime(const FILETIME& ft)
{
    ULONGLONG n = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    const ULONGLONG nEpoch = 116444736000000000ULL; // 1970-01-01 in 100 ns steps from 1601
    if (n < nEpoch)
        return CTime(0);
    return CTime((LONGLONG)((n - nEpoch) / 10000000ULL));
}

BYTE AttributeOf(DWORD dwAttributes)
{
    return (BYTE)(dwAttributes &
                  (CFile::readOnly | CFile::hidden | CFile::system | CFile::directory | CFile::archive));
}
#else
int ToFd(UINT_PTR hFile)
{
    return (int)hFile;
}

BOOL FolderExists(LPCTSTR lpszFileName)
{
    LPCTSTR pszName = AfterLastSeparator(lpszFileName);
    if (pszName == lpszFileName)
        return TRUE;
    CString strFolder(lpszFileName, (int)(pszName - lpszFileName));
    struct stat st;
    return ::stat(strFolder, &st) == 0 && S_ISDIR(st.st_mode);
}

void FillStatus(const struct stat& st, CFileStatus& rStatus)
{
    rStatus.m_ctime = CTime((LONGLONG)st.st_ctime);
    rStatus.m_mtime = CTime((LONGLONG)st.st_mtime);
    rStatus.m_atime = CTime((LONGLONG)st.st_atime);
    rStatus.m_size = (LONG)st.st_size;
    rStatus.m_attribute = CFile::normal;
    if (S_ISDIR(st.st_mode))
        rStatus.m_attribute |= CFile::directory;
    if ((st.st_mode & S_IWUSR) == 0)
        rStatus.m_attribute |= CFile::readOnly;
    rStatus.m_padding = 0;
}
#endif
} // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    // A destructor must not throw: errors of a last close are lost, as
    // they would be if the caller never closed the file.
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    assert(m_hFile == hFileNull);
    m_bCloseOnDelete = FALSE;
    LONG lError = 0;
#ifdef _WIN32
    DWORD dwAccess = GENERIC_READ;
    switch (nOpenFlags & 3)
    {
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    case modeReadWrite:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    DWORD dwShare = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite:
        dwShare = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShare = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) == 0};
    DWORD dwCreate = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreate = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE h = ::CreateFileA(lpszFileName, dwAccess, dwShare, &sa, dwCreate, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        lError = LastError();
    else
        m_hFile = (UINT_PTR)h;
#else
    int nFlags = O_RDONLY;
    switch (nOpenFlags & 3)
    {
    case modeWrite:
        nFlags = O_WRONLY;
        break;
    case modeReadWrite:
        nFlags = O_RDWR;
        break;
    }
    nFlags |= O_CLOEXEC;
    if (nOpenFlags & modeCreate)
        nFlags |= (nOpenFlags & modeNoTruncate) ? O_CREAT : O_CREAT | O_TRUNC;
    int fd = ::open(lpszFileName, nFlags, 0666);
    struct stat st;
    if (fd < 0)
        lError = LastError();
    else if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
    {
        // Windows does not open folders as files either.
        ::close(fd);
        lError = EISDIR;
    }
    else
        m_hFile = (UINT_PTR)fd;
#endif
    if (m_hFile == hFileNull)
    {
        if (pError != nullptr)
        {
            pError->m_cause = CauseOf(lError);
#ifndef _WIN32
            // Windows tells a missing folder from a missing file.
            if (lError == ENOENT && !FolderExists(lpszFileName))
                pError->m_cause = CFileException::badPath;
#endif
            pError->m_lOsError = lError;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_strFileName = FullPath(lpszFileName);
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    assert(m_hFile != hFileNull);
    if (nCount == 0)
        return 0;
#ifdef _WIN32
    DWORD dwRead = 0;
    if (!::ReadFile(ToHandle(m_hFile), lpBuf, nCount, &dwRead, nullptr))
        ThrowError(LastError(), m_strFileName);
    return (UINT)dwRead;
#else
    UINT nDone = 0;
    while (nDone < nCount)
    {
        ssize_t n = ::read(ToFd(m_hFile), (char*)lpBuf + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowError(LastError(), m_strFileName);
        if (n == 0)
            break;
        nDone += (UINT)n;
    }
    return nDone;
#endif
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    assert(m_hFile != hFileNull);
    if (nCount == 0)
        return;
#ifdef _WIN32
    DWORD dwWritten = 0;
    if (!::WriteFile(ToHandle(m_hFile), lpBuf, nCount, &dwWritten, nullptr))
        ThrowError(LastError(), m_strFileName);
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
#else
    UINT nDone = 0;
    while (nDone < nCount)
    {
        ssize_t n = ::write(ToFd(m_hFile), (const char*)lpBuf + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowError(LastError(), m_strFileName);
        if (n == 0)
            AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
        nDone += (UINT)n;
    }
#endif
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    assert(m_hFile != hFileNull);
    assert(nFrom == begin || nFrom == current || nFrom == end);
#ifdef _WIN32
    DWORD dwNew = ::SetFilePointer(ToHandle(m_hFile), lOff, nullptr, nFrom);
    if (dwNew == INVALID_SET_FILE_POINTER)
    {
        LONG lError = LastError();
        if (lError != NO_ERROR)
            ThrowError(lError, m_strFileName);
    }
    return (LONG)dwNew;
#else
    // Windows refuses a position before the start: so do we, with its cause.
    LONGLONG nBase = 0;
    if (nFrom == current)
        nBase = (LONGLONG)GetPosition();
    else if (nFrom == end)
        nBase = (LONGLONG)GetLength();
    LONGLONG nNew = nBase + lOff;
    if (nNew < 0)
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    if (::lseek(ToFd(m_hFile), (off_t)nNew, SEEK_SET) < 0)
        ThrowError(LastError(), m_strFileName);
    return (LONG)nNew;
#endif
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

DWORD CFile::SeekToEnd()
{
    return (DWORD)Seek(0, end);
}

DWORD CFile::GetPosition() const
{
    assert(m_hFile != hFileNull);
#ifdef _WIN32
    DWORD dwPos = ::SetFilePointer(ToHandle(m_hFile), 0, nullptr, FILE_CURRENT);
    if (dwPos == INVALID_SET_FILE_POINTER)
    {
        LONG lError = LastError();
        if (lError != NO_ERROR)
            ThrowError(lError, m_strFileName);
    }
    return dwPos;
#else
    off_t nPos = ::lseek(ToFd(m_hFile), 0, SEEK_CUR);
    if (nPos < 0)
        ThrowError(LastError(), m_strFileName);
    return (DWORD)nPos;
#endif
}

DWORD CFile::GetLength() const
{
    assert(m_hFile != hFileNull);
#ifdef _WIN32
    DWORD dwLen = ::GetFileSize(ToHandle(m_hFile), nullptr);
    if (dwLen == INVALID_FILE_SIZE)
    {
        LONG lError = LastError();
        if (lError != NO_ERROR)
            ThrowError(lError, m_strFileName);
    }
    return dwLen;
#else
    struct stat st;
    if (::fstat(ToFd(m_hFile), &st) != 0)
        ThrowError(LastError(), m_strFileName);
    return (DWORD)st.st_size;
#endif
}

void CFile::SetLength(DWORD dwNewLen)
{
    assert(m_hFile != hFileNull);
    Seek((LONG)dwNewLen, begin);
#ifdef _WIN32
    if (!::SetEndOfFile(ToHandle(m_hFile)))
        ThrowError(LastError(), m_strFileName);
#else
    if (::ftruncate(ToFd(m_hFile), (off_t)dwNewLen) != 0)
        ThrowError(LastError(), m_strFileName);
#endif
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
#ifdef _WIN32
    if (!::FlushFileBuffers(ToHandle(m_hFile)))
        ThrowError(LastError(), m_strFileName);
#else
    // Pipes and the like cannot be synchronised and need not be.
    if (::fsync(ToFd(m_hFile)) != 0 && errno != EINVAL && errno != EROFS)
        ThrowError(LastError(), m_strFileName);
#endif
}

void CFile::Close()
{
    LONG lError = 0;
    if (m_hFile != hFileNull)
    {
#ifdef _WIN32
        if (!::CloseHandle(ToHandle(m_hFile)))
            lError = LastError();
#else
        if (::close(ToFd(m_hFile)) != 0 && errno != EINTR)
            lError = LastError();
#endif
    }
    CString strFileName = m_strFileName;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (lError != 0)
        ThrowError(lError, strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
    {
#ifdef _WIN32
        ::CloseHandle(ToHandle(m_hFile));
#else
        ::close(ToFd(m_hFile));
#endif
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    return CString(AfterLastSeparator(m_strFileName));
}

void CFile::SetFilePath(LPCTSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    CopyFullName(rStatus, m_strFileName);
    if (m_hFile == hFileNull)
        return FALSE;
#ifdef _WIN32
    FILETIME ftCreate, ftAccess, ftWrite;
    if (!::GetFileTime(ToHandle(m_hFile), &ftCreate, &ftAccess, &ftWrite))
        return FALSE;
    rStatus.m_ctime = FileTimeToTime(ftCreate);
    rStatus.m_atime = FileTimeToTime(ftAccess);
    rStatus.m_mtime = FileTimeToTime(ftWrite);
    rStatus.m_size = (LONG)GetLength();
    DWORD dwAttributes =
        m_strFileName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strFileName);
    rStatus.m_attribute = dwAttributes == INVALID_FILE_ATTRIBUTES ? 0 : AttributeOf(dwAttributes);
#else
    struct stat st;
    if (::fstat(ToFd(m_hFile), &st) != 0)
        return FALSE;
    FillStatus(st, rStatus);
#endif
    return TRUE;
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus();
    CopyFullName(rStatus, FullPath(lpszFileName));
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    rStatus.m_ctime = FileTimeToTime(data.ftCreationTime);
    rStatus.m_atime = FileTimeToTime(data.ftLastAccessTime);
    rStatus.m_mtime = FileTimeToTime(data.ftLastWriteTime);
    rStatus.m_size = (LONG)data.nFileSizeLow;
    rStatus.m_attribute = AttributeOf(data.dwFileAttributes);
#else
    struct stat st;
    if (::stat(lpszFileName, &st) != 0)
        return FALSE;
    FillStatus(st, rStatus);
#endif
    return TRUE;
}

void CFile::Remove(LPCTSTR lpszFileName)
{
#ifdef _WIN32
    if (!::DeleteFileA(lpszFileName))
        ThrowError(LastError(), lpszFileName);
#else
    if (::unlink(lpszFileName) != 0)
        ThrowError(LastError(), lpszFileName);
#endif
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
#ifdef _WIN32
    if (!::MoveFileA(lpszOldName, lpszNewName))
        ThrowError(LastError(), lpszOldName);
#else
    // rename() would replace the target; MoveFile does not.
    struct stat st;
    if (::lstat(lpszNewName, &st) == 0)
        ThrowError(EEXIST, lpszOldName);
    if (::rename(lpszOldName, lpszNewName) != 0)
        ThrowError(LastError(), lpszOldName);
#endif
}

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    Free();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    assert(m_lpBuffer == nullptr);
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return lpBuffer;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    UINT nRead = m_nFileSize - m_nPosition < nCount ? m_nFileSize - m_nPosition : nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    ULONGLONG nEnd = (ULONGLONG)m_nPosition + nCount;
    if (nEnd > 0xFFFFFFFFULL)
        AfxThrowMemoryException();
    if (nEnd > m_nBufferSize)
        GrowFile((DWORD)nEnd);
    // A gap left by a seek past the end reads as zeros.
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = (DWORD)nEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    assert(nFrom == begin || nFrom == current || nFrom == end);
    LONGLONG nNew = lOff;
    if (nFrom == current)
        nNew += m_nPosition;
    else if (nFrom == end)
        nNew += m_nFileSize;
    if (nNew < 0 || nNew > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (DWORD)nNew;
    return (LONG)nNew;
}

DWORD CMemFile::GetPosition() const
{
    return m_nPosition;
}

DWORD CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(DWORD dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(dwNewLen);
    if (dwNewLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = dwNewLen;
    m_nFileSize = dwNewLen;
}

void CMemFile::Flush() {}

void CMemFile::Close()
{
    Free();
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_lpBuffer = nullptr;
    m_bAutoDelete = TRUE;
}

void CMemFile::Abort()
{
    Close();
}

void CMemFile::GrowFile(DWORD dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    // Whole steps of nGrowBytes, and at least half again the old size, so
    // that a file written in small pieces is not copied once per piece.
    ULONGLONG nNewSize = ((ULONGLONG)dwNewLen + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    ULONGLONG nAtLeast = (ULONGLONG)m_nBufferSize + m_nBufferSize / 2;
    if (nNewSize < nAtLeast)
        nNewSize = nAtLeast;
    if (nNewSize > 0xFFFFFFFFULL)
        nNewSize = 0xFFFFFFFFULL;
    BYTE* lpNew;
    if (m_bAutoDelete)
        lpNew = (BYTE*)std::realloc(m_lpBuffer, (size_t)nNewSize);
    else
    {
        lpNew = (BYTE*)std::malloc((size_t)nNewSize);
        if (lpNew != nullptr && m_nFileSize != 0)
            std::memcpy(lpNew, m_lpBuffer, m_nFileSize);
    }
    if (lpNew == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = (DWORD)nNewSize;
    m_bAutoDelete = TRUE;
}

void CMemFile::Free()
{
    if (m_lpBuffer != nullptr && m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
}
