#include "controls/FixHtmlView.h"

#include "afx/WinApp.h"
#include "controls/BrowserNavigation.h"

IMPLEMENT_DYNCREATE(CFixHtmlView, CHtmlView)

BOOL CFixHtmlView::Navigate(LPCTSTR lpszURL, DWORD dwFlags, LPCTSTR lpszTargetFrameName, LPCTSTR lpszHeaders,
                            LPCVOID lpvPostData, DWORD dwPostLength)
{
    if (!m_pBrowserApp)
        return FALSE;
    CByteArray postData;
    MakePostData(lpvPostData, dwPostLength, postData);
    CHtmlView::Navigate(lpszURL, dwFlags, lpszTargetFrameName, lpszHeaders, postData.GetData(),
                        (DWORD)postData.GetSize());
    return TRUE;
}

BOOL CFixHtmlView::NavigateResource(UINT nResourceId)
{
    char szModule[HTML_MAX_MODULE_PATH + 1] = {};
    DWORD nLength = ::GetModuleFileNameA(AfxGetResourceHandle(), szModule, sizeof(szModule));
    CString url;
    // A path cut by the buffer fills it up.
    if (nLength == 0 || nLength >= sizeof(szModule) || !MakeResourceUrl(szModule, nResourceId, url))
        return FALSE;
    Navigate(url);
    return TRUE;
}

BOOL CFixHtmlView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CHtmlView::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}
