#include "controls/MemoHistoryDialog.h"

#include "afx/DataExchange.h"
#include "controls/ControlsResourceIds.h"

namespace
{
const char kHistoryFormat[] = "HisMemo%02d";
}

CMemoHistoryDialog::CMemoHistoryDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
}

CMemoHistoryDialog::~CMemoHistoryDialog() = default;

UINT CMemoHistoryDialog::GetTitleId()
{
    return 0;
}

void CMemoHistoryDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEMO_TEXT, m_combo);
}

BOOL CMemoHistoryDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const UINT nTitleId = m_nTitleMode == titleFromString ? GetTitleId() : 0;
    CString strTitle;
    if (nTitleId != 0 && strTitle.LoadString(nTitleId))
        SetWindowText(strTitle);
    m_combo.SetTextLimit(textLimit);
    if (!m_strText.IsEmpty())
        m_combo.SetWindowText(m_strText);
    LoadComboHistory(&m_combo, kHistoryFormat, historyCount);
    AddTail(IDC_MEMO_TEXT);
    return TRUE;
}

void CMemoHistoryDialog::OnOK()
{
    m_combo.GetWindowText(m_strText);
    if (!m_strText.IsEmpty())
    {
        m_combo.PushHistoryText(m_strText, historyCount);
        SaveComboHistory(&m_combo, kHistoryFormat, historyCount);
    }
    CBaseDialog::OnOK();
}
