#include "auction/settings/PayMethodEntryDialog.h"

#include "afx/MessageBox.h"
#include "controls/ControlsResourceIds.h"

IMPLEMENT_DYNAMIC(CPayMethodEntryDialog, CBaseDialog)

CPayMethodEntryDialog::CPayMethodEntryDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

UINT CPayMethodEntryDialog::GetComboToolTipId()
{
    return 0;
}

BOOL CPayMethodEntryDialog::HasHistory()
{
    LPCTSTR lpszFormat = GetHistoryKeyFormat();
    return lpszFormat != nullptr && *lpszFormat != '\0';
}

BOOL CPayMethodEntryDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (const UINT nTitle = GetTitleStringId())
    {
        CString strTitle;
        if (strTitle.LoadString(nTitle))
            SetWindowText(strTitle);
    }
    m_combo.SetTextLimit(MaxTextChars);
    m_combo.SetWindowText(m_strText);
    if (HasHistory())
        LoadComboHistory(&m_combo, GetHistoryKeyFormat(), MaxHistory);
    AddTail((DWORD)m_combo.GetDlgCtrlID());
    if (const UINT nTip = GetComboToolTipId())
        AddToolTip(&m_combo, nTip);
    return TRUE;
}

void CPayMethodEntryDialog::OnOK()
{
    CString strText;
    m_combo.GetWindowText(strText);
    if (strText.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_combo);
        return;
    }
    m_strText = strText;
    m_combo.PushHistoryText(strText, MaxHistory);
    if (HasHistory())
        SaveComboHistory(&m_combo, GetHistoryKeyFormat(), MaxHistory);
    CBaseDialog::OnOK();
}
