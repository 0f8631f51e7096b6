#include "controls/TempHtmlPreviewHost.h"

#include "afx/Dialog.h"
#include "app/AppComm.h"
#include "app/BaseDialog.h"
#include "app/ClipboardShell.h"
#include "controls/HtmlFrame.h"

#include <exdisp.h>

CTempHtmlPreviewHost::CTempHtmlPreviewHost() = default;

CTempHtmlPreviewHost::~CTempHtmlPreviewHost()
{
    // The browser may outlive the host for a moment: it must not call back.
    if (CHtmlFrame* pFrame = GetFrame())
        pFrame->SetListener(nullptr);
}

CHtmlFrame* CTempHtmlPreviewHost::GetFrame() const
{
    if (m_hFrame == nullptr || !::IsWindow(m_hFrame))
        return nullptr;
    CWnd* pWnd = CWnd::FromHandlePermanent(m_hFrame);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CHtmlFrame)) ? static_cast<CHtmlFrame*>(pWnd)
                                                                        : nullptr;
}

BOOL CTempHtmlPreviewHost::CreateFrame(const RECT& rect, UINT nCtrlId)
{
    m_bFrameAttempted = TRUE;
    if (m_pOwner == nullptr || !::IsWindow(m_pOwner->GetSafeHwnd()))
        return FALSE;
    CHtmlFrame* pFrame = CreateHtmlFrame(m_pOwner, rect, nCtrlId, !m_options.TestAny(PREVIEW_HIDDEN_BROWSER));
    if (pFrame == nullptr)
        return FALSE;
    m_hFrame = pFrame->m_hWnd;
    if (m_pOwner->IsKindOf(RUNTIME_CLASS(CBaseDialog)))
    {
        auto* pDialog = static_cast<CBaseDialog*>(m_pOwner);
        if (pDialog->IsAttached())
        {
            pDialog->AddControl(pFrame, ANCHOR_FILL);
            if (m_pStatusWindow != nullptr && pDialog->AddControl(m_pStatusWindow, ANCHOR_STRETCH_X_BOTTOM))
                m_pStatusWindow->RedrawWindow();
        }
    }
    pFrame->SetListener(this);
    return TRUE;
}

BOOL CTempHtmlPreviewHost::CreateFrameOver(CWnd* pPlaceholder, UINT nCtrlId)
{
    CRect rect;
    if (pPlaceholder != nullptr && ::IsWindow(pPlaceholder->m_hWnd) && m_pOwner != nullptr)
    {
        pPlaceholder->GetWindowRect(&rect);
        m_pOwner->ScreenToClient(&rect);
    }
    return CreateFrame(rect, nCtrlId);
}

BOOL CTempHtmlPreviewHost::WriteAndShow(LPCTSTR lpszName)
{
    CWinApp* pApp = AfxGetApp();
    if (lpszName == nullptr || *lpszName == '\0' || pApp == nullptr ||
        !pApp->IsKindOf(RUNTIME_CLASS(CAppComm)))
        return FALSE;
    CString workFile;
    if (!static_cast<CAppComm*>(pApp)->GetTempWorkFilePath(workFile) || !WritePreviewFile(workFile, lpszName))
        return FALSE;
    CHtmlFrame* pFrame = GetFrame();
    DWORD dwFlags = m_options.TestAny(PREVIEW_WITH_HISTORY) ? 0 : navNoHistory;
    return pFrame != nullptr && pFrame->Navigate(GetFilePath(), dwFlags);
}

BOOL CTempHtmlPreviewHost::IsContextMenuBlocked()
{
    return TRUE;
}

BOOL CTempHtmlPreviewHost::OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR, CByteArray&, LPCTSTR,
                                             BOOL*)
{
    if (DecidePreviewNavigation(*this, lpszURL, nFlags) == PREVIEW_NAV_PASS)
        return FALSE;
    OpenInBrowser(lpszURL, m_pOwner != nullptr ? m_pOwner->GetSafeHwnd() : nullptr);
    return TRUE;
}

void CTempHtmlPreviewHost::OnStatusTextChange(LPCTSTR lpszText)
{
    if (m_pStatusWindow == nullptr || !::IsWindow(m_pStatusWindow->m_hWnd) || !IsPreviewStatusText(lpszText))
        return;
    m_pStatusWindow->SetText(lpszText != nullptr ? lpszText : "");
    m_pStatusWindow->Redraw();
}

void CTempHtmlPreviewHost::OnDownloadTimeout()
{
    CHtmlViewEvents::OnDownloadTimeout();
    if (m_pOwner != nullptr && ::IsWindow(m_pOwner->m_hWnd) && m_pOwner->IsKindOf(RUNTIME_CLASS(CDialog)) &&
        (m_pOwner->GetStyle() & WS_POPUP) != 0)
        static_cast<CDialog*>(m_pOwner)->EndDialog(IDCANCEL);
}
