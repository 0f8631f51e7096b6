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
