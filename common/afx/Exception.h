#ifndef TANZO_AFX_EXCEPTION_H
#define TANZO_AFX_EXCEPTION_H

#include "afx/Object.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// Exceptions are thrown as pointers and caught as pointers, as the rest of
// the system expects:
//     catch (CFileException* e) { ...; e->Delete(); }
// Delete() frees the object unless it is one of the preallocated ones.
class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);

    void Delete();

    // The message (code page 932) in lpszError, at most nMaxError - 1 bytes
    // and a NUL, never cut inside a two-byte character. FALSE when the
    // exception has no message.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr);

    // Shows the message in a message box and returns the button pressed.
    // Without a message: the string nMessageID, or a general text.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

protected:
    BOOL m_bAutoDelete;
};

class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;
};

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;
};

// Thrown after the user has been told of the problem: callers stop quietly.
class CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    explicit CUserException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = nullptr);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    // Causes for a Win32 error code and for a C library errno value.
    static int OsErrorToException(LONG lOsError);
    static int ErrnoToException(int nErrno);
    // Throw the matching exception; nothing happens for an error of 0.
    static void ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);
    static void ThrowErrno(int nErrno, LPCTSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError; // Win32 error code on Windows, errno natively; -1 if none
    CString m_strFileName;
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        generic,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    int m_cause;
    CString m_strFileName;
};

// The memory exception is preallocated: there may be no memory to make one.
[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);

// The exception macros. An exception caught by CATCH is deleted at the end
// of its block unless THROW_LAST passes it on, so a CATCH block must not
// Delete() it.
class AFX_EXCEPTION_LINK
{
public:
    AFX_EXCEPTION_LINK() : m_pException(nullptr) {}
    ~AFX_EXCEPTION_LINK()
    {
        if (m_pException != nullptr)
            m_pException->Delete();
    }
    AFX_EXCEPTION_LINK(const AFX_EXCEPTION_LINK&) = delete;
    AFX_EXCEPTION_LINK& operator=(const AFX_EXCEPTION_LINK&) = delete;

    CException* m_pException;
};

#define TRY                                                                                                  \
    {                                                                                                        \
        AFX_EXCEPTION_LINK _afxExceptionLink;                                                                \
        try                                                                                                  \
        {
#define CATCH(class_name, e)                                                                                 \
    }                                                                                                        \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        _afxExceptionLink.m_pException = e;
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH                                                                                            \
    }                                                                                                        \
    }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
#define THROW(e) throw e
#define THROW_LAST()                                                                                         \
    do                                                                                                       \
    {                                                                                                        \
        _afxExceptionLink.m_pException = nullptr;                                                            \
        throw;                                                                                               \
    } while (0)

// Copies an error message into a caller's buffer of nMaxError bytes, cut
// at a character boundary; FALSE without a buffer.
BOOL AfxCopyErrorMessage(const CString& strMessage, LPTSTR lpszError, UINT nMaxError);

#endif // TANZO_AFX_EXCEPTION_H
