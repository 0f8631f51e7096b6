#include "app/BaseDialog.h"

#include "afx/Controls.h"
#include "afx/DC.h"
#include "afx/FrameWnd.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "app/AppComm.h"
#include "app/FrameIconSource.h"
#include "app/WindowHelpers.h"

IMPLEMENT_DYNAMIC(CBaseDialog, CDialog)

BEGIN_MESSAGE_MAP(CBaseDialog, CDialog)
ON_WM_HELPINFO()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_GETMINMAXINFO()
ON_WM_SIZE()
ON_COMMAND(ID_DIALOG_HELP, OnHelpMenuCommand)
ON_UPDATE_COMMAND_UI(ID_DIALOG_HELP, OnUpdateHelpMenuCommand)
ON_MESSAGE(WM_DIALOG_SET_INITIAL_FOCUS, OnSetInitialFocusMessage)
END_MESSAGE_MAP()

CBaseDialog::CBaseDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CDialog(nIDTemplate, pParentWnd), CDialogLayoutHolder(&m_pLayout), m_nTemplateId(nIDTemplate),
      m_nHelpId(nHelpId), m_nSettingsId(nSettingsId != 0 ? nSettingsId : nIDTemplate)
{
    m_dialogOptions.Add(dialogStandardTips);
}

CBaseDialog::~CBaseDialog()
{
    delete m_pLayout;
    m_pLayout = nullptr;
}

BOOL CBaseDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_DIALOG_HELP && lParam != 0)
    {
        OnHelpCommand();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CBaseDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR != nullptr && (pNMHDR->code == TTN_NEEDTEXTA || pNMHDR->code == TTN_NEEDTEXTW) &&
        HandleToolTipText(pNMHDR, pResult))
        return TRUE;
    return CDialog::OnNotify(wParam, lParam, pResult);
}

BOOL CBaseDialog::HandleToolTipText(NMHDR* pNMHDR, LRESULT* pResult)
{
    // Tools of this dialog are its controls, named by their window.
    const UINT uFlags =
        pNMHDR->code == TTN_NEEDTEXTA ? ((NMTTDISPINFOA*)pNMHDR)->uFlags : ((NMTTDISPINFOW*)pNMHDR)->uFlags;
    if ((uFlags & TTF_IDISHWND) == 0)
        return FALSE;
    const UINT nID = (UINT)::GetDlgCtrlID((HWND)pNMHDR->idFrom);
    if (nID == 0)
        return FALSE;
    CString strText;
    if (!GetToolTipText(nID, strText))
        return FALSE;
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        auto* pInfo = (NMTTDISPINFOA*)pNMHDR;
        pInfo->lpszText = m_toolTip.SetTipText(strText);
        pInfo->hinst = nullptr;
    }
    else
    {
        auto* pInfo = (NMTTDISPINFOW*)pNMHDR;
        pInfo->lpszText = m_toolTip.SetTipTextW(strText);
        pInfo->hinst = nullptr;
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}

void CBaseDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CBaseDialog::PreTranslateMessage(MSG* pMsg)
{
    m_toolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_RBUTTONDOWN)
    {
        if (IsCursorOutside() && ShowContextMenu())
            return TRUE;
    }
    else if (pMsg->message == WM_DIALOG_SET_INITIAL_FOCUS && pMsg->hwnd == m_hWnd)
    {
        OnSetInitialFocus();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CBaseDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindow(this);
    if (m_pLayout != nullptr)
        m_pLayout->Init(this);
    if ((GetStyle() & WS_SYSMENU) != 0)
        AdjustSystemMenu(GetSystemMenu(FALSE));
    if (m_toolTip.Create(this))
        SetStandardToolTips();
    return TRUE;
}

void CBaseDialog::OnOK()
{
    if (TestDialogOption(dialogHosted))
    {
        if (IsWindowValid(GetParent()))
            GetParent()->SendMessage(WM_COMMAND, IDOK, 0);
        return;
    }
    CDialog::OnOK();
    if (m_windowOptions.TestAny(windowModeless))
        BringMainWindowForward();
}

void CBaseDialog::OnCancel()
{
    if (TestDialogOption(dialogHosted))
    {
        if (IsWindowValid(GetParent()))
            GetParent()->SendMessage(WM_COMMAND, IDCANCEL, 0);
        return;
    }
    CDialog::OnCancel();
    if (m_windowOptions.TestAny(windowModeless))
        BringMainWindowForward();
}

UINT CBaseDialog::GetHelpId()
{
    CBaseDialog* pHost = nullptr;
    if (TestDialogOption(dialogHosted) && m_hWnd != nullptr)
        pHost = dynamic_cast<CBaseDialog*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return ResolveHelpId(m_nHelpId, TestDialogOption(dialogHosted), pHost);
}

BOOL CBaseDialog::CreateModeless(CWnd* pParentWnd)
{
    return CDialog::Create(m_nTemplateId, pParentWnd);
}

BOOL CBaseDialog::IsCommandEnabled(UINT nID)
{
    return nID == ID_DIALOG_HELP && GetHelpId() != 0;
}

void CBaseDialog::SetStandardToolTips()
{
    if (TestDialogOption(dialogStandardTips))
    {
        // A dialog without Cancel only closes.
        if (AddToolTip(GetDlgItem(IDCANCEL), IDS_TIP_DIALOG_CANCEL))
            AddToolTip(GetDlgItem(IDOK), IDS_TIP_DIALOG_OK);
        else
            AddToolTip(GetDlgItem(IDOK), IDS_TIP_DIALOG_CLOSE);
    }
    if (GetHelpId() != 0)
        AddToolTip(GetDlgItem(IDC_DIALOG_HELP), IDS_TIP_DIALOG_HELP);
}

BOOL CBaseDialog::ShowContextMenu()
{
    if (GetHelpId() == 0)
        return FALSE;
    CMenu menu;
    if (!menu.LoadMenu(IDR_DIALOG_CONTEXT_MENU))
        return FALSE;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return FALSE;
    UpdateMenuEnabling(pPopup);
    POINT ptCursor = {};
    ::GetCursorPos(&ptCursor);
    return pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptCursor.x, ptCursor.y, this);
}

void CBaseDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    if (m_pLayout != nullptr)
        RemoveSizeCommands(pSystemMenu);
}

void CBaseDialog::OnSetInitialFocus() {}

BOOL CBaseDialog::GetToolTipText(UINT nID, CString& strText)
{
    strText.Empty();
    HWND hControl = ::GetDlgItem(m_hWnd, (int)nID);
    auto* pSource = dynamic_cast<CToolTipTextSource*>(CWnd::FromHandlePermanent(hControl));
    if (pSource == nullptr)
        return FALSE;
    return pSource->GetToolTipText(strText) && !strText.IsEmpty();
}

void CBaseDialog::OnHelpCommand()
{
    const UINT nHelpId = GetHelpId();
    if (nHelpId != 0)
        m_helpWindow.Show(nHelpId);
}

BOOL CBaseDialog::CreateModelessCentered(CWnd* pParentWnd, BOOL bShow)
{
    if (!CDialog::Create(m_nTemplateId, pParentWnd))
        return FALSE;
    CenterWindow();
    if (bShow)
        ShowWindow(SW_SHOW);
    m_windowOptions.Add(windowModeless);
    return TRUE;
}

void CBaseDialog::EnableResize(BOOL bEnable, int cxDefault, int cyDefault)
{
    if (bEnable)
    {
        if (m_pLayout == nullptr)
            m_pLayout = new CDialogLayout(this, m_nSettingsId, cxDefault, cyDefault);
    }
    else
    {
        delete m_pLayout;
        m_pLayout = nullptr;
    }
}

int CBaseDialog::GetSettingInt(LPCTSTR lpszKey, int nDefault) const
{
    return GetDialogProfileInt(m_nSettingsId, lpszKey, nDefault);
}

void CBaseDialog::GetSettingString(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault) const
{
    GetDialogProfileString(m_nSettingsId, lpszKey, strValue, lpszDefault);
}

BOOL CBaseDialog::GetSettingStringArray(LPCTSTR lpszFormat, CStringArray& array, int nCount,
                                        LPCTSTR lpszDefault) const
{
    return GetDialogProfileStringArray(m_nSettingsId, lpszFormat, array, nCount, lpszDefault);
}

void CBaseDialog::WriteSettingInt(LPCTSTR lpszKey, int nValue) const
{
    WriteDialogProfileInt(m_nSettingsId, lpszKey, nValue);
}

void CBaseDialog::WriteSettingString(LPCTSTR lpszKey, LPCTSTR lpszValue) const
{
    WriteDialogProfileString(m_nSettingsId, lpszKey, lpszValue);
}

void CBaseDialog::WriteSettingStringArray(LPCTSTR lpszFormat, const CStringArray& array, int nCount,
                                          LPCTSTR lpszDefault) const
{
    WriteDialogProfileStringArray(m_nSettingsId, lpszFormat, array, nCount, lpszDefault);
}

BOOL CBaseDialog::LoadComboHistory(CComboBox* pCombo, LPCTSTR lpszFormat, int nCount)
{
    if (!IsWindowValid(pCombo))
        return FALSE;
    for (int i = pCombo->GetCount() - 1; i >= 0; --i)
        pCombo->DeleteString((UINT)i);
    CStringArray entries;
    LoadDialogHistory(m_nSettingsId, lpszFormat, nCount, entries);
    for (int i = 0; i < entries.GetSize(); ++i)
        pCombo->AddString(entries[i]);
    return entries.GetSize() > 0;
}

void CBaseDialog::SaveComboHistory(CComboBox* pCombo, LPCTSTR lpszFormat, int nCount)
{
    CStringArray entries;
    if (IsWindowValid(pCombo))
    {
        const int nInList = pCombo->GetCount();
        for (int i = 0; i < nInList && i < nCount; ++i)
        {
            CString strEntry;
            pCombo->GetLBText(i, strEntry);
            entries.Add(strEntry);
        }
    }
    SaveDialogHistory(m_nSettingsId, lpszFormat, nCount, entries);
}

void CBaseDialog::AddToolTipById(UINT nIDControl, UINT nIDText)
{
    AddToolTip(GetDlgItem((int)nIDControl), nIDText);
}

BOOL CBaseDialog::AddToolTip(CWnd* pControl, UINT nIDText)
{
    if (pControl == nullptr || pControl->GetSafeHwnd() == nullptr || nIDText == 0)
        return FALSE;
    return m_toolTip.AddTool(pControl, nIDText);
}

BOOL CBaseDialog::AddToolTipText(CWnd* pControl, LPCTSTR lpszText)
{
    if (pControl == nullptr || pControl->GetSafeHwnd() == nullptr || lpszText == nullptr)
        return FALSE;
    return m_toolTip.AddTool(pControl, lpszText);
}

void CBaseDialog::UpdateToolTip()
{
    m_toolTip.Update();
}

BOOL CBaseDialog::SetFrameIcon(int nIndex)
{
    auto* pSource = dynamic_cast<CFrameIconSource*>(GetTopLevelFrame());
    return pSource != nullptr && pSource->SetWindowIconFromMenu(this, nIndex);
}

BOOL CBaseDialog::SetAppIcon(UINT nIDIcon)
{
    auto* pApp = dynamic_cast<CAppComm*>(AfxGetApp());
    return pApp != nullptr && pApp->SetWindowIcon(this, nIDIcon);
}

void CBaseDialog::UpdateMenuEnabling(CMenu* pPopup)
{
    UpdateMenuItems(pPopup, this);
}

BOOL CBaseDialog::OnHelpInfo(HELPINFO*)
{
    OnHelpCommand();
    return TRUE;
}

void CBaseDialog::OnDestroy()
{
    if (m_pLayout != nullptr)
        m_pLayout->SaveSize();
    m_helpWindow.Close();
    CDialog::OnDestroy();
}

void CBaseDialog::OnPaint()
{
    CPaintDC dc(this);
    if (m_pLayout != nullptr && (GetStyle() & WS_POPUP) != 0)
        DrawSizeGrip(m_pLayout, &dc);
}

void CBaseDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_pLayout != nullptr)
        m_pLayout->GetMinMaxInfo(lpMMI);
    else
        Default();
}

void CBaseDialog::OnSize(UINT nType, int cx, int cy)
{
    Default();
    if (m_pLayout != nullptr)
        m_pLayout->OnSize(nType, cx, cy);
}

void CBaseDialog::OnHelpMenuCommand()
{
    OnHelpCommand();
}

void CBaseDialog::OnUpdateHelpMenuCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsCommandEnabled(ID_DIALOG_HELP));
}

LRESULT CBaseDialog::OnSetInitialFocusMessage(WPARAM, LPARAM)
{
    OnSetInitialFocus();
    return 0;
}
