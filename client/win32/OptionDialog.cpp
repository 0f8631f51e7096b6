#include "client/OptionDialog.h"

#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "client/TextResourceIds.h"

namespace
{
// Check box, the bit it stands for, its tip.
const struct
{
    UINT nID;
    DWORD dwBit;
    UINT nIDTip;
} kCheckBoxes[] = {
    {IDC_OPTION_STATUS_BAR, COptionSettings::OptionStatusBarVisible, IDS_TIP_OPTION_STATUS_BAR},
    {IDC_OPTION_RATED, COptionSettings::OptionConfirmRated, IDS_TIP_OPTION_RATED},
    {IDC_OPTION_FORBIDDEN, COptionSettings::OptionConfirmForbidden, IDS_TIP_OPTION_FORBIDDEN},
    {IDC_OPTION_CHARGE_OPTIONS, COptionSettings::OptionConfirmChargeOptions, IDS_TIP_OPTION_CHARGE_OPTIONS},
    {IDC_OPTION_MARKDOWN, COptionSettings::OptionConfirmMarkdown, IDS_TIP_OPTION_MARKDOWN},
    {IDC_OPTION_CASH_ON_DELIVERY, COptionSettings::OptionWarnCashOnDelivery, IDS_TIP_OPTION_CASH_ON_DELIVERY},
};
} // namespace

BEGIN_MESSAGE_MAP(COptionDialog, CBaseDialog)
ON_BN_CLICKED(IDC_OPTION_RESET, OnReset)
END_MESSAGE_MAP()

COptionDialog::COptionDialog(CWnd* pParentWnd) : CBaseDialog(IDD_OPTIONS, pParentWnd, HID_OPTIONS) {}

COptionDialog::~COptionDialog() {}

void COptionDialog::Fill(const COptionSettings& options, BOOL bStatusBarVisible, BOOL bDefaults)
{
    m_pOptions = &options;
    Set(options.MaskOptionBits(COptionSettings::DialogOptionBits, bDefaults));
    SetOrRemove(COptionSettings::OptionStatusBarVisible, bDefaults || bStatusBarVisible);
}

void COptionDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    for (const auto& box : kCheckBoxes)
        AddToolTipById(box.nID, box.nIDTip);
    AddToolTipById(IDC_OPTION_RESET, IDS_TIP_RESET_DEFAULTS);
}

BOOL COptionDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    ShowFlags();
    return TRUE;
}

void COptionDialog::ShowFlags()
{
    for (const auto& box : kCheckBoxes)
        CheckDlgButton(box.nID, TestAny(box.dwBit) ? BST_CHECKED : BST_UNCHECKED);
}

void COptionDialog::OnReset()
{
    if (m_pOptions != nullptr)
        Fill(*m_pOptions, TRUE, TRUE);
    ShowFlags();
}

void COptionDialog::OnOK()
{
    Clear();
    for (const auto& box : kCheckBoxes)
        if (IsDlgButtonChecked(box.nID) == BST_CHECKED)
            Add(box.dwBit);
    CBaseDialog::OnOK();
}
