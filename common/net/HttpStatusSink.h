#ifndef TANZO_NET_HTTPSTATUSSINK_H
#define TANZO_NET_HTTPSTATUSSINK_H

#include "afx/wintypes.h"

// What the HTTP client has to say while a request runs: every WinInet
// status notification, the notice of an automatic retry, and its message
// boxes. The main frame and the progress dialogs implement it.
class CHttpStatusSink
{
public:
    virtual ~CHttpStatusSink();

    virtual void OnRetry();
    // The framework's message box unless the window shows its own.
    virtual int ShowMessage(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
    virtual void OnInternetStatus(DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                  DWORD dwStatusInformationLength) = 0;
};

#endif // TANZO_NET_HTTPSTATUSSINK_H
