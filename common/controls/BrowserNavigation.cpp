#include "controls/BrowserNavigation.h"

#include "text/MbcsString.h"

#include <cstring>

void MakePostData(const void* pData, DWORD dwLength, CByteArray& out)
{
    out.RemoveAll();
    if (pData == nullptr)
        return;
    if (dwLength == 0)
        dwLength = (DWORD)std::strlen(static_cast<const char*>(pData));
    if (dwLength == 0)
        return;
    out.SetSize((int)dwLength);
    std::memcpy(out.GetData(), pData, dwLength);
}

BOOL MakeResourceUrl(LPCTSTR lpszModulePath, UINT nResourceId, CString& out)
{
    out.Empty();
    if (lpszModulePath == nullptr || *lpszModulePath == '\0' ||
        std::strlen(lpszModulePath) > HTML_MAX_MODULE_PATH)
        return FALSE;
    out.Format("res://%s/%d", lpszModulePath, (int)nResourceId);
    return TRUE;
}

BOOL CUserInputTracker::TakeNavigation(BOOL bTopLevel, LPCTSTR lpszTargetFrameName, DWORD dwTickNow)
{
    if (!m_bPending || !bTopLevel || (lpszTargetFrameName != nullptr && *lpszTargetFrameName != '\0'))
        return FALSE;
    m_bPending = FALSE;
    // Unsigned difference: right across the wrap of the tick count.
    return dwTickNow - m_dwTick <= HTMLNAV_USER_INPUT_WINDOW;
}

HtmlNewWindowAction DecideNewWindow(BOOL bOpenInPlace, LPCTSTR lpszURL)
{
    if (!bOpenInPlace || lpszURL == nullptr || *lpszURL == '\0')
        return HTMLNEWWINDOW_ALLOW;
    if (MbsEqualNoCase(lpszURL, "about:blank"))
        return HTMLNEWWINDOW_USE_THIS;
    return HTMLNEWWINDOW_NAVIGATE_HERE;
}
