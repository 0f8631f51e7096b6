#include "client/TanzoLoginSettingDialog.h"

#include "client/TanzoResourceIds.h"
#include "client/TextResourceIds.h"

CTanzoLoginSettingDialog::CTanzoLoginSettingDialog(CWnd* pParentWnd)
    : CLoginSettingDialog(IDD_LOGIN_SETTING, pParentWnd, HID_LOGIN_SETTING)
{
}

CTanzoLoginSettingDialog::~CTanzoLoginSettingDialog() {}

void CTanzoLoginSettingDialog::SetStandardToolTips()
{
    CLoginSettingDialog::SetStandardToolTips();
    AddToolTipById(IDC_LOGIN_SETTING, IDS_TIP_LOGIN_SETTING);
    AddToolTipById(IDC_LOGIN_SETTING_RESET, IDS_TIP_RESET_DEFAULTS);
}
