#include "controls/FindBaseDialog.h"

#include "afx/Controls.h"
#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "controls/ControlsResourceIds.h"

namespace
{
const char kHistoryFormat[] = "FindString%02d";
}

IMPLEMENT_DYNAMIC(CFindBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CFindBaseDialog, CBaseDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CFindBaseDialog::CFindBaseDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
}

CFindBaseDialog::~CFindBaseDialog() = default;

void CFindBaseDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIND_TEXT, m_combo);
}

BOOL CFindBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    LoadComboHistory(&m_combo, kHistoryFormat, historyCount);
    if (!m_strSearch.IsEmpty())
        m_combo.SetWindowText(m_strSearch);
    else if (m_combo.GetCount() > 0)
        m_combo.SetCurSel(0);
    AddTail(IDC_FIND_TEXT);
    if (CButton* pCheck = GetOptionCheckBox())
        pCheck->SetCheck(TestOption(optionChecked) ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

CButton* CFindBaseDialog::GetOptionCheckBox()
{
    return nullptr;
}

BOOL CFindBaseDialog::ValidateText(const CString& strText)
{
    if (!strText.IsEmpty())
        return TRUE;
    OnEmptyText();
    m_combo.SetFocus();
    return FALSE;
}

void CFindBaseDialog::OnEmptyText()
{
    AfxMessageBox(IDS_NOTHING_ENTERED);
}

BOOL CFindBaseDialog::ReadInput()
{
    CString strText;
    m_combo.GetWindowText(strText);
    if (!ValidateText(strText))
        return FALSE;
    m_combo.PushHistoryText(strText, historyCount);
    m_strSearch = strText;
    m_options.Clear();
    CButton* pCheck = GetOptionCheckBox();
    SetOption(pCheck != nullptr && pCheck->GetCheck() == BST_CHECKED);
    return TRUE;
}

void CFindBaseDialog::OnDestroy()
{
    SaveComboHistory(&m_combo, kHistoryFormat, historyCount);
    CBaseDialog::OnDestroy();
}
