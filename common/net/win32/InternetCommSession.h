#ifndef TANZO_NET_WIN32_INTERNETCOMMSESSION_H
#define TANZO_NET_WIN32_INTERNETCOMMSESSION_H

#include "afx/Inet.h"

class CHttpStatusSink;

// The internet session of one request of the HTTP client: with a status
// sink it reports every WinInet notification to the sink and pumps the
// window messages, so that the program stays responsive and a Stop
// command can reach the request.
class CInternetCommSession : public CInternetSession
{
public:
    // Throws CInternetException when WinInet cannot open a session.
    CInternetCommSession(LPCTSTR pstrAgent, CHttpStatusSink* pSink);

    void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override;

private:
    CHttpStatusSink* m_pSink; // not owned
};

#endif // TANZO_NET_WIN32_INTERNETCOMMSESSION_H
