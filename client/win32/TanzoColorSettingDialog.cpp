#include "client/TanzoColorSettingDialog.h"

#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "client/TextResourceIds.h"

namespace
{
// By colour of the options: its combo, whether it is a background (light
// shades), its tip.
const struct
{
    UINT nCombo;
    BOOL bBackground;
    UINT nIDTip;
} kRows[COptionSettings::ColorCount] = {
    {IDC_COLOR_TEXT, FALSE, IDS_TIP_COLOR_TEXT},
    {IDC_COLOR_LINK, FALSE, IDS_TIP_COLOR_LINK},
    {IDC_COLOR_BACKGROUND, TRUE, IDS_TIP_COLOR_BACKGROUND},
    {IDC_COLOR_BORDER, FALSE, IDS_TIP_COLOR_BORDER},
    {IDC_COLOR_FOCUS_TEXT, FALSE, IDS_TIP_COLOR_FOCUS_TEXT},
    {IDC_COLOR_FOCUS, TRUE, IDS_TIP_COLOR_FOCUS},
    {IDC_COLOR_FOCUS_FRAME, FALSE, IDS_TIP_COLOR_FOCUS_FRAME},
    {IDC_COLOR_PAGE_SELLING, TRUE, IDS_TIP_COLOR_PAGE_SELLING},
    {IDC_COLOR_PAGE_WINNER, TRUE, IDS_TIP_COLOR_PAGE_WINNER},
    {IDC_COLOR_PAGE_NO_WINNER, TRUE, IDS_TIP_COLOR_PAGE_NO_WINNER},
    {IDC_COLOR_PAGE_WON, TRUE, IDS_TIP_COLOR_PAGE_WON},
    {IDC_COLOR_TOOLBAR, TRUE, IDS_TIP_COLOR_TOOLBAR},
};

BOOL IsRow(int nRow)
{
    return nRow >= 0 && nRow < COptionSettings::ColorCount;
}
} // namespace

BEGIN_MESSAGE_MAP(CTanzoColorSettingDialog, CColorSettingDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_COLOR_OTHER_FIRST, IDC_COLOR_OTHER_LAST, OnOtherColor)
ON_BN_CLICKED(IDC_COLOR_RESET, OnReset)
END_MESSAGE_MAP()

CTanzoColorSettingDialog::CTanzoColorSettingDialog(CWnd* pParentWnd)
    : CColorSettingDialog(IDD_COLOR_SETTING, pParentWnd, HID_COLOR_SETTING)
{
    SetRowCount(COptionSettings::ColorCount);
}

CTanzoColorSettingDialog::~CTanzoColorSettingDialog() {}

UINT CTanzoColorSettingDialog::GetComboId(int nRow)
{
    return IsRow(nRow) ? kRows[nRow].nCombo : 0;
}

CString CTanzoColorSettingDialog::GetProfileKey(int nRow)
{
    return IsRow(nRow) ? CString(COptionSettings::GetCustomColorKey(nRow)) : CString();
}

BOOL CTanzoColorSettingDialog::UseLightShade(int nRow)
{
    return IsRow(nRow) && kRows[nRow].bBackground;
}

UINT CTanzoColorSettingDialog::GetToolTipId(int nRow)
{
    return IsRow(nRow) ? kRows[nRow].nIDTip : 0;
}

void CTanzoColorSettingDialog::OnResetColors()
{
    for (int nRow = 0; nRow < COptionSettings::ColorCount; ++nRow)
        SetColor(nRow, COptionSettings::GetDefaultColor(nRow));
}

void CTanzoColorSettingDialog::SetStandardToolTips()
{
    CColorSettingDialog::SetStandardToolTips();
    for (UINT nID = IDC_COLOR_OTHER_FIRST; nID <= IDC_COLOR_OTHER_LAST; ++nID)
        AddToolTipById(nID, IDS_TIP_OTHER_COLOR);
    AddToolTipById(IDC_COLOR_RESET, IDS_TIP_RESET_DEFAULTS);
}

void CTanzoColorSettingDialog::OnOtherColor(UINT nID)
{
    ChooseOtherColor((int)(nID - IDC_COLOR_OTHER_FIRST));
}

void CTanzoColorSettingDialog::OnReset()
{
    ResetColors();
}
