#include "controls/ListGeometry.h"

#include <algorithm>

CRect GetCheckSquareRect(const RECT& rcCell)
{
    CRect rc(rcCell);
    rc.right = rc.left + rc.Height();
    rc.DeflateRect(3, 3);
    return rc;
}

CCellInsets MakeCellInsets(int nCellLeft, int nCellRight, int nCellHeight, const RECT& rcText)
{
    CCellInsets insets;
    insets.left = rcText.left - nCellLeft;
    insets.top = rcText.top;
    insets.right = std::max(0, nCellRight - (int)rcText.right);
    insets.bottom = nCellHeight - rcText.bottom;
    return insets;
}

CRect ApplyCellInsets(const RECT& rcCell, const CCellInsets& insets)
{
    CRect rc(rcCell);
    rc.left += std::max(0, insets.left);
    rc.top += std::max(0, insets.top);
    rc.right -= std::max(0, insets.right);
    rc.bottom -= std::max(0, insets.bottom);
    return rc;
}

CRect PlaceLinkText(const RECT& rcRoom, int cx, int cy, int nAlign)
{
    CRect rc(rcRoom.left, rcRoom.top, rcRoom.left + cx, rcRoom.top + cy);
    int nFreeWidth = (rcRoom.right - rcRoom.left) - cx;
    int nFreeHeight = (rcRoom.bottom - rcRoom.top) - cy;
    if (nAlign == LIST_ALIGN_RIGHT)
        rc.OffsetRect(nFreeWidth, 0);
    else if (nAlign == LIST_ALIGN_CENTER)
        rc.OffsetRect(nFreeWidth / 2, 0);
    rc.OffsetRect(0, nFreeHeight / 2);
    return rc;
}

CPoint CenterInList(int nClientWidth, int nClientHeight, int nHeaderHeight, int cx, int cy)
{
    return CPoint(nClientWidth / 2 - cx / 2, (nClientHeight - nHeaderHeight) / 2 + nHeaderHeight - cy / 2);
}

int FixedCheckTintSide(int nSide)
{
    return std::min(4, std::max(0, nSide - 4));
}
