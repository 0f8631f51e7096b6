#ifndef TANZO_AFX_INET_H
#define TANZO_AFX_INET_H

// The class library's internet classes over WinInet (Windows builds only):
// a session, its connections to an HTTP server, the request files opened on
// them, and the exception every failing WinInet call throws. Objects that a
// session or connection hands out (GetHttpConnection, OpenRequest) belong to
// the caller, who closes and deletes them.

#ifndef _WIN32
#error "afx/Inet.h is for Windows builds"
#endif

#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/Object.h"
#include "afx/ParseUrl.h"
#include "afx/String.h"
#include "afx/wintypes.h"

#include <wininet.h>

#include <map>

class CHttpConnection;
class CHttpFile;

// A failed WinInet call: m_dwError is its error code (12001 and up, or a
// system error code).
class CInternetException : public CException
{
    DECLARE_DYNAMIC(CInternetException)
public:
    explicit CInternetException(DWORD dwError);

    // WinInet's text of the error; for ERROR_INTERNET_EXTENDED_ERROR the
    // server's own answer. FALSE when there is none.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    DWORD_PTR m_dwContext;
    DWORD m_dwError;
};

// dwError 0 takes the thread's last error.
[[noreturn]] void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError = 0);

struct InternetContextRecord;

class CInternetSession : public CObject
{
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Throws CInternetException when WinInet cannot open a session.
    explicit CInternetSession(LPCTSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG,
                              LPCTSTR pstrProxyName = nullptr, LPCTSTR pstrProxyBypass = nullptr,
                              DWORD dwFlags = 0);
    ~CInternetSession() override;

    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags = 0);
    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);

    // A connection the caller deletes; throws CInternetException.
    CHttpConnection* GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr);

    // Routes WinInet's notifications on this session and on every handle
    // opened under it to OnStatusCallback.
    BOOL EnableStatusCallback(BOOL bEnable = TRUE);
    virtual void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                  DWORD dwStatusInformationLength);

    virtual void Close();

    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hSession; }

    // The value that WinInet carries for a handle of this session opened
    // with the caller's context dwContext (internal to the library).
    DWORD_PTR WrapContext(DWORD_PTR dwContext);

    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

protected:
    HINTERNET m_hSession;
    DWORD_PTR m_dwContext;
    BOOL m_bCallbackEnabled;

private:
    void ReleaseContexts();

    std::map<DWORD_PTR, InternetContextRecord*> m_contexts;
};

class CInternetConnection : public CObject
{
    DECLARE_DYNAMIC(CInternetConnection)
public:
    CInternetConnection(CInternetSession* pSession, LPCTSTR pstrServer,
                        INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, DWORD_PTR dwContext = 1);
    ~CInternetConnection() override;

    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags = 0);
    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);

    DWORD_PTR GetContext() const { return m_dwContext; }
    CInternetSession* GetSession() const { return m_pSession; }
    CString GetServerName() const { return m_strServerName; }
    INTERNET_PORT GetPort() const { return m_nPort; }

    virtual void Close();
    operator HINTERNET() const { return m_hConnection; }

    CInternetConnection(const CInternetConnection&) = delete;
    CInternetConnection& operator=(const CInternetConnection&) = delete;

protected:
    HINTERNET m_hConnection;
    DWORD_PTR m_dwContext;
    CInternetSession* m_pSession;
    CString m_strServerName;
    INTERNET_PORT m_nPort;
};

class CHttpConnection : public CInternetConnection
{
    DECLARE_DYNAMIC(CHttpConnection)
public:
    enum
    {
        HTTP_VERB_MIN = 0,
        HTTP_VERB_POST = 0,
        HTTP_VERB_GET = 1,
        HTTP_VERB_HEAD = 2,
        HTTP_VERB_PUT = 3,
        HTTP_VERB_LINK = 4,
        HTTP_VERB_DELETE = 5,
        HTTP_VERB_UNLINK = 6,
        HTTP_VERB_MAX = 6,
    };

    // Throws CInternetException when WinInet cannot make the connection.
    CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer,
                    INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER, LPCTSTR pstrUserName = nullptr,
                    LPCTSTR pstrPassword = nullptr, DWORD_PTR dwContext = 1);
    ~CHttpConnection() override;

    // A request the caller deletes; nothing is sent yet. Throws
    // CInternetException.
    CHttpFile* OpenRequest(LPCTSTR pstrVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer = nullptr,
                           DWORD_PTR dwContext = 1, LPCTSTR* ppstrAcceptTypes = nullptr,
                           LPCTSTR pstrVersion = nullptr, DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
    CHttpFile* OpenRequest(int nVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer = nullptr,
                           DWORD_PTR dwContext = 1, LPCTSTR* ppstrAcceptTypes = nullptr,
                           LPCTSTR pstrVersion = nullptr, DWORD dwFlags = INTERNET_FLAG_EXISTING_CONNECT);
};

// A file read from or written to over the network. Read and Write throw
// CInternetException; seeking is not supported.
class CInternetFile : public CFile
{
    DECLARE_DYNAMIC(CInternetFile)
public:
    ~CInternetFile() override;

    BOOL QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const;
    BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
    BOOL SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD dwFlags = 0);
    BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);

    // 0 at the end of the data.
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    // The bytes that can be read now without waiting.
    DWORD GetLength() const override;
    DWORD GetPosition() const override;
    void SetLength(DWORD dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    DWORD_PTR GetContext() const { return m_dwContext; }
    operator HINTERNET() const { return m_hFile != hFileNull ? (HINTERNET)m_hFile : nullptr; }

    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;

protected:
    CInternetFile(HINTERNET hFile, LPCTSTR pstrFileName, CInternetConnection* pConnection);

    DWORD_PTR m_dwContext;
    CInternetConnection* m_pConnection;
    CString m_strServerName;
    DWORD m_dwPosition;
};

class CHttpFile : public CInternetFile
{
    DECLARE_DYNAMIC(CHttpFile)
public:
    BOOL AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW,
                           int dwHeadersLen = -1);

    // Throw CInternetException when WinInet fails; TRUE otherwise.
    BOOL SendRequest(LPCTSTR pstrHeaders = nullptr, DWORD dwHeadersLen = 0, LPVOID lpOptional = nullptr,
                     DWORD dwOptionalLen = 0);
    // Starts a request whose body of dwTotalLen bytes follows through Write.
    BOOL SendRequestEx(DWORD dwTotalLen, DWORD dwFlags = HSR_INITIATE, DWORD_PTR dwContext = 1);
    BOOL EndRequest(DWORD dwFlags = 0, LPINTERNET_BUFFERS lpBuffIn = nullptr, DWORD_PTR dwContext = 1);

    BOOL QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength,
                   LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex = nullptr) const;
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;

    CString GetVerb() const { return m_strVerb; }
    CString GetObject() const { return m_strObject; }
    // The request's address: scheme, server, port when not the default, object.
    CString GetFileURL() const;

protected:
    friend class CHttpConnection;
    CHttpFile(HINTERNET hFile, LPCTSTR pstrVerb, LPCTSTR pstrObject, CHttpConnection* pConnection,
              BOOL bSecure);

    CString m_strVerb;
    CString m_strObject;
    BOOL m_bSecure;
};

#endif // TANZO_AFX_INET_H
