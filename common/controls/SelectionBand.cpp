#include "controls/SelectionBand.h"

#include <algorithm>

CBandPoint ClampBandPoint(POINT pt, int nClientWidth, int nClientHeight, int nHeaderHeight)
{
    CBandPoint point;
    point.pt = pt;
    if (pt.x < 0)
    {
        point.nLeft = -pt.x;
        point.pt.x = 0;
    }
    if (pt.y < nHeaderHeight)
    {
        point.nTop = nHeaderHeight - pt.y;
        point.pt.y = nHeaderHeight;
    }
    if (pt.x > nClientWidth)
    {
        point.nRight = pt.x - nClientWidth;
        point.pt.x = nClientWidth;
    }
    if (pt.y > nClientHeight)
    {
        point.nBottom = pt.y - nClientHeight;
        point.pt.y = nClientHeight;
    }
    return point;
}

int MinimumHorizontalStep(int nOvershoot, int nRowHeight)
{
    if (nOvershoot > 4 * nRowHeight)
        return 3 * nRowHeight;
    if (nOvershoot > 2 * nRowHeight)
        return 2 * nRowHeight;
    return 0;
}

int ScrollStep(BOOL bHorizontal, BOOL bTowardsEnd, int nPos, int nLimit, int nRowHeight, int nMinimum)
{
    if (nPos < 0 || nPos > nLimit)
        return 0;
    int nRoom = bTowardsEnd ? nLimit - nPos : nPos;
    int nStep = bHorizontal ? nRowHeight / 2 : 1;
    int nAmount = std::min(std::max(nStep, nMinimum), nRoom);
    if (nAmount <= 0)
        return 0;
    if (!bHorizontal)
        nAmount *= nRowHeight;
    return bTowardsEnd ? nAmount : -nAmount;
}

int OvershootOfScroll(const CBandPoint& point, int dx, int dy)
{
    if (dx > 0)
        return point.nRight;
    if (dx < 0)
        return point.nLeft;
    if (dy > 0)
        return point.nBottom;
    if (dy < 0)
        return point.nTop;
    return 0;
}

BOOL GetBandRectFrom(POINT anchor, POINT pt, RECT* pRect)
{
    if (anchor.x == pt.x || anchor.y == pt.y)
        return FALSE;
    CRect rc(anchor.x, anchor.y, pt.x, pt.y);
    rc.NormalizeRect();
    *pRect = rc;
    return !rc.IsRectEmpty();
}

int WantedBandState(BOOL bInBand, BOOL bWasSelected, BOOL bSingleSelect)
{
    if (bInBand)
        return bSingleSelect || !bWasSelected ? BAND_SELECT : BAND_DESELECT;
    return bWasSelected ? BAND_LEAVE : BAND_DESELECT;
}

UINT BandEdgeFlags(const RECT& rcBand, const RECT& rcClip)
{
    UINT nFlags = 0;
    if (rcBand.left >= rcClip.left)
        nFlags |= BAND_EDGE_LEFT;
    if (rcBand.right <= rcClip.right)
        nFlags |= BAND_EDGE_RIGHT;
    if (rcBand.top >= rcClip.top)
        nFlags |= BAND_EDGE_TOP;
    if (rcBand.bottom <= rcClip.bottom)
        nFlags |= BAND_EDGE_BOTTOM;
    return nFlags;
}

COLORREF BandPenColor(COLORREF crHighlight)
{
    BYTE r = GetRValue(crHighlight);
    BYTE g = GetGValue(crHighlight);
    BYTE b = GetBValue(crHighlight);
    if (r >= g && r >= b)
        return RGB(255, 0, 0);
    if (g >= b)
        return RGB(0, 255, 0);
    return RGB(0, 0, 255);
}

BYTE OpacityToAlpha(int nPercent)
{
    return (BYTE)(nPercent * 255 / 100);
}
