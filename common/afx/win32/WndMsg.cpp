// CWnd: message dispatch, command and notification routing, reflection,
// and the default handlers.
#include "afx/Wnd.h"

#include "afx/CmdTarget.h"
#include "afx/DC.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "afx/win32/AfxState.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_CTLCOLOR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
ON_WM_QUERYENDSESSION()
ON_WM_ENDSESSION()
END_MESSAGE_MAP()

namespace
{
CPoint PointOf(LPARAM lParam)
{
    return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam));
}

const AFX_MSGMAP_ENTRY* FindRegisteredEntry(const AFX_MSGMAP* pMap, UINT message)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
        {
            if (p->nMessage == 0xC000 && *(const UINT*)p->nSig == message)
                return p;
        }
    }
    return nullptr;
}
} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        const AFX_MSGMAP_ENTRY* pEntry;
        if (message >= 0xC000 && message <= 0xFFFF)
            pEntry = FindRegisteredEntry(GetMessageMap(), message);
        else
        {
            UINT nLookup = message;
            if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
                nLookup = WM_CTLCOLOR;
            pEntry = FindMessageEntry(GetMessageMap(), nLookup, 0, 0);
        }
        // The handler may destroy and delete this object: nothing of it is
        // touched after the call.
        if (pEntry == nullptr || !DispatchWindowMessage(pEntry, message, wParam, lParam, &lResult))
            return FALSE;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::DispatchWindowMessage(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT* pResult)
{
    AFX_PMSG pfn = pEntry->pfn;
    LRESULT lResult = 0;
    UINT_PTR nSig = pEntry->nMessage == 0xC000 ? (UINT_PTR)AfxSig_lwl : pEntry->nSig;
    switch (nSig)
    {
    case AfxSig_vv:
        (this->*AfxPmsgAs<void (CWnd::*)()>(pfn))();
        break;
    case AfxSig_bv:
        // Reflected control notification with an _EX handler.
        if (!(this->*AfxPmsgAs<BOOL (CWnd::*)()>(pfn))())
            return FALSE;
        lResult = 1;
        break;
    case AfxSig_lwl:
        lResult = (this->*AfxPmsgAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        break;
    case AfxSig_is:
        lResult = (this->*AfxPmsgAs<int (CWnd::*)(LPCREATESTRUCT)>(pfn))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_bs:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)(LPCREATESTRUCT)>(pfn))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_vwii:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, int, int)>(pfn))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vii:
        (this->*AfxPmsgAs<void (CWnd::*)(int, int)>(pfn))((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwpR:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, LPRECT)>(pfn))((UINT)wParam, (LPRECT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vt:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT_PTR)>(pfn))((UINT_PTR)wParam);
        break;
    case AfxSig_bD:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)(CDC*)>(pfn))(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*AfxPmsgAs<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
            CDC::FromHandle((HDC)wParam), FromHandle((HWND)lParam), message - WM_CTLCOLORMSGBOX);
        break;
    case AfxSig_hDw:
    {
        // Reflected colour message: a null brush leaves it to the parent.
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
        HBRUSH hbr =
            (this->*AfxPmsgAs<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        if (hbr == nullptr)
            return FALSE;
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_vOWNER:
        (this->*AfxPmsgAs<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE:
        (this->*AfxPmsgAs<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pfn))((int)wParam,
                                                                          (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iCOMPARE:
        lResult = (this->*AfxPmsgAs<int (CWnd::*)(int, LPCOMPAREITEMSTRUCT)>(pfn))(
            (int)wParam, (LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vDELETE:
        (this->*AfxPmsgAs<void (CWnd::*)(int, LPDELETEITEMSTRUCT)>(pfn))((int)wParam,
                                                                         (LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vDRAWr:
        (this->*AfxPmsgAs<void (CWnd::*)(LPDRAWITEMSTRUCT)>(pfn))((LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASUREr:
        (this->*AfxPmsgAs<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(pfn))((LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_iCOMPAREr:
        lResult = (this->*AfxPmsgAs<int (CWnd::*)(LPCOMPAREITEMSTRUCT)>(pfn))((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case AfxSig_vDELETEr:
        (this->*AfxPmsgAs<void (CWnd::*)(LPDELETEITEMSTRUCT)>(pfn))((LPDELETEITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vWp:
        (this->*AfxPmsgAs<void (CWnd::*)(CWnd*, CPoint)>(pfn))(FromHandle((HWND)wParam), PointOf(lParam));
        break;
    case AfxSig_bWww:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
            FromHandle((HWND)wParam), (UINT)(int)(short)LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*AfxPmsgAs<int (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
            FromHandle((HWND)wParam), (UINT)(int)(short)LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwp:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, CPoint)>(pfn))((UINT)wParam, PointOf(lParam));
        break;
    case AfxSig_bwsp:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(
            LOWORD(wParam), (short)HIWORD(wParam), PointOf(lParam));
        break;
    case AfxSig_vwww:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, UINT, UINT)>(pfn))((UINT)wParam, LOWORD(lParam),
                                                                  HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*AfxPmsgAs<void (CWnd::*)(CWnd*)>(pfn))(
            FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_vMINMAX:
        (this->*AfxPmsgAs<void (CWnd::*)(MINMAXINFO*)>(pfn))((MINMAXINFO*)lParam);
        break;
    case AfxSig_vMww:
        (this->*AfxPmsgAs<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(CMenu::FromHandle((HMENU)wParam),
                                                                    LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vM:
        (this->*AfxPmsgAs<void (CWnd::*)(CMenu*)>(pfn))(CMenu::FromHandle((HMENU)wParam));
        break;
    case AfxSig_vwwh:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                                   (HMENU)lParam);
        break;
    case AfxSig_vwl:
    case AfxSig_vwl_parent:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, LPARAM)>(pfn))((UINT)wParam, lParam);
        break;
    case AfxSig_vbw:
        (this->*AfxPmsgAs<void (CWnd::*)(BOOL, UINT)>(pfn))((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vwWb:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(LOWORD(wParam), FromHandle((HWND)lParam),
                                                                   HIWORD(wParam));
        break;
    case AfxSig_vbd:
        (this->*AfxPmsgAs<void (CWnd::*)(BOOL, DWORD)>(pfn))((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_vwwS:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(
            LOWORD(wParam), HIWORD(wParam), (CScrollBar*)FromHandle((HWND)lParam));
        break;
    case AfxSig_vww:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, UINT)>(pfn))(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_lp:
        lResult = (this->*AfxPmsgAs<LRESULT (CWnd::*)(CPoint)>(pfn))(PointOf(lParam));
        break;
    case AfxSig_vHDROP:
        (this->*AfxPmsgAs<void (CWnd::*)(HDROP)>(pfn))((HDROP)wParam);
        break;
    case AfxSig_b:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)()>(pfn))();
        break;
    case AfxSig_vb:
        (this->*AfxPmsgAs<void (CWnd::*)(BOOL)>(pfn))((BOOL)wParam);
        break;
    case AfxSig_vws:
        (this->*AfxPmsgAs<void (CWnd::*)(UINT, LPCTSTR)>(pfn))((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_bHELPINFO:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)(HELPINFO*)>(pfn))((HELPINFO*)lParam);
        break;
    case AfxSig_vPOS:
        (this->*AfxPmsgAs<void (CWnd::*)(WINDOWPOS*)>(pfn))((WINDOWPOS*)lParam);
        break;
    case AfxSig_wv:
        lResult = (this->*AfxPmsgAs<UINT (CWnd::*)()>(pfn))();
        break;
    case AfxSig_vCALC:
        (this->*AfxPmsgAs<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))((BOOL)wParam,
                                                                          (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_bWCDS:
        lResult = (this->*AfxPmsgAs<BOOL (CWnd::*)(CWnd*, COPYDATASTRUCT*)>(pfn))(FromHandle((HWND)wParam),
                                                                                  (COPYDATASTRUCT*)lParam);
        break;
    default:
        return FALSE;
    }
    *pResult = lResult;
    return TRUE;
}

// ---------------------------------------------------------------------------
// Commands and notifications

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr)
    {
        // Menu or accelerator: a command whose update handler disables it
        // is not run (an accelerator does not look at the menu).
        if (nID == 0)
            return FALSE;
        class CTestCmdUI : public CCmdUI
        {
        public:
            BOOL m_bEnabled = TRUE;
            void Enable(BOOL bOn) override
            {
                m_bEnabled = bOn;
                m_bEnableChanged = TRUE;
            }
            void SetCheck(int) override {}
            void SetRadio(BOOL) override {}
            void SetText(LPCTSTR) override {}
        } test;
        test.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &test, nullptr);
        if (!test.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = (UINT)pNMHDR->idFrom;
    int nCode = (int)pNMHDR->code;
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
    {
        int nCode = HIWORD(wParam);
        if (CWnd::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
        {
            if (pResult != nullptr)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        AFX_NOTIFY notify;
        LRESULT lResult = 0;
        notify.pResult = pResult != nullptr ? pResult : &lResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG((int)pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = (HWND)lParam;
            ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
        }
        return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

// ---------------------------------------------------------------------------
// Default handlers

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}

BOOL CWnd::OnNcCreate(LPCREATESTRUCT)
{
    return (BOOL)Default();
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnNcDestroy()
{
    HWND hWnd = m_hWnd;
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
    {
        // The end of the main window is the end of the thread's loop.
        if (pThread->m_pMainWnd == this)
        {
            ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = nullptr;
    }
    Default();
    if (FromHandlePermanent(hWnd) == this)
        Detach();
    PostNcDestroy();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnNcPaint()
{
    Default();
}

void CWnd::OnCancelMode()
{
    Default();
}

void CWnd::OnSysColorChange()
{
    Default();
}

void CWnd::OnEnterSizeMove()
{
    Default();
}

void CWnd::OnExitSizeMove()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnMove(int, int)
{
    Default();
}

void CWnd::OnSizing(UINT, LPRECT)
{
    Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU)
    {
        CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem);
        if (pMenu != nullptr)
        {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU)
    {
        CMenu* pMenu = CMenu::FindPermanentPopup(::GetMenu(m_hWnd), lpMeasureItemStruct->itemID);
        if (pMenu == nullptr)
            pMenu =
                CMenu::FindPermanentPopup(AfxGetThreadState()->m_hTrackingMenu, lpMeasureItemStruct->itemID);
        if (pMenu != nullptr)
        {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    }
    else if (ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
        return;
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return (int)lResult;
    return (int)Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}

int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return (int)Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnNcMouseMove(UINT, CPoint)
{
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSysChar(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}

void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

void CWnd::OnInitMenu(CMenu*)
{
    Default();
}

void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) && ReflectLastMsg((HWND)lParam))
        return;
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}

void CWnd::OnActivateApp(BOOL, DWORD)
{
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr && ReflectLastMsg(((CWnd*)pScrollBar)->m_hWnd))
        return;
    Default();
}

LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}

void CWnd::OnDropFiles(HDROP)
{
    Default();
}

BOOL CWnd::OnQueryEndSession()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
        return pApp->SaveAllModified();
    return TRUE;
}

void CWnd::OnEndSession(BOOL bEnding)
{
    CWinApp* pApp = AfxGetApp();
    if (bEnding && pApp != nullptr && pApp->m_pMainWnd == this)
        pApp->EndSession();
}

void CWnd::OnEnterMenuLoop(BOOL)
{
    Default();
}

void CWnd::OnExitMenuLoop(BOOL)
{
    Default();
}

void CWnd::OnEnable(BOOL)
{
    Default();
}

void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    Default();
}

BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    return (BOOL)Default();
}

void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}

void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}

UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}

void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}

BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*)
{
    return (BOOL)Default();
}
