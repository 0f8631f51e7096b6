#include "client/TanzoColorSettingDialog.h"

#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"

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
    {2248, FALSE, 1443}, {2258, FALSE, 1444}, {2250, TRUE, 1445},  {2252, FALSE, 1446},
    {2260, FALSE, 1447}, {2254, TRUE, 1448},  {2256, FALSE, 1449}, {2287, TRUE, 1450},
    {2289, TRUE, 1451},  {2262, TRUE, 1452},  {2264, TRUE, 1453},  {2294, TRUE, 1540},
};
const UINT IDS_TIP_OTHER_COLOR = 1454;

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
