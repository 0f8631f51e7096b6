#include "auction/dialogs/AmountDialog.h"

#include "afx/DataExchange.h"

IMPLEMENT_DYNAMIC(CAmountDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CAmountDialog, CBaseDialog)
ON_BN_CLICKED(IDC_AMOUNT_ENABLE, OnEnableCheck)
END_MESSAGE_MAP()

CAmountDialog::CAmountDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CAmountDialog::~CAmountDialog() {}

void CAmountDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AMOUNT_LABEL, m_label);
    DDX_Control(pDX, IDC_AMOUNT_UNIT, m_unit);
    DDX_Control(pDX, IDC_AMOUNT_ENABLE, m_enable);
    DDX_Control(pDX, IDC_AMOUNT_EDIT, m_edit);
}

BOOL CAmountDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const BOOL bEnabled = m_nAmount > 0;
    m_enable.SetCheck(bEnabled ? BST_CHECKED : BST_UNCHECKED);
    m_edit.SetDigitLimit(AmountDigits);
    LONGLONG nShown = 0;
    if (GetInitialAmount(m_nAmount, m_nMinimum, m_dwOptions, nShown))
        m_edit.SetValue(nShown);
    else
        m_edit.SetText("");
    UpdateEnabling();
    if (!bEnabled)
        return TRUE;
    m_edit.SetFocus();
    m_edit.SetSel(0, -1);
    return FALSE;
}

void CAmountDialog::OnEnableCheck()
{
    UpdateEnabling();
}

void CAmountDialog::UpdateEnabling()
{
    const BOOL bEnabled = m_enable.GetCheck() == BST_CHECKED;
    m_edit.EnableWindow(bEnabled);
    m_label.EnableWindow(bEnabled);
    m_unit.EnableWindow(bEnabled);
}

void CAmountDialog::OnOK()
{
    if (m_enable.GetCheck() != BST_CHECKED)
    {
        m_nAmount = 0;
        CBaseDialog::OnOK();
        return;
    }
    const LONGLONG nValue = m_edit.GetValue();
    if (!IsAmountAccepted(nValue, m_nMinimum, m_dwOptions))
    {
        ShowRangeError(1);
        m_edit.SetFocus();
        return;
    }
    m_nAmount = nValue;
    CBaseDialog::OnOK();
}

void CAmountDialog::ShowRangeError(int nKind) {}
