#include "client/MemoSettingDialog.h"

#include "client/ListResourceIds.h"
#include "controls/ControlsRes.h"

namespace
{
// The memo dialog's page of the help.
const UINT kHelpTopic = 1;
} // namespace

CMemoSettingDialog::CMemoSettingDialog(CWnd* pParentWnd)
    : CMemoHistoryDialog(IDD_MEMO_SETTING, pParentWnd, kHelpTopic, IDD_MEMO_SETTING_SECTION)
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
