#include "auction/login/LoginSettingDialog.h"

#include "afx/DataExchange.h"

IMPLEMENT_DYNAMIC(CLoginSettingDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CLoginSettingDialog, CBaseDialog)
ON_BN_CLICKED(IDC_LOGIN_SETTING_RESET, OnReset)
END_MESSAGE_MAP()

CLoginSettingDialog::CLoginSettingDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CLoginSettingDialog::~CLoginSettingDialog() {}

void CLoginSettingDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LOGIN_SETTING, m_combo);
    DDX_Control(pDX, IDC_LOGIN_SETTING_HINT, m_hint);
}

BOOL CLoginSettingDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (int nType = CLoginSettingType::Automatic; nType < CLoginSettingType::TypeCount; ++nType)
    {
        CString text;
        CLoginSettingType::LoadLoginSettingTypeText(nType, text);
        m_combo.AddString(text);
    }
    m_combo.SetCurSel(m_type.GetType());
    return TRUE;
}

void CLoginSettingDialog::OnOK()
{
    const int nIndex = m_combo.GetCurSel();
    if (nIndex != CB_ERR)
        m_type.SetType(nIndex);
    CBaseDialog::OnOK();
}

void CLoginSettingDialog::OnReset()
{
    m_type.SetType(CLoginSettingType::Automatic);
    m_combo.SetCurSel(m_type.GetType());
}
