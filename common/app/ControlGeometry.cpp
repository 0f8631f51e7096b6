#include "app/ControlGeometry.h"

namespace
{
int Shift(int nFree, int nPlacement)
{
    if (nFree <= 0)
        return 0;
    if (nPlacement == placeCentre)
        return nFree / 2;
    return nPlacement == placeEnd ? nFree : 0;
}
} // namespace

CRect PlaceTextInBox(const CRect& rcBox, int cx, int cy, int nHorz, int nVert, BOOL bSingleLine)
{
    CRect rc(rcBox.left, rcBox.top, rcBox.left + cx, rcBox.top + cy);
    rc.OffsetRect(Shift(rcBox.Width() - cx, nHorz), bSingleLine ? Shift(rcBox.Height() - cy, nVert) : 0);
    return rc;
}

CRect DeflateByMargins(const CRect& rcBox, const CRect& rcMargins)
{
    return CRect(rcBox.left + rcMargins.left, rcBox.top + rcMargins.top, rcBox.right - rcMargins.right,
                 rcBox.bottom - rcMargins.bottom);
}

TabItemLayout LayoutTabItem(int cxTab, int cyTab, BOOL bSelected, CSize szImage, int nAlign, int cxText)
{
    const int kInset = 5;
    const int kRaise = bSelected ? 0 : 2;
    const BOOL bImage = szImage.cx > 0;
    TabItemLayout layout;
    layout.ptImage = CPoint(kInset, (cyTab - kRaise - szImage.cy) / 2);
    layout.rcText = CRect(kInset, 0, cxTab - kInset, cyTab);
    if (bImage)
    {
        layout.rcText.left = kInset + szImage.cx + kInset;
        int nInset = (cyTab - szImage.cy) / 2;
        if (nInset < 1)
            nInset = 0;
        layout.rcText.top += nInset;
        layout.rcText.bottom -= nInset;
    }
    layout.rcText.OffsetRect(0, -kRaise);
    if (bImage && (nAlign == placeCentre || nAlign == placeEnd))
    {
        const int nFree = layout.rcText.Width() - cxText;
        if (nFree > 0)
            layout.ptImage.x += nAlign == placeCentre ? nFree / 2 : nFree;
    }
    return layout;
}

int AverageButtonWidth(const int* pWidths, int nCount)
{
    if (pWidths == nullptr || nCount <= 0)
        return 0;
    int nSum = 0;
    for (int i = 0; i < nCount; ++i)
        nSum += pWidths[i];
    return (nSum + nCount - 1) / nCount;
}
