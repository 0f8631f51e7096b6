// The User-Agent of the HTTP client and of the embedded browser.

#include "afx/WinApp.h"
#include "net/HttpComm.h"
#include "net/HttpRules.h"
#include "text/SystemInfo.h"

#include <urlmon.h>

BOOL BuildUserAgent(CString& out)
{
    CString strVersion, strOs;
    GetOwnVersionText(strVersion);
    GetOsName(strOs, FALSE);
    out = FormatUserAgent(AfxGetAppName(), strVersion, strOs);
    return !out.IsEmpty();
}

BOOL SetBrowserUserAgent()
{
    CString strAgent;
    if (!BuildUserAgent(strAgent))
        return FALSE;
    HRESULT hr = ::UrlMkSetSessionOption(URLMON_OPTION_USERAGENT, (LPVOID)(LPCTSTR)strAgent,
                                         (DWORD)strAgent.GetLength(), 0);
    return SUCCEEDED(hr);
}
