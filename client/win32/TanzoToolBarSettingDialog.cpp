#include "client/TanzoToolBarSettingDialog.h"

#include "app/DialogResourceIds.h"
#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "client/TextResourceIds.h"

namespace
{
const UINT kFormatNames[] = {1131, 1132, 1133, 0};
} // namespace

CTanzoToolBarSettingDialog::CTanzoToolBarSettingDialog(CWnd* pParentWnd)
    : CToolBarSettingDialog(IDD_TOOLBAR_SETTING, pParentWnd, HID_TOOLBAR_SETTING)
{
}

CTanzoToolBarSettingDialog::~CTanzoToolBarSettingDialog() {}

void CTanzoToolBarSettingDialog::ResetToDefaults()
{
    Add(flagShown);
    SetSelection(COptionSettings::ToolBarFormatTextBelow);
}

const UINT* CTanzoToolBarSettingDialog::GetFormatNameIds()
{
    return kFormatNames;
}

BOOL CTanzoToolBarSettingDialog::ValidateFormat(int& nIndex)
{
    if (nIndex < 0 || nIndex >= COptionSettings::ToolBarFormatCount)
        nIndex = COptionSettings::ToolBarFormatIconsOnly;
    return TRUE;
}

void CTanzoToolBarSettingDialog::SetStandardToolTips()
{
    CToolBarSettingDialog::SetStandardToolTips();
    AddToolTipById(IDC_TOOLBAR_SHOWN, IDS_TIP_SHOWN);
    AddToolTipById(IDC_TOOLBAR_FORMAT, IDS_TIP_FORMAT);
    AddToolTipById(IDC_TOOLBAR_DEFAULTS, IDS_TIP_RESET_DEFAULTS);
}
