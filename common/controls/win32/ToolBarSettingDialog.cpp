#include "controls/ToolBarSettingDialog.h"

#include "afx/DataExchange.h"
#include "app/DialogResourceIds.h"

IMPLEMENT_DYNAMIC(CToolBarSettingDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CToolBarSettingDialog, CBaseDialog)
ON_BN_CLICKED(IDC_TOOLBAR_DEFAULTS, OnResetToDefaults)
ON_BN_CLICKED(IDC_TOOLBAR_SHOWN, OnShownClicked)
END_MESSAGE_MAP()

CToolBarSettingDialog::CToolBarSettingDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CToolBarSettingDialog::~CToolBarSettingDialog() = default;

void CToolBarSettingDialog::ResetToDefaults() {}

BOOL CToolBarSettingDialog::ValidateFormat(int&)
{
    return TRUE;
}

void CToolBarSettingDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TOOLBAR_SHOWN, m_shown);
    DDX_Control(pDX, IDC_TOOLBAR_FORMAT_LABEL, m_formatLabel);
    DDX_Control(pDX, IDC_TOOLBAR_FORMAT, m_formats);
}

BOOL CToolBarSettingDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_formats.FillFromStringIds(GetFormatNameIds(), 0);
    ShowValues();
    return TRUE;
}

void CToolBarSettingDialog::ShowValues()
{
    m_shown.SetCheck(TestAny(flagShown) ? BST_CHECKED : BST_UNCHECKED);
    m_formats.SetCurSel(m_nFormat);
    EnableFormatList();
}

void CToolBarSettingDialog::EnableFormatList()
{
    const BOOL bShown = m_shown.GetCheck() == BST_CHECKED;
    m_formatLabel.EnableWindow(bShown);
    m_formats.EnableWindow(bShown);
}

void CToolBarSettingDialog::OnOK()
{
    SetOrRemove(flagShown, m_shown.GetCheck() == BST_CHECKED);
    int nIndex = m_formats.GetCurSel();
    if (!ValidateFormat(nIndex))
        return;
    m_nFormat = nIndex;
    CBaseDialog::OnOK();
}

void CToolBarSettingDialog::OnResetToDefaults()
{
    ResetToDefaults();
    ShowValues();
}

void CToolBarSettingDialog::OnShownClicked()
{
    EnableFormatList();
}
