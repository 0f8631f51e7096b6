#include "afx/Exception.h"

#include <cerrno>
#include <cstring>

#include "afx/MessageBox.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace
{
// The file named in a message: quoted, or a plain word when unknown.
CString MessageWithName(LPCTSTR lpszFormat, const CString& strFileName)
{
    CString strName = strFileName.IsEmpty() ? CString("ファイル") : "「" + strFileName + "」";
    CString strMessage(lpszFormat);
    strMessage.Replace("%1", strName);
    return strMessage;
}

const char* const s_fileMessages[] = {
    "%1でエラーは発生していません。",
    "%1へのアクセス中にエラーが発生しました。",
    "%1が見つかりません。",
    "%1のパスが正しくありません。",
    "開いているファイルが多すぎるため、%1を開けません。",
    "%1へのアクセスが拒否されました。",
    "%1は正しいファイルではありません。",
    "%1は現在のフォルダーのため削除できません。",
    "フォルダーに空きがないため、%1を作成できません。",
    "%1の読み書き位置を移動できません。",
    "%1へのアクセス中に入出力エラーが発生しました。",
    "%1はほかのプログラムが使用しています。",
    "%1のロックされた範囲にアクセスしようとしました。",
    "ディスクに空きがないため、%1に書き込めません。",
    "%1の終わりを越えて読み込もうとしました。",
};

const char* const s_archiveMessages[] = {
    "%1でエラーは発生していません。",
    "%1の読み書き中にエラーが発生しました。",
    "読み込み用に開いた%1に書き込もうとしました。",
    "%1が途中で終わっています。",
    "書き込み用に開いた%1から読み込もうとしました。",
    "%1の形式が正しくありません。",
    "%1に予期しない種類のデータが含まれています。",
    "%1はこのバージョンでは読み込めない形式です。",
};

// Win32 error codes, by number so that the table builds everywhere.
struct OsErrorCause
{
    LONG lOsError;
    int nCause;
};

const OsErrorCause s_osErrors[] = {
    {0, CFileException::none},
    {2, CFileException::fileNotFound},      // ERROR_FILE_NOT_FOUND
    {3, CFileException::badPath},           // ERROR_PATH_NOT_FOUND
    {4, CFileException::tooManyOpenFiles},  // ERROR_TOO_MANY_OPEN_FILES
    {5, CFileException::accessDenied},      // ERROR_ACCESS_DENIED
    {6, CFileException::invalidFile},       // ERROR_INVALID_HANDLE
    {15, CFileException::badPath},          // ERROR_INVALID_DRIVE
    {16, CFileException::removeCurrentDir}, // ERROR_CURRENT_DIRECTORY
    {17, CFileException::badPath},          // ERROR_NOT_SAME_DEVICE
    {18, CFileException::fileNotFound},     // ERROR_NO_MORE_FILES
    {19, CFileException::accessDenied},     // ERROR_WRITE_PROTECT
    {20, CFileException::hardIO},           // ERROR_BAD_UNIT
    {21, CFileException::hardIO},           // ERROR_NOT_READY
    {23, CFileException::hardIO},           // ERROR_CRC
    {25, CFileException::badSeek},          // ERROR_SEEK
    {26, CFileException::invalidFile},      // ERROR_NOT_DOS_DISK
    {27, CFileException::badSeek},          // ERROR_SECTOR_NOT_FOUND
    {29, CFileException::hardIO},           // ERROR_WRITE_FAULT
    {30, CFileException::hardIO},           // ERROR_READ_FAULT
    {31, CFileException::hardIO},           // ERROR_GEN_FAILURE
    {32, CFileException::sharingViolation}, // ERROR_SHARING_VIOLATION
    {33, CFileException::lockViolation},    // ERROR_LOCK_VIOLATION
    {34, CFileException::badPath},          // ERROR_WRONG_DISK
    {36, CFileException::tooManyOpenFiles}, // ERROR_SHARING_BUFFER_EXCEEDED
    {38, CFileException::endOfFile},        // ERROR_HANDLE_EOF
    {39, CFileException::diskFull},         // ERROR_HANDLE_DISK_FULL
    {53, CFileException::badPath},          // ERROR_BAD_NETPATH
    {55, CFileException::badPath},          // ERROR_DEV_NOT_EXIST
    {80, CFileException::accessDenied},     // ERROR_FILE_EXISTS
    {82, CFileException::directoryFull},    // ERROR_CANNOT_MAKE
    {112, CFileException::diskFull},        // ERROR_DISK_FULL
    {123, CFileException::badPath},         // ERROR_INVALID_NAME
    {131, CFileException::badSeek},         // ERROR_NEGATIVE_SEEK
    {132, CFileException::badSeek},         // ERROR_SEEK_ON_DEVICE
    {145, CFileException::accessDenied},    // ERROR_DIR_NOT_EMPTY
    {161, CFileException::badPath},         // ERROR_BAD_PATHNAME
    {183, CFileException::accessDenied},    // ERROR_ALREADY_EXISTS
    {206, CFileException::badPath},         // ERROR_FILENAME_EXCED_RANGE
    {267, CFileException::badPath},         // ERROR_DIRECTORY
};
} // namespace

BOOL AfxCopyErrorMessage(const CString& strMessage, LPTSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    LPCTSTR psz = strMessage;
    UINT nLen = 0;
    while (psz[nLen] != '\0')
    {
        UINT nChar = AfxIsLeadByte((BYTE)psz[nLen]) && psz[nLen + 1] != '\0' ? 2 : 1;
        if (nLen + nChar > nMaxError - 1)
            break;
        nLen += nChar;
    }
    std::memcpy(lpszError, psz, nLen);
    lpszError[nLen] = '\0';
    return TRUE;
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError != 0)
        lpszError[0] = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char szMessage[512];
    UINT nHelpContext = 0;
    if (GetErrorMessage(szMessage, sizeof(szMessage), &nHelpContext))
        return AfxMessageBox(szMessage, nType, nHelpContext);
    if (nMessageID != 0)
        return AfxMessageBox(nMessageID, nType, nHelpContext);
    return AfxMessageBox("エラーについての説明はありません。", nType, nHelpContext);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return AfxCopyErrorMessage("メモリが不足しています。", lpszError, nMaxError);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return AfxCopyErrorMessage("この操作には対応していません。", lpszError, nMaxError);
}

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    int nCause = m_cause >= none && m_cause <= endOfFile ? m_cause : generic;
    return AfxCopyErrorMessage(MessageWithName(s_fileMessages[nCause], m_strFileName), lpszError, nMaxError);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : s_osErrors)
        if (entry.lOsError == lOsError)
            return entry.nCause;
    return generic;
}

int CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno)
    {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case ENXIO:
    case ENODEV:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EEXIST:
    case EISDIR:
    case ENOTEMPTY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    case EIO:
        return hardIO;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case EDEADLK:
    case ENOLCK:
        return lockViolation;
    case ENOSPC:
    case EFBIG:
        return diskFull;
    default:
        return generic;
    }
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    int nCause = m_cause >= none && m_cause <= badSchema ? m_cause : generic;
    return AfxCopyErrorMessage(MessageWithName(s_archiveMessages[nCause], m_strFileName), lpszError,
                               nMaxError);
}

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
