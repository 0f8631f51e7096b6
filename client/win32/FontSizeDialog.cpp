#include "client/FontSizeDialog.h"

#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"
#include "client/TextResourceIds.h"
#include "controls/ControlsResourceIds.h"

CFontSizeDialog::CFontSizeDialog(CWnd* pParentWnd) : CTextSizeDialog(IDD_FONT_SIZE, pParentWnd, HID_FONT_SIZE)
{
}

CFontSizeDialog::~CFontSizeDialog() {}

void CFontSizeDialog::SetStandardToolTips()
{
    CTextSizeDialog::SetStandardToolTips();
    AddToolTipById(IDC_TEXT_SIZE_LIST, IDS_TIP_FONT_SIZE);
    AddToolTipById(IDC_TEXT_SIZE_RESET, IDS_TIP_RESET_DEFAULTS);
}

void CFontSizeDialog::OnReset()
{
    SetSelection(COptionSettings::DefaultFontSize);
}

UINT CFontSizeDialog::GetSampleFormatId()
{
    return IDS_SAMPLE_FORMAT;
}

const UINT* CFontSizeDialog::GetSizeListId()
{
    static UINT ids[COptionSettings::FontSizeCount + 1] = {};
    for (int i = 0; i < COptionSettings::FontSizeCount; ++i)
        ids[i] = COptionSettings::GetFontSizeRow(i)->idsName;
    return ids;
}

BOOL CFontSizeDialog::MapSelection(int& nIndex)
{
    if (COptionSettings::GetFontSizeRow(nIndex) == nullptr)
        nIndex = COptionSettings::DefaultFontSize;
    return TRUE;
}

BOOL CFontSizeDialog::GetPointSize(int nIndex, int& nTenths)
{
    if (!COptionSettings::GetFontSize(nIndex, nTenths))
        return FALSE;
    COptionSettings::ApplySampleSize(&m_sample, nIndex);
    return TRUE;
}
