// CCmdTarget: message map lookup and command dispatch; CCmdUI.
#include "afx/CmdTarget.h"

#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
        {
            if (p->nMessage == nMsg && p->nCode == nCode && nID >= p->nID && nID <= p->nLastID)
                return p;
        }
    }
    return nullptr;
}

namespace
{
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig)
{
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (nSig)
    {
    case AfxSig_vv:
        (pTarget->*pfn)();
        return TRUE;
    case AfxSig_bv:
        return (pTarget->*AfxPmsgAs<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSig_vw:
        (pTarget->*AfxPmsgAs<void (CCmdTarget::*)(UINT)>(pfn))(nID);
        return TRUE;
    case AfxSig_bw:
        return (pTarget->*AfxPmsgAs<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSig_cmdui:
    case AfxSig_cmduiw:
    {
        // A handler that calls ContinueRouting lets the next target answer.
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (pCmdUI == nullptr || (UINT)nCode != CN_UPDATE_COMMAND_UI)
            return FALSE;
        pCmdUI->m_bContinueRouting = FALSE;
        if (nSig == AfxSig_cmdui)
            (pTarget->*AfxPmsgAs<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
        else
            (pTarget->*AfxPmsgAs<void (CCmdTarget::*)(CCmdUI*, UINT)>(pfn))(pCmdUI, nID);
        BOOL bResult = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        return bResult;
    }
    case AfxSig_vNMHDRpl:
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*AfxPmsgAs<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSig_bNMHDRpl:
        if (pNotify == nullptr)
            return FALSE;
        return (pTarget->*AfxPmsgAs<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR,
                                                                                  pNotify->pResult);
    case AfxSig_vwNMHDRpl:
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*AfxPmsgAs<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR,
                                                                                 pNotify->pResult);
        return TRUE;
    case AfxSig_bwNMHDRpl:
        if (pNotify == nullptr)
            return FALSE;
        return (pTarget->*AfxPmsgAs<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR,
                                                                                        pNotify->pResult);
    default:
        return FALSE;
    }
}
} // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    UINT nLookupCode = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nLookupCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nMsg, nLookupCode, nID);
    if (pEntry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }
    return DispatchCmdMsg(this, nID, nCode, pEntry->pfn, pExtra, pEntry->nSig);
}

void CCmdTarget::BeginWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->DoWaitCursor(0);
}

// ---------------------------------------------------------------------------
// CCmdUI: menu items here; bars and panes override.

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return; // a pop-up entry stays as it is
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != nullptr)
    {
        // A control that loses its enabled state gives the focus on first.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
            HWND hWndNext = ::GetNextDlgTabItem(hWndParent, m_pOther->m_hWnd, FALSE);
            if (hWndNext != nullptr)
                ::SetFocus(hWndNext);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != nullptr && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) != 0)
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        if (bOn)
            ::CheckMenuRadioItem(m_pMenu->m_hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
        else
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
    }
    else
        SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (lpszText == nullptr)
        lpszText = "";
    if (m_pMenu != nullptr)
    {
        if (m_pSubMenu != nullptr)
            return;
        // The item keeps its state; only the text changes.
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_STRING;
        mii.dwTypeData = const_cast<LPSTR>(lpszText);
        ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
    }
    else if (m_pOther != nullptr)
    {
        CString current;
        m_pOther->GetWindowText(current);
        if (current != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHandler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = {};
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}
