// Files opened over an internet connection: HTTP requests and their answers.

#include "afx/Inet.h"

IMPLEMENT_DYNAMIC(CInternetFile, CFile)

CInternetFile::CInternetFile(HINTERNET hFile, LPCTSTR pstrFileName, CInternetConnection* pConnection)
    : m_dwContext(pConnection != nullptr ? pConnection->GetContext() : 0), m_pConnection(pConnection),
      m_dwPosition(0)
{
    m_hFile = (UINT_PTR)hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = pstrFileName;
    if (pConnection != nullptr)
        m_strServerName = pConnection->GetServerName();
}

CInternetFile::~CInternetFile()
{
    CInternetFile::Close();
}

BOOL CInternetFile::QueryOption(DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufLen) const
{
    return ::InternetQueryOptionA((HINTERNET) * this, dwOption, lpBuffer, lpdwBufLen);
}

BOOL CInternetFile::QueryOption(DWORD dwOption, DWORD& dwValue) const
{
    DWORD dwLen = sizeof(DWORD);
    return QueryOption(dwOption, &dwValue, &dwLen);
}

BOOL CInternetFile::SetOption(DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength, DWORD)
{
    return ::InternetSetOptionA((HINTERNET) * this, dwOption, lpBuffer, dwBufferLength);
}

BOOL CInternetFile::SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags)
{
    return SetOption(dwOption, &dwValue, sizeof(dwValue), dwFlags);
}

UINT CInternetFile::Read(void* lpBuf, UINT nCount)
{
    DWORD dwRead = 0;
    if (!::InternetReadFile((HINTERNET) * this, lpBuf, nCount, &dwRead))
        AfxThrowInternetException(m_dwContext);
    m_dwPosition += dwRead;
    return dwRead;
}

void CInternetFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD dwWritten = 0;
    if (!::InternetWriteFile((HINTERNET) * this, lpBuf, nCount, &dwWritten))
        AfxThrowInternetException(m_dwContext);
    if (dwWritten != nCount)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_CONNECTION_ABORTED);
    m_dwPosition += dwWritten;
}

LONG CInternetFile::Seek(LONG, UINT)
{
    AfxThrowNotSupportedException();
}

DWORD CInternetFile::GetLength() const
{
    DWORD dwAvailable = 0;
    if (!::InternetQueryDataAvailable((HINTERNET) * this, &dwAvailable, 0, 0))
        return 0;
    return dwAvailable;
}

DWORD CInternetFile::GetPosition() const
{
    return m_dwPosition;
}

void CInternetFile::SetLength(DWORD)
{
    AfxThrowNotSupportedException();
}

void CInternetFile::Flush() {}

void CInternetFile::Close()
{
    if (m_hFile != hFileNull)
    {
        ::InternetCloseHandle((HINTERNET)m_hFile);
        m_hFile = hFileNull;
    }
}

void CInternetFile::Abort()
{
    Close();
}

IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

CHttpFile::CHttpFile(HINTERNET hFile, LPCTSTR pstrVerb, LPCTSTR pstrObject, CHttpConnection* pConnection,
                     BOOL bSecure)
    : CInternetFile(hFile, pstrObject, pConnection), m_strVerb(pstrVerb), m_strObject(pstrObject),
      m_bSecure(bSecure)
{
}

BOOL CHttpFile::AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags, int dwHeadersLen)
{
    if (pstrHeaders == nullptr)
        return FALSE;
    return ::HttpAddRequestHeadersA((HINTERNET) * this, pstrHeaders, (DWORD)dwHeadersLen, dwFlags);
}

BOOL CHttpFile::SendRequest(LPCTSTR pstrHeaders, DWORD dwHeadersLen, LPVOID lpOptional, DWORD dwOptionalLen)
{
    if (pstrHeaders != nullptr && dwHeadersLen == 0)
        dwHeadersLen = (DWORD)-1;
    if (!::HttpSendRequestA((HINTERNET) * this, pstrHeaders, dwHeadersLen, lpOptional, dwOptionalLen))
        AfxThrowInternetException(m_dwContext);
    return TRUE;
}

BOOL CHttpFile::SendRequestEx(DWORD dwTotalLen, DWORD dwFlags, DWORD_PTR dwContext)
{
    INTERNET_BUFFERSA buffers = {};
    buffers.dwStructSize = sizeof(buffers);
    buffers.dwBufferTotal = dwTotalLen;
    DWORD_PTR dwWrapped =
        m_pConnection != nullptr ? m_pConnection->GetSession()->WrapContext(dwContext) : dwContext;
    if (!::HttpSendRequestExA((HINTERNET) * this, &buffers, nullptr, dwFlags, dwWrapped))
        AfxThrowInternetException(dwContext);
    m_dwPosition = 0;
    return TRUE;
}

BOOL CHttpFile::EndRequest(DWORD dwFlags, LPINTERNET_BUFFERS lpBuffIn, DWORD_PTR dwContext)
{
    DWORD_PTR dwWrapped =
        m_pConnection != nullptr ? m_pConnection->GetSession()->WrapContext(dwContext) : dwContext;
    if (!::HttpEndRequestA((HINTERNET) * this, lpBuffIn, dwFlags, dwWrapped))
        AfxThrowInternetException(dwContext);
    m_dwPosition = 0;
    return TRUE;
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength,
                          LPDWORD lpdwIndex) const
{
    return ::HttpQueryInfoA((HINTERNET) * this, dwInfoLevel, lpvBuffer, lpdwBufferLength, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex) const
{
    str.Empty();
    DWORD dwIndex = lpdwIndex != nullptr ? *lpdwIndex : 0;
    DWORD dwLen = 0;
    if (::HttpQueryInfoA((HINTERNET) * this, dwInfoLevel, nullptr, &dwLen, &dwIndex))
        return TRUE; // an empty value
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || dwLen == 0)
        return FALSE;
    dwIndex = lpdwIndex != nullptr ? *lpdwIndex : 0;
    LPTSTR p = str.GetBuffer((int)dwLen);
    BOOL bOk = ::HttpQueryInfoA((HINTERNET) * this, dwInfoLevel, p, &dwLen, &dwIndex);
    str.ReleaseBuffer(bOk ? (int)dwLen : 0);
    if (bOk && lpdwIndex != nullptr)
        *lpdwIndex = dwIndex;
    return bOk;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const
{
    DWORD dwLen = sizeof(dwStatusCode);
    dwStatusCode = 0;
    return QueryInfo(HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatusCode, &dwLen);
}

CString CHttpFile::GetFileURL() const
{
    CString strUrl = m_bSecure ? "https://" : "http://";
    strUrl += m_strServerName;
    INTERNET_PORT nPort = m_pConnection != nullptr ? m_pConnection->GetPort() : INTERNET_INVALID_PORT_NUMBER;
    INTERNET_PORT nDefault = m_bSecure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    if (nPort != INTERNET_INVALID_PORT_NUMBER && nPort != nDefault)
    {
        CString strPort;
        strPort.Format(":%u", (unsigned)nPort);
        strUrl += strPort;
    }
    strUrl += m_strObject;
    return strUrl;
}
