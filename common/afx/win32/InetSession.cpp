// The internet session, its connections and the internet exception.

#include "afx/Exception.h"
#include "afx/Inet.h"

#include "afx/WinApp.h"

#include <cstring>
#include <set>

// What WinInet carries as the context of every handle of a session: the
// session and the caller's own context value, so that one callback can find
// the session of any handle, children included.
struct InternetContextRecord
{
    CInternetSession* pSession;
    DWORD_PTR dwContext;
};

namespace
{
// Records of live sessions. Notifications may still come for handles that
// outlive their session (a file closed after it); their records are gone
// from here and the notification is dropped.
SRWLOCK g_contextLock = SRWLOCK_INIT;

std::set<InternetContextRecord*>& LiveContexts()
{
    static std::set<InternetContextRecord*> s_live;
    return s_live;
}

void CALLBACK InternetStatusCallback(HINTERNET, DWORD_PTR dwContext, DWORD dwInternetStatus,
                                     LPVOID lpvStatusInformation, DWORD dwStatusInformationLength)
{
    InternetContextRecord* pRecord = reinterpret_cast<InternetContextRecord*>(dwContext);
    CInternetSession* pSession = nullptr;
    DWORD_PTR dwUserContext = 0;
    AcquireSRWLockShared(&g_contextLock);
    if (pRecord != nullptr && LiveContexts().count(pRecord) != 0)
    {
        pSession = pRecord->pSession;
        dwUserContext = pRecord->dwContext;
    }
    ReleaseSRWLockShared(&g_contextLock);
    if (pSession != nullptr)
        pSession->OnStatusCallback(dwUserContext, dwInternetStatus, lpvStatusInformation,
                                   dwStatusInformationLength);
}

CString FormatSystemText(DWORD dwFlags, LPCVOID lpSource, DWORD dwError)
{
    char buffer[1024];
    DWORD dwLen = ::FormatMessageA(dwFlags | FORMAT_MESSAGE_IGNORE_INSERTS, lpSource, dwError, 0, buffer,
                                   sizeof(buffer), nullptr);
    CString strText(buffer, (int)dwLen);
    strText.TrimRight();
    return strText;
}
} // namespace

IMPLEMENT_DYNAMIC(CInternetException, CException)

CInternetException::CInternetException(DWORD dwError) : m_dwContext(0), m_dwError(dwError) {}

BOOL CInternetException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    CString strText;
    if (m_dwError == ERROR_INTERNET_EXTENDED_ERROR)
    {
        DWORD dwError = 0;
        DWORD dwLen = 0;
        ::InternetGetLastResponseInfoA(&dwError, nullptr, &dwLen);
        if (dwLen != 0)
        {
            DWORD dwSize = dwLen + 1;
            LPTSTR p = strText.GetBuffer((int)dwSize);
            if (!::InternetGetLastResponseInfoA(&dwError, p, &dwSize))
                dwSize = 0;
            strText.ReleaseBuffer((int)dwSize);
        }
    }
    if (strText.IsEmpty())
    {
        HMODULE hWinInet = ::GetModuleHandleA("wininet.dll");
        if (hWinInet != nullptr)
            strText = FormatSystemText(FORMAT_MESSAGE_FROM_HMODULE, hWinInet, m_dwError);
    }
    if (strText.IsEmpty())
        strText = FormatSystemText(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, m_dwError);
    if (!(AfxCopyErrorMessage(strText, lpszError, nMaxError) && !strText.IsEmpty()))
    {
        if (lpszError != nullptr && nMaxError != 0)
            lpszError[0] = '\0';
        return FALSE;
    }
    return TRUE;
}

void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError)
{
    if (dwError == 0)
        dwError = ::GetLastError();
    CInternetException* pException = new CInternetException(dwError);
    pException->m_dwContext = dwContext;
    throw pException;
}

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

CInternetSession::CInternetSession(LPCTSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType,
                                   LPCTSTR pstrProxyName, LPCTSTR pstrProxyBypass, DWORD dwFlags)
    : m_hSession(nullptr), m_dwContext(dwContext), m_bCallbackEnabled(FALSE)
{
    CString strAgent(pstrAgent);
    if (strAgent.IsEmpty())
        strAgent = AfxGetAppName();
    if (strAgent.IsEmpty())
    {
        // No application object: the program's file name stands in.
        char szPath[MAX_PATH];
        DWORD dwLen = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
        strAgent = CString(szPath, (int)dwLen);
        int nSlash = strAgent.ReverseFind('\\');
        if (nSlash >= 0)
            strAgent = strAgent.Mid(nSlash + 1);
    }
    m_hSession = ::InternetOpenA(strAgent, dwAccessType, pstrProxyName, pstrProxyBypass, dwFlags);
    if (m_hSession == nullptr)
        AfxThrowInternetException(m_dwContext);
}

CInternetSession::~CInternetSession()
{
    CInternetSession::Close();
}

void CInternetSession::Close()
{
    m_bCallbackEnabled = FALSE;
    if (m_hSession != nullptr)
    {
        ::InternetSetStatusCallbackA(m_hSession, nullptr);
        ::InternetCloseHandle(m_hSession);
        m_hSession = nullptr;
    }
    ReleaseContexts();
}

void CInternetSession::ReleaseContexts()
{
    AcquireSRWLockExclusive(&g_contextLock);
    for (auto& entry : m_contexts)
        LiveContexts().erase(entry.second);
    ReleaseSRWLockExclusive(&g_contextLock);
    for (auto& entry : m_contexts)
        delete entry.second;
    m_contexts.clear();
}

DWORD_PTR CInternetSession::WrapContext(DWORD_PTR dwContext)
{
    auto it = m_contexts.find(dwContext);
    if (it != m_contexts.end())
        return reinterpret_cast<DWORD_PTR>(it->second);
    InternetContextRecord* pRecord = new InternetContextRecord{this, dwContext};
    m_contexts[dwContext] = pRecord;
    AcquireSRWLockExclusive(&g_contextLock);
    LiveContexts().insert(pRecord);
    ReleaseSRWLockExclusive(&g_contextLock);
    return reinterpret_cast<DWORD_PTR>(pRecord);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return ::InternetQueryOptionA(m_hSession, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    DWORD dwLen = sizeof(DWORD);
    return QueryOption(dwOption, &dwValue, &dwLen);
}

BOOL CInternetSession::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD)
{
    return ::InternetSetOptionA(m_hSession, dwOption, lpBuffer, dwBufferLength);
}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags)
{
    return SetOption(dwOption, &dwValue, sizeof(dwValue), dwFlags);
}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort,
                                                     LPCTSTR pstrUserName, LPCTSTR pstrPassword)
{
    return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword, m_dwContext);
}

BOOL CInternetSession::EnableStatusCallback(BOOL bEnable)
{
    if (m_hSession == nullptr)
        return FALSE;
    if (bEnable)
    {
        // Notifications of the session handle itself carry this context.
        DWORD_PTR dwWrapped = WrapContext(m_dwContext);
        ::InternetSetOptionA(m_hSession, INTERNET_OPTION_CONTEXT_VALUE, &dwWrapped, sizeof(dwWrapped));
        INTERNET_STATUS_CALLBACK pfnPrev = ::InternetSetStatusCallbackA(m_hSession, InternetStatusCallback);
        if (pfnPrev == INTERNET_INVALID_STATUS_CALLBACK)
            return FALSE;
    }
    else
    {
        ::InternetSetStatusCallbackA(m_hSession, nullptr);
    }
    m_bCallbackEnabled = bEnable;
    return TRUE;
}

void CInternetSession::OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) {}

IMPLEMENT_DYNAMIC(CInternetConnection, CObject)

CInternetConnection::CInternetConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                                         DWORD_PTR dwContext)
    : m_hConnection(nullptr), m_dwContext(dwContext), m_pSession(pSession), m_strServerName(pstrServer),
      m_nPort(nPort)
{
}

CInternetConnection::~CInternetConnection()
{
    CInternetConnection::Close();
}

void CInternetConnection::Close()
{
    if (m_hConnection != nullptr)
    {
        ::InternetCloseHandle(m_hConnection);
        m_hConnection = nullptr;
    }
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return ::InternetQueryOptionA(m_hConnection, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetConnection::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    DWORD dwLen = sizeof(DWORD);
    return QueryOption(dwOption, &dwValue, &dwLen);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD)
{
    return ::InternetSetOptionA(m_hConnection, dwOption, lpBuffer, dwBufferLength);
}

BOOL CInternetConnection::SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags)
{
    return SetOption(dwOption, &dwValue, sizeof(dwValue), dwFlags);
}

IMPLEMENT_DYNAMIC(CHttpConnection, CInternetConnection)

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                                 LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD_PTR dwContext)
    : CInternetConnection(pSession, pstrServer, nPort, dwContext)
{
    m_hConnection = ::InternetConnectA(*pSession, pstrServer, nPort, pstrUserName, pstrPassword,
                                       INTERNET_SERVICE_HTTP, 0, pSession->WrapContext(dwContext));
    if (m_hConnection == nullptr)
        AfxThrowInternetException(dwContext);
}

CHttpConnection::~CHttpConnection() = default;

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR pstrVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCTSTR* ppstrAcceptTypes, LPCTSTR pstrVersion,
                                        DWORD dwFlags)
{
    CString strObject = pstrObjectName != nullptr && *pstrObjectName != '\0' ? pstrObjectName : "/";
    HINTERNET hFile = ::HttpOpenRequestA(m_hConnection, pstrVerb, strObject, pstrVersion, pstrReferer,
                                         ppstrAcceptTypes, dwFlags, m_pSession->WrapContext(dwContext));
    if (hFile == nullptr)
        AfxThrowInternetException(dwContext);
    CHttpFile* pFile = new CHttpFile(hFile, pstrVerb, strObject, this, (dwFlags & INTERNET_FLAG_SECURE) != 0);
    pFile->m_dwContext = dwContext;
    return pFile;
}

CHttpFile* CHttpConnection::OpenRequest(int nVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCTSTR* ppstrAcceptTypes, LPCTSTR pstrVersion,
                                        DWORD dwFlags)
{
    static const char* const kVerbs[] = {"POST", "GET", "HEAD", "PUT", "LINK", "DELETE", "UNLINK"};
    if (nVerb < HTTP_VERB_MIN || nVerb > HTTP_VERB_MAX)
        AfxThrowInternetException(dwContext, ERROR_INVALID_PARAMETER);
    return OpenRequest(kVerbs[nVerb], pstrObjectName, pstrReferer, dwContext, ppstrAcceptTypes, pstrVersion,
                       dwFlags);
}
