#include "app/ChoiceMessageDialog.h"

#include "afx/Menu.h"
#include "app/DialogResourceIds.h"
#include "app/WindowHelpers.h"

IMPLEMENT_DYNAMIC(CChoiceMessageDialog, CMessageBoxDialog)

CChoiceMessageDialog::CChoiceMessageDialog(UINT nIDMessage, CWnd* pParentWnd, DWORD dwOptions,
                                           DWORD dwRemovedOptions)
    : CMessageBoxDialog(IDD_CHOICE_MESSAGE, nIDMessage, pParentWnd, dwOptions, dwRemovedOptions)
{
}

CChoiceMessageDialog::CChoiceMessageDialog(LPCTSTR lpszMessage, CWnd* pParentWnd, DWORD dwOptions,
                                           DWORD dwRemovedOptions)
    : CMessageBoxDialog(IDD_CHOICE_MESSAGE, lpszMessage, pParentWnd, dwOptions, dwRemovedOptions)
{
}

void CChoiceMessageDialog::SetButtons(int nButtonSet, int nIconKind, int nDefaultButton)
{
    m_nButtonSet = nButtonSet;
    SetIconKind(nIconKind);
    m_nDefaultButton = nDefaultButton;
}

void CChoiceMessageDialog::SetDontShowAgain()
{
    SetCheckBoxText(IDS_MESSAGE_DONT_SHOW_AGAIN);
    SetCheckBoxTip(IDS_TIP_MESSAGE_DONT_SHOW_AGAIN);
}

void CChoiceMessageDialog::SetStyle(UINT nType)
{
    const MessageBoxStyle style = MessageBoxStyleFromType(nType);
    SetButtons(style.nButtonSet, style.nIconKind, style.nDefaultButton);
}

void CChoiceMessageDialog::OnControlGrown(CWnd* pControl, int dx, int dy)
{
    CMessageBoxDialog::OnControlGrown(pControl, dx, dy);
    for (int nID = IDC_MESSAGE_BUTTON_FIRST; nID <= IDC_MESSAGE_BUTTON_LAST; ++nID)
        MoveControl(GetDlgItem(nID), dx / 2, dy);
}

void CChoiceMessageDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CMessageBoxDialog::AdjustSystemMenu(pSystemMenu);
    // Yes and No leave nothing to cancel.
    if (m_nButtonSet == messageButtonsYesNo && pSystemMenu != nullptr)
        pSystemMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

BOOL CChoiceMessageDialog::OnInitDialog()
{
    CMessageBoxDialog::OnInitDialog();
    const MessageButton* pButtons = nullptr;
    const int nCount = GetMessageButtons(m_nButtonSet, &pButtons);
    for (int i = 0; i < nCount; ++i)
    {
        CWnd* pButton = GetDlgItem(pButtons[i].nControlId);
        CString strText;
        if (pButton == nullptr || !strText.LoadString(pButtons[i].nIDText))
            break;
        pButton->ShowWindow(SW_SHOW);
        pButton->SetWindowText(strText);
        if (i == m_nDefaultButton)
        {
            GotoDlgCtrl(pButton);
            SetDefID(pButtons[i].nControlId);
        }
    }
    return FALSE; // the focus is set
}

BOOL CChoiceMessageDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nResult = MessageButtonResult(m_nButtonSet, LOWORD(wParam));
    if (nResult != 0 && HIWORD(wParam) == BN_CLICKED)
    {
        EndDialog(nResult);
        return TRUE;
    }
    return CMessageBoxDialog::OnCommand(wParam, lParam);
}
