#include "controls/ColorPickDialog.h"

#include "app/DialogProfile.h"
#include "controls/ListControlResourceIds.h"

namespace
{
const char kCustomColorKey[] = "UserColor%02d";
} // namespace

CColorPickDialog::CColorPickDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd, const COLORREF* pValues)
    : CColorDialog(clrInit, dwFlags, pParentWnd)
{
    for (int i = 0; i < COLOR_PICK_CUSTOM_COUNT; ++i)
    {
        COLORREF crDefault = pValues != nullptr ? pValues[i] : RGB(255, 255, 255);
        m_customColors[i] = (COLORREF)GetDialogProfileInt(
            IDD_COLOR_PICK_SETTINGS, FormatDialogProfileKey(kCustomColorKey, i + 1), (int)crDefault);
    }
    m_cc.lpCustColors = m_customColors;
}

CColorPickDialog::~CColorPickDialog()
{
    for (int i = 0; i < COLOR_PICK_CUSTOM_COUNT; ++i)
        WriteDialogProfileInt(IDD_COLOR_PICK_SETTINGS, FormatDialogProfileKey(kCustomColorKey, i + 1),
                              (int)m_customColors[i]);
}

COLORREF CColorPickDialog::GetCustomColor(int nIndex) const
{
    return nIndex >= 0 && nIndex < COLOR_PICK_CUSTOM_COUNT ? m_customColors[nIndex] : (COLORREF)-1;
}

void CColorPickDialog::SetCustomColor(int nIndex, COLORREF c)
{
    if (nIndex >= 0 && nIndex < COLOR_PICK_CUSTOM_COUNT)
        m_customColors[nIndex] = c;
}
