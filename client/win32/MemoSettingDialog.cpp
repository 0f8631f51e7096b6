#include "client/MemoSettingDialog.h"

#include "client/ListResourceIds.h"
#include "controls/ControlsResourceIds.h"

CMemoSettingDialog::CMemoSettingDialog(CWnd* pParentWnd)
    : CMemoHistoryDialog(IDD_MEMO_SETTING, pParentWnd, HID_MEMO_SETTING, IDD_MEMO_SETTING_SECTION)
{
}

CMemoSettingDialog::~CMemoSettingDialog() = default;

BOOL CMemoSettingDialog::OnInitDialog()
{
    CMemoHistoryDialog::OnInitDialog();
    AddToolTipById(IDC_MEMO_TEXT, IDS_TIP_MEMO);
    return TRUE;
}

UINT CMemoSettingDialog::GetTitleId()
{
    return IDS_MEMO_SEVERAL_CAPTION;
}
