#include "net/win32/InternetCommSession.h"

#include "afx/WinApp.h"
#include "app/AppComm.h"
#include "net/HttpStatusSink.h"

CInternetCommSession::CInternetCommSession(LPCTSTR pstrAgent, CHttpStatusSink* pSink)
    : CInternetSession(pstrAgent, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0), m_pSink(pSink)
{
    if (m_pSink != nullptr)
        EnableStatusCallback(TRUE);
}

void CInternetCommSession::OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus,
                                            LPVOID lpvStatusInformation, DWORD dwStatusInformationLength)
{
    if (m_pSink != nullptr)
        m_pSink->OnInternetStatus(dwInternetStatus, lpvStatusInformation, dwStatusInformationLength);
    PumpMessages(AfxGetApp());
    CInternetSession::OnStatusCallback(dwContext, dwInternetStatus, lpvStatusInformation,
                                       dwStatusInformationLength);
}
