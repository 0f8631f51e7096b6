#include "app/DialogLayout.h"

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/Menu.h"
#include "afx/ScopedWin.h"
#include "afx/Wnd.h"
#include "app/DialogProfile.h"
#include "app/WindowHelpers.h"

#ifndef OBM_SIZE
#define OBM_SIZE 32766 // defined by <windows.h> only under OEMRESOURCE
#endif

CDialogLayoutClient::~CDialogLayoutClient() = default;

void CDialogLayoutClient::RegisterLayoutControls() {}

CDialogLayoutItem::~CDialogLayoutItem() = default;

CDialogLayout::CDialogLayout(CWnd* pDialog, UINT nSettingsId, int cxDefault, int cyDefault)
    : m_pDialog(pDialog), m_nSettingsId(nSettingsId), m_cxDefault(cxDefault), m_cyDefault(cyDefault)
{
}

CDialogLayout::~CDialogLayout()
{
    for (POSITION pos = m_items.GetHeadPosition(); pos != nullptr;)
        delete static_cast<CDialogLayoutItem*>(m_items.GetNext(pos));
    m_items.RemoveAll();
}

BOOL CDialogLayout::HasWindow() const
{
    return m_pDialog != nullptr && ::IsWindow(m_pDialog->GetSafeHwnd());
}

void CDialogLayout::Init(CDialogLayoutClient* pClient)
{
    if (pClient != nullptr)
        pClient->RegisterLayoutControls();
    if (!HasWindow())
        return;
    CRect rcWindow, rcClient;
    m_pDialog->GetWindowRect(&rcWindow);
    m_pDialog->GetClientRect(&rcClient);
    m_cxInitialWindow = rcWindow.Width();
    m_cyInitialWindow = rcWindow.Height();
    m_cxInitialClient = rcClient.Width();
    m_cyInitialClient = rcClient.Height();

    const int cx = OpeningExtent(GetDialogProfileInt(m_nSettingsId, "Width", m_cxDefault), m_cxInitialWindow);
    const int cy =
        OpeningExtent(GetDialogProfileInt(m_nSettingsId, "Height", m_cyDefault), m_cyInitialWindow);
    if (MoveWindowInWorkArea(m_pDialog, rcWindow.left, rcWindow.top, cx, cy, FALSE) &&
        (m_pDialog->GetStyle() & WS_POPUP) != 0)
        m_pDialog->CenterWindow();
}

BOOL CDialogLayout::AddControl(int nID, DWORD dwAnchors)
{
    if (!HasWindow())
        return FALSE;
    HWND hControl = ::GetDlgItem(m_pDialog->m_hWnd, nID);
    if (hControl == nullptr)
        return FALSE;
    auto* pItem = new CDialogLayoutItem(nID, dwAnchors);
    ::GetWindowRect(hControl, &pItem->m_rect);
    m_pDialog->ScreenToClient(&pItem->m_rect);
    m_items.AddTail(pItem);
    return TRUE;
}

BOOL CDialogLayout::AddControl(CWnd* pControl, DWORD dwAnchors)
{
    HWND hControl = pControl->GetSafeHwnd();
    if (hControl == nullptr || !::IsWindow(hControl))
        return FALSE;
    return AddControl(::GetDlgCtrlID(hControl), dwAnchors);
}

void CDialogLayout::SetDefaultSize(int cx, int cy)
{
    m_cxDefault = cx;
    m_cyDefault = cy;
}

void CDialogLayout::GetMinMaxInfo(MINMAXINFO* pMMI) const
{
    if (pMMI != nullptr && m_cxInitialWindow != 0 && m_cyInitialWindow != 0)
    {
        pMMI->ptMinTrackSize.x = m_cxInitialWindow;
        pMMI->ptMinTrackSize.y = m_cyInitialWindow;
    }
}

void CDialogLayout::OnSize(UINT nType, int cx, int cy)
{
    if (m_cxInitialClient == 0 || m_cyInitialClient == 0 || nType == SIZE_MINIMIZED)
        return;
    Relayout(cx, cy);
    if (HasWindow() && (m_pDialog->GetStyle() & WS_POPUP) != 0)
    {
        CClientDC dc(m_pDialog);
        DrawSizeGrip(this, &dc);
        m_pDialog->RedrawWindow(nullptr, nullptr,
                                RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void CDialogLayout::Relayout(int cx, int cy)
{
    if (!HasWindow())
        return;
    int xScroll = 0, yScroll = 0;
    if (m_options.TestAny(optionScrolled))
    {
        xScroll = m_pDialog->GetScrollPos(SB_HORZ);
        yScroll = m_pDialog->GetScrollPos(SB_VERT);
    }
    const int dx = ClientGrowth(cx, m_cxInitialClient);
    const int dy = ClientGrowth(cy, m_cyInitialClient);
    for (POSITION pos = m_items.GetHeadPosition(); pos != nullptr;)
    {
        auto* pItem = static_cast<CDialogLayoutItem*>(m_items.GetNext(pos));
        HWND hControl = ::GetDlgItem(m_pDialog->m_hWnd, pItem->m_nID);
        if (hControl == nullptr || pItem->m_rect.IsRectEmpty() || pItem->m_dwAnchors == 0)
            continue;
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
        if ((pItem->m_dwAnchors & ANCHOR_MOVE_MASK) == 0)
            nFlags |= SWP_NOMOVE;
        if ((pItem->m_dwAnchors & ANCHOR_GROW_MASK) == 0)
            nFlags |= SWP_NOSIZE;
        const CRect rc = AnchoredControlRect(pItem->m_rect, pItem->m_dwAnchors, dx, dy, xScroll, yScroll);
        ::SetWindowPos(hControl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(), nFlags);
    }
}

void CDialogLayout::SaveSize()
{
    if (!HasWindow())
        return;
    CRect rcWindow;
    m_pDialog->GetWindowRect(&rcWindow);
    WriteDialogProfileInt(m_nSettingsId, "Width", rcWindow.Width());
    WriteDialogProfileInt(m_nSettingsId, "Height", rcWindow.Height());
}

BOOL CDialogLayoutHolder::AddControl(int nID, DWORD dwAnchors)
{
    return IsAttached() && (*m_ppLayout)->AddControl(nID, dwAnchors);
}

BOOL CDialogLayoutHolder::AddControl(CWnd* pControl, DWORD dwAnchors)
{
    return IsAttached() && (*m_ppLayout)->AddControl(pControl, dwAnchors);
}

void DrawSizeGrip(CDialogLayout* pLayout, CDC* pDC)
{
    if (pLayout == nullptr || pDC == nullptr || pLayout->GetDialog() == nullptr)
        return;
    CBitmap grip;
    BITMAP info = {};
    if (!grip.LoadOEMBitmap(OBM_SIZE) || grip.GetBitmap(&info) == 0)
        return;
    CRect rcClient;
    pLayout->GetDialog()->GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_BTNFACE));
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CScopedSelectObject select(memDC.m_hDC, grip.m_hObject);
    pDC->BitBlt(rcClient.right - info.bmWidth, rcClient.bottom - info.bmHeight, info.bmWidth, info.bmHeight,
                &memDC, 0, 0, SRCCOPY);
}

void RemoveSizeCommands(CMenu* pMenu)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return;
    pMenu->RemoveMenu(SC_RESTORE, MF_BYCOMMAND);
    pMenu->RemoveMenu(SC_MINIMIZE, MF_BYCOMMAND);
    pMenu->RemoveMenu(SC_MAXIMIZE, MF_BYCOMMAND);
}
