#include "controls/ColorCombo.h"

#include "afx/DC.h"
#include "afx/ScopedWin.h"
#include "app/MemoryDC.h"
#include "controls/ListControlResourceIds.h"
#include "text/Colors.h"

namespace
{
// Marker texts of the entries.
const char kFixedEntry[] = "item";
const char kStandardEntry[] = "standard";
const char kOtherEntry[] = "other";
} // namespace

CColorCombo::CColorCombo() = default;

CColorCombo::~CColorCombo() = default;

void CColorCombo::Init(int nSelect)
{
    int nHeight = GetItemHeight(0);
    if (nHeight > 5)
        SetItemHeight(0, (UINT)(nHeight - 5));
    ResetContent();
    for (int i = 0; i < COLOR_COMBO_FIXED_COUNT; ++i)
        AddString(kFixedEntry);
    if (HasStandardEntry())
        AddString(kStandardEntry);
    if (HasOtherEntry())
        AddString(kOtherEntry);
    SetCurSel(nSelect);
}

void CColorCombo::SetShade(int nShade)
{
    if (m_entries.SetShade(nShade) && m_hWnd != nullptr)
        Invalidate();
}

BOOL CColorCombo::IsOtherSelected() const
{
    return HasOtherEntry() && GetCurSel() == m_entries.GetOtherIndex();
}

void CColorCombo::SelectColor(COLORREF c)
{
    int nIndex = m_entries.ChooseIndexFor(c);
    if (nIndex < 0)
        return;
    SetCurSel(nIndex);
    if (IsOtherSelected())
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

COLORREF CColorCombo::GetSelectedColor() const
{
    return ColorOfIndex(GetCurSel());
}

void CColorCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcItem(lpDrawItemStruct->rcItem);
    CMemoryDC buffer(pDC);
    CDC* pMemDC = buffer.Create(rcItem.Width(), rcItem.Height());
    if (pMemDC == nullptr)
        return;
    buffer.Fill(::GetSysColor(COLOR_WINDOW));
    CRect rc(0, 0, rcItem.Width(), rcItem.Height());
    if ((lpDrawItemStruct->itemState & ODS_SELECTED) != 0)
        pMemDC->DrawFocusRect(&rc);
    int nIndex = (int)lpDrawItemStruct->itemID;
    COLORREF crSwatch = ColorOfIndex(nIndex);
    if (crSwatch != (COLORREF)-1)
    {
        CRect rcSwatch(rc);
        rcSwatch.DeflateRect(2, 2);
        pMemDC->FillSolidRect(&rcSwatch, crSwatch);
        UINT nLabel = 0;
        if (nIndex == m_entries.GetOtherIndex())
            nLabel = IDS_COLOR_OTHER;
        else if (nIndex == m_entries.GetStandardIndex())
            nLabel = IDS_COLOR_STANDARD;
        CString strLabel;
        if (nLabel != 0 && strLabel.LoadString(nLabel))
        {
            CFont* pFont = GetFont();
            CScopedSelectObject selectFont(*pMemDC, pFont != nullptr ? pFont->m_hObject : nullptr);
            pMemDC->SetBkMode(TRANSPARENT);
            pMemDC->SetTextColor(IsBrightColor(crSwatch) ? RGB(0, 0, 0) : RGB(255, 255, 255));
            pMemDC->DrawText(strLabel, &rcSwatch, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    pDC->BitBlt(rcItem.left, rcItem.top, rcItem.Width(), rcItem.Height(), pMemDC, 0, 0, SRCCOPY);
}
