// CStatusBar: panes on the common status bar control.
#include "afx/ControlBar.h"

#include "afx/CmdTarget.h"
#include "afx/CommonControls.h"
#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/Gdi.h"
#include "afx/ScopedWin.h"
#include "afx/StringTable.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_WM_SIZE()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
// Pane text, enabled state and pop-out look follow the update handlers of
// the pane's id.
class CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        UINT nOld = pBar->GetPaneStyle((int)m_nIndex);
        UINT nNew = bOn ? (nOld & ~SBPS_DISABLED) : (nOld | SBPS_DISABLED);
        if (nNew != nOld)
            pBar->SetPaneStyle((int)m_nIndex, nNew);
    }
    void SetCheck(int nCheck) override
    {
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        UINT nOld = pBar->GetPaneStyle((int)m_nIndex);
        UINT nNew = nCheck != 0 ? (nOld | SBPS_POPOUT) : (nOld & ~SBPS_POPOUT);
        if (nNew != nOld)
            pBar->SetPaneStyle((int)m_nIndex, nNew);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCTSTR lpszText) override
    {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText((int)m_nIndex, lpszText);
    }
};

// The bar's font, the GUI font before it has one.
HGDIOBJ BarFont(HWND hWnd)
{
    HGDIOBJ hFont = (HGDIOBJ)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
    return hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT);
}
} // namespace

CStatusBar::CStatusBar()
{
    m_cyTopBorder = m_cyBottomBorder = 0;
    m_cxLeftBorder = 0;
}

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    SetupBar(pParentWnd, dwStyle);
    // A resizable frame gets the size grip.
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME) != 0)
        dwCtrlStyle |= SBARS_SIZEGRIP;
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle;
    CRect rect(0, 0, 0, 0);
    if (!CWnd::Create(STATUSCLASSNAMEA, nullptr, dwWindowStyle, rect, pParentWnd, nID))
        return FALSE;
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->AddControlBar(this);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.assign(nIDCount > 0 ? (size_t)nIDCount : 0, Pane());
    m_nCount = (int)m_panes.size();
    BOOL bResult = TRUE;
    {
        CClientDC dc(nullptr);
        CScopedSelectObject font(dc, BarFont(m_hWnd));
        for (int i = 0; i < m_nCount; ++i)
        {
            Pane& pane = m_panes[(size_t)i];
            pane.nID = lpIDArray != nullptr ? lpIDArray[i] : 0;
            if (pane.nID == ID_SEPARATOR)
            {
                pane.nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
                continue;
            }
            // The indicator's string sizes the pane.
            char buf[256];
            int n = AfxLoadString(pane.nID, buf, sizeof(buf));
            if (n <= 0)
            {
                bResult = FALSE;
                continue;
            }
            pane.cxText = dc.GetTextExtent(buf, n).cx;
        }
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_nCount; ++i)
    {
        if (m_panes[(size_t)i].nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nCount ? m_panes[(size_t)nIndex].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    rString = nIndex >= 0 && nIndex < m_nCount ? m_panes[(size_t)nIndex].strText : CString();
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    CString str;
    GetPaneText(nIndex, str);
    return str;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    Pane& pane = m_panes[(size_t)nIndex];
    CString strNew(lpszNewText);
    if (pane.strText == strNew && (pane.nStyle & SBPS_OWNERDRAW) == 0)
        return TRUE;
    pane.strText = strNew;
    if (bUpdate && m_hWnd != nullptr)
        SendPaneText(nIndex);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
    {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    const Pane& pane = m_panes[(size_t)nIndex];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return;
    Pane& pane = m_panes[(size_t)nIndex];
    BOOL bChanged = pane.nStyle != nStyle || pane.cxText != cxWidth;
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    if (bChanged)
        UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_nCount ? m_panes[(size_t)nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= m_nCount || m_panes[(size_t)nIndex].nStyle == nStyle)
        return;
    m_panes[(size_t)nIndex].nStyle = nStyle;
    if (m_hWnd != nullptr)
        SendPaneText(nIndex);
}

CStatusBarCtrl& CStatusBar::GetStatusBarCtrl() const
{
    // The bar is the control: the wrapper adds methods, no data.
    return *reinterpret_cast<CStatusBarCtrl*>(const_cast<CStatusBar*>(this));
}

void CStatusBar::SendPaneText(int nIndex)
{
    const Pane& pane = m_panes[(size_t)nIndex];
    WPARAM wParam = (WPARAM)nIndex | (pane.nStyle & 0xFF00);
    // A disabled pane shows nothing; an owner-drawn one gets its index
    // as item data and reads its text in DrawItem.
    if ((pane.nStyle & SBT_OWNERDRAW) != 0)
        SendMessage(SB_SETTEXTA, wParam, (LPARAM)nIndex);
    else
        SendMessage(SB_SETTEXTA, wParam,
                    (LPARAM)((pane.nStyle & SBPS_DISABLED) != 0 ? "" : (LPCTSTR)pane.strText));
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr)
        return;
    if (bUpdateRects)
    {
        // Right edges: fixed panes keep their width plus the control's
        // padding, the stretching pane takes the rest.
        int borders[3] = {};
        SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
        CRect rectClient;
        GetClientRect(rectClient);
        int cxGrip = (GetStyle() & SBARS_SIZEGRIP) != 0 ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
        int cxFixed = 0;
        int nStretch = -1;
        for (int i = 0; i < m_nCount; ++i)
        {
            if ((m_panes[(size_t)i].nStyle & SBPS_STRETCH) != 0 && nStretch < 0)
                nStretch = i;
            else
                cxFixed += m_panes[(size_t)i].cxText + borders[2] * 2 + 4;
        }
        int cxStretch = rectClient.Width() - cxGrip - cxFixed;
        if (cxStretch < 0)
            cxStretch = 0;
        std::vector<int> edges((size_t)(m_nCount > 0 ? m_nCount : 1));
        int right = 0;
        for (int i = 0; i < m_nCount; ++i)
        {
            right += i == nStretch ? cxStretch : m_panes[(size_t)i].cxText + borders[2] * 2 + 4;
            edges[(size_t)i] = right;
        }
        if (m_nCount > 0)
            edges[(size_t)m_nCount - 1] = -1; // the last one reaches the end
        SendMessage(SB_SETPARTS, (WPARAM)(m_nCount > 0 ? m_nCount : 1), (LPARAM)edges.data());
    }
    if (bUpdateText)
    {
        for (int i = 0; i < m_nCount; ++i)
            SendPaneText(i);
    }
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
    // One line of the bar's font, with the control's borders.
    CClientDC dc(nullptr);
    TEXTMETRICA tm = {};
    {
        CScopedSelectObject font(dc, BarFont(m_hWnd));
        dc.GetTextMetrics(&tm);
    }
    int borders[3] = {};
    if (m_hWnd != nullptr)
        SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
    return CSize(32767, tm.tmHeight + tm.tmExternalLeading + borders[1] * 2 + 6);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_nCount;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // Panes never grey out for want of a handler.
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, FALSE);
    }
}

BOOL CStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CControlBar::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

void CStatusBar::DrawItem(LPDRAWITEMSTRUCT) {}

void CStatusBar::EraseNonClient()
{
    // The common control paints its own edges.
    Default();
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    // The frame's message text is pane 0's.
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0)
        return FALSE;
    SetPaneText(nIndex, (LPCTSTR)lParam);
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    CString str = nIndex >= 0 ? m_panes[(size_t)nIndex].strText : CString();
    if (wParam == 0 || lParam == 0)
        return 0;
    ::lstrcpynA((LPSTR)lParam, str, (int)wParam);
    return ::lstrlenA((LPCSTR)lParam);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 ? m_panes[(size_t)nIndex].strText.GetLength() : 0;
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    UpdateAllPanes(TRUE, FALSE);
}

void CStatusBar::OnPaint()
{
    Default();
}
