#include "controls/HtmlCommView.h"

#include "controls/HtmlFrame.h"
#include "controls/HtmlViewEvents.h"
#include "controls/MshtmlPage.h"

IMPLEMENT_DYNCREATE(CHtmlCommView, CFixHtmlView)

BEGIN_MESSAGE_MAP(CHtmlCommView, CFixHtmlView)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CHtmlCommView::CHtmlCommView() = default;

BOOL CHtmlCommView::Navigate(LPCTSTR lpszURL, DWORD dwFlags, LPCTSTR lpszTargetFrameName, LPCTSTR lpszHeaders,
                             LPCVOID lpvPostData, DWORD dwPostLength)
{
    if (GetBusy())
        Stop();
    // What the program asks for is not the user's click.
    m_userInput.Reset();
    CFixHtmlView::Navigate(lpszURL, dwFlags, lpszTargetFrameName, lpszHeaders, lpvPostData, dwPostLength);
    return TRUE;
}

// ---------------------------------------------------------------------------
// The page's elements

std::unique_ptr<CPageElementList> CHtmlCommView::GetPageElements()
{
    CComRef<IDispatch> pDocument(GetHtmlDocument());
    return GetMshtmlElements(pDocument.Get());
}

BOOL CHtmlCommView::FindElement(LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue, int nFlags)
{
    std::unique_ptr<CPageElementList> pElements = GetPageElements();
    return pElements && FindPageElement(*pElements, lpszTag, lpszAttrName, lpszAttrValue, nFlags);
}

BOOL CHtmlCommView::SetElementValue(LPCTSTR lpszTag, LPCTSTR lpszAttrToSet, LPCTSTR lpszValue,
                                    LPCTSTR lpszMatchAttr, LPCTSTR lpszMatchValue)
{
    std::unique_ptr<CPageElementList> pElements = GetPageElements();
    return pElements &&
           SetPageElementValue(*pElements, lpszTag, lpszAttrToSet, lpszValue, lpszMatchAttr, lpszMatchValue);
}

BOOL CHtmlCommView::GetForm(std::unique_ptr<CPageElement>& form, LPCTSTR lpszName)
{
    std::unique_ptr<CPageElementList> pElements = GetPageElements();
    form = pElements ? GetPageForm(*pElements, lpszName) : nullptr;
    return form != nullptr;
}

BOOL CHtmlCommView::SubmitForm(LPCTSTR lpszName)
{
    std::unique_ptr<CPageElementList> pElements = GetPageElements();
    return pElements && SubmitPageForm(*pElements, lpszName);
}

// ---------------------------------------------------------------------------
// Input

BOOL CHtmlCommView::PreTranslateMessage(MSG* pMsg)
{
    if (IsBrowserWindow(pMsg->hwnd))
    {
        switch (pMsg->message)
        {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            if (IsContextMenuBlocked())
                return TRUE;
            break;
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
            m_userInput.OnInput(::GetTickCount());
            break;
        case WM_KEYDOWN:
            if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE)
                m_userInput.OnInput(::GetTickCount());
            break;
        default:
            break;
        }
    }
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        // The host takes the keys itself (its dialog's Tab and Enter).
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CHtmlFrame)) &&
            static_cast<CHtmlFrame*>(pFrame)->GetOptions().TestAny(HTMLFRAME_HOST_KEYS))
            return FALSE;
    }
    return CFixHtmlView::PreTranslateMessage(pMsg);
}

BOOL CHtmlCommView::IsContextMenuBlocked() const
{
    return m_pListener != nullptr && m_pListener->IsContextMenuBlocked();
}

HRESULT CHtmlCommView::OnShowContextMenu(DWORD dwID, LPPOINT ppt, LPUNKNOWN pcmdtReserved,
                                         LPDISPATCH pdispReserved)
{
    // The menu key and Shift+F10 bring it up without a click.
    if (IsContextMenuBlocked())
        return S_OK;
    return CFixHtmlView::OnShowContextMenu(dwID, ppt, pcmdtReserved, pdispReserved);
}

// ---------------------------------------------------------------------------
// Events: the listener first, then the view's own handling.

void CHtmlCommView::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                                      CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel)
{
    nFlags &= ~(DWORD)HTMLNAV_BY_USER;
    if (m_userInput.TakeNavigation(IsTopLevelEvent(), lpszTargetFrameName, ::GetTickCount()))
        nFlags |= HTMLNAV_BY_USER;
    if (m_pListener != nullptr && m_pListener->OnBeforeNavigate2(lpszURL, nFlags, lpszTargetFrameName,
                                                                 baPostedData, lpszHeaders, pbCancel))
    {
        *pbCancel = TRUE;
        return;
    }
    CFixHtmlView::OnBeforeNavigate2(lpszURL, nFlags, lpszTargetFrameName, baPostedData, lpszHeaders,
                                    pbCancel);
}

void CHtmlCommView::OnDocumentComplete(LPCTSTR lpszURL)
{
    if (m_pListener != nullptr)
        m_pListener->OnDocumentComplete(lpszURL);
    CFixHtmlView::OnDocumentComplete(lpszURL);
}

void CHtmlCommView::OnStatusTextChange(LPCTSTR lpszText)
{
    if (m_pListener != nullptr)
        m_pListener->OnStatusTextChange(lpszText);
    CFixHtmlView::OnStatusTextChange(lpszText);
}

void CHtmlCommView::OnCommandStateChange(long nCommand, BOOL bEnable)
{
    if (m_pListener != nullptr)
    {
        if (nCommand == CSC_NAVIGATEFORWARD)
            m_pListener->OnForwardEnabled(bEnable);
        else if (nCommand == CSC_NAVIGATEBACK)
            m_pListener->OnBackEnabled(bEnable);
    }
    CFixHtmlView::OnCommandStateChange(nCommand, bEnable);
}

void CHtmlCommView::OnDownloadBegin()
{
    if (m_nDownloadTimeout > 0 && m_hWnd != nullptr)
        m_downloadTimer = CScopedTimer(this, HTMLVIEW_TIMER_DOWNLOAD, (UINT)m_nDownloadTimeout * 1000);
    if (m_pListener != nullptr)
        m_pListener->OnDownloadBegin();
    CFixHtmlView::OnDownloadBegin();
}

void CHtmlCommView::OnDownloadComplete()
{
    m_downloadTimer.Kill();
    if (m_pListener != nullptr)
        m_pListener->OnDownloadComplete();
    CFixHtmlView::OnDownloadComplete();
}

void CHtmlCommView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != HTMLVIEW_TIMER_DOWNLOAD)
    {
        CFixHtmlView::OnTimer(nIDEvent);
        return;
    }
    m_downloadTimer.Kill();
    Stop();
    if (m_pListener != nullptr)
        m_pListener->OnDownloadTimeout();
}

void CHtmlCommView::OnNewWindow3(LPDISPATCH* ppDisp, BOOL* pbCancel, DWORD, LPCTSTR, LPCTSTR lpszUrl)
{
    switch (DecideNewWindow(m_bOpenNewWindowInPlace, lpszUrl))
    {
    case HTMLNEWWINDOW_USE_THIS:
        *ppDisp = GetApplication();
        break;
    case HTMLNEWWINDOW_NAVIGATE_HERE:
        *pbCancel = TRUE;
        // Not this class's Navigate: a link the user clicked stays the user's.
        CFixHtmlView::Navigate(lpszUrl);
        break;
    case HTMLNEWWINDOW_ALLOW:
        break;
    }
}

void CHtmlCommView::OnDestroy()
{
    m_downloadTimer.Kill();
    m_pListener = nullptr;
    CFixHtmlView::OnDestroy();
}
