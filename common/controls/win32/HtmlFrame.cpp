#include "controls/HtmlFrame.h"

#include "controls/HtmlCommView.h"

IMPLEMENT_DYNCREATE(CHtmlFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CHtmlFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CHtmlFrame::CHtmlFrame() = default;

BOOL CHtmlFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}

int CHtmlFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CObject* pObject = RUNTIME_CLASS(CHtmlCommView)->CreateObject();
    auto* pView = static_cast<CHtmlCommView*>(pObject);
    CRect rect;
    GetClientRect(&rect);
    // A view that cannot be made deletes itself.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, this, HTMLFRAME_VIEW_ID, nullptr))
        return -1;
    m_pView = pView;
    SetActiveView(pView);
    pView->SetSilent(TRUE);
    return 0;
}

void CHtmlFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (IsViewValid())
        m_pView->MoveWindow(0, 0, cx, cy);
}

void CHtmlFrame::OnDestroy()
{
    // The view goes with its window (it deletes itself).
    m_pView = nullptr;
    CFrameWnd::OnDestroy();
}

BOOL CHtmlFrame::IsViewValid() const
{
    return m_pView != nullptr && ::IsWindow(m_pView->m_hWnd);
}

BOOL CHtmlFrame::NavigateResource(UINT nResourceId)
{
    return IsViewValid() && m_pView->NavigateResource(nResourceId);
}

BOOL CHtmlFrame::Navigate(LPCTSTR lpszURL, DWORD dwFlags, LPCTSTR lpszTargetFrameName, LPCTSTR lpszHeaders,
                          LPCVOID lpvPostData, DWORD dwPostLength)
{
    return IsViewValid() &&
           m_pView->Navigate(lpszURL, dwFlags, lpszTargetFrameName, lpszHeaders, lpvPostData, dwPostLength);
}

BOOL CHtmlFrame::FindElement(LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue, int nFlags)
{
    return IsViewValid() && m_pView->FindElement(lpszTag, lpszAttrName, lpszAttrValue, nFlags);
}

BOOL CHtmlFrame::SetElementValue(LPCTSTR lpszTag, LPCTSTR lpszAttrToSet, LPCTSTR lpszValue,
                                 LPCTSTR lpszMatchAttr, LPCTSTR lpszMatchValue)
{
    return IsViewValid() &&
           m_pView->SetElementValue(lpszTag, lpszAttrToSet, lpszValue, lpszMatchAttr, lpszMatchValue);
}

BOOL CHtmlFrame::GetForm(std::unique_ptr<CPageElement>& form, LPCTSTR lpszName)
{
    form.reset();
    return IsViewValid() && m_pView->GetForm(form, lpszName);
}

BOOL CHtmlFrame::SubmitForm(LPCTSTR lpszName)
{
    return IsViewValid() && m_pView->SubmitForm(lpszName);
}

BOOL CHtmlFrame::GoForward()
{
    if (!IsViewValid())
        return FALSE;
    m_pView->GoForward();
    return TRUE;
}

BOOL CHtmlFrame::GoBack()
{
    if (!IsViewValid())
        return FALSE;
    m_pView->GoBack();
    return TRUE;
}

BOOL CHtmlFrame::Stop()
{
    if (!IsViewValid())
        return FALSE;
    m_pView->Stop();
    return TRUE;
}

void CHtmlFrame::SetListener(CHtmlViewEvents* pListener)
{
    if (IsViewValid())
        m_pView->SetListener(pListener);
}

CHtmlFrame* CreateHtmlFrame(CWnd* pParent, const RECT& rect, UINT nID, BOOL bVisible)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return nullptr;
    CObject* pObject = RUNTIME_CLASS(CHtmlFrame)->CreateObject();
    auto* pFrame = static_cast<CHtmlFrame*>(pObject);
    DWORD dwStyle = WS_CHILD | (bVisible ? WS_VISIBLE : 0);
    // A frame that cannot be made deletes itself.
    if (!pFrame->Create(nullptr, "", dwStyle, rect, pParent))
        return nullptr;
    pFrame->SetDlgCtrlID((int)nID);
    pFrame->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return pFrame;
}
