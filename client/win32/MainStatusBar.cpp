#include "client/MainStatusBar.h"

#include "afx/FrameWnd.h"
#include "afx/afxres.h"
#include "client/StatusPaneTexts.h"
#include "client/TanzoResourceIds.h"

namespace
{
const UINT kIndicators[CMainStatusBar::PaneCount] = {ID_SEPARATOR, IDS_PANE_SELECTED, IDS_PANE_LOGIN,
                                                     IDS_PANE_ITEMS, IDS_PANE_PROGRESS};
// The progress marks: blue on white.
const COLORREF kProgressText = 0xFF0000;
const COLORREF kProgressBack = 0xFFFFFF;
} // namespace

IMPLEMENT_DYNAMIC(CMainStatusBar, CHighlightStatusBar)

CMainStatusBar::CMainStatusBar() {}

CMainStatusBar::~CMainStatusBar() {}

BOOL CMainStatusBar::CreateBar(CFrameWnd* pFrame)
{
    if (!Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !SetIndicators(kIndicators, PaneCount))
        return FALSE;
    SetPaneAlignment(paneItems, STATUSPANE_ALIGN_CENTER);
    ShowItemCount(0);
    SetPaneTextColor(paneProgress, kProgressText, FALSE);
    SetPaneBkColor(paneProgress, kProgressBack, FALSE);
    SetPaneText(paneProgress, "");
    ShowSelectedCount(0);
    m_loginPane.SetStatusBar(this);
    m_loginPane.Begin(paneLogin);
    ShowLoginSettingText(0);
    return TRUE;
}

void CMainStatusBar::ShowSelectedCount(int count)
{
    if (GetSafeHwnd() != nullptr)
        SetPaneNumber(paneSelected, count, IDS_PANE_SELECTED_FORMAT);
}

void CMainStatusBar::ShowItemCount(int count)
{
    if (GetSafeHwnd() != nullptr)
        SetPaneNumber(paneItems, count, IDS_PANE_ITEMS_FORMAT);
}

void CMainStatusBar::ShowLoginSettingText(int loginSettingType)
{
    if (GetSafeHwnd() != nullptr)
        m_loginPane.SetText(FormatLoginSettingText(loginSettingType), TRUE);
}

void CMainStatusBar::AddProgressMark(DWORD dwInternetStatus)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CString marks = GetPaneText(paneProgress);
    ::AddProgressMark(dwInternetStatus, marks);
    SetPaneText(paneProgress, marks);
}
