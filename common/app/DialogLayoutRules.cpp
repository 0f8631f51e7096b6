#include "app/DialogLayoutRules.h"

namespace
{
struct AnchorPart
{
    DWORD dwFlag;
    int nNumerator;
    int nDenominator;
};

// Each group in the order its flags are tested.
const AnchorPart kMoveX[] = {
    {ANCHOR_MOVE_X, 1, 1},       {ANCHOR_MOVE_X_QUARTER, 1, 4},    {ANCHOR_MOVE_X_HALF, 1, 2},
    {ANCHOR_MOVE_X_THIRD, 1, 3}, {ANCHOR_MOVE_X_TWO_THIRDS, 2, 3}, {ANCHOR_MOVE_X_THREE_QUARTERS, 3, 4}};
const AnchorPart kMoveY[] = {
    {ANCHOR_MOVE_Y, 1, 1},       {ANCHOR_MOVE_Y_QUARTER, 1, 4},    {ANCHOR_MOVE_Y_HALF, 1, 2},
    {ANCHOR_MOVE_Y_THIRD, 1, 3}, {ANCHOR_MOVE_Y_TWO_THIRDS, 2, 3}, {ANCHOR_MOVE_Y_THREE_QUARTERS, 3, 4}};
const AnchorPart kGrowX[] = {{ANCHOR_GROW_X, 1, 1},
                             {ANCHOR_GROW_X_HALF, 1, 2},
                             {ANCHOR_GROW_X_THIRD, 1, 3},
                             {ANCHOR_GROW_X_QUARTER, 1, 4}};
const AnchorPart kGrowY[] = {{ANCHOR_GROW_Y, 1, 1},
                             {ANCHOR_GROW_Y_HALF, 1, 2},
                             {ANCHOR_GROW_Y_THIRD, 1, 3},
                             {ANCHOR_GROW_Y_QUARTER, 1, 4}};

template <size_t N> int ShareOf(const AnchorPart (&group)[N], DWORD dwAnchors, int nGrowth)
{
    for (const AnchorPart& part : group)
    {
        if ((dwAnchors & part.dwFlag) != 0)
            return nGrowth * part.nNumerator / part.nDenominator; // multiplied first
    }
    return 0;
}
} // namespace

LayoutShift ComputeAnchorShift(DWORD dwAnchors, int dx, int dy)
{
    LayoutShift shift;
    shift.dxMove = ShareOf(kMoveX, dwAnchors, dx);
    shift.dyMove = ShareOf(kMoveY, dwAnchors, dy);
    shift.dxGrow = ShareOf(kGrowX, dwAnchors, dx);
    shift.dyGrow = ShareOf(kGrowY, dwAnchors, dy);
    return shift;
}

int ClientGrowth(int nSize, int nInitialSize)
{
    int nGrowth = nSize - nInitialSize;
    return nGrowth < 1 ? 0 : nGrowth;
}

CRect AnchoredControlRect(const CRect& rcRegistered, DWORD dwAnchors, int dx, int dy, int xScroll,
                          int yScroll)
{
    const LayoutShift shift = ComputeAnchorShift(dwAnchors, dx, dy);
    CRect rc;
    rc.left = rcRegistered.left + shift.dxMove - xScroll;
    rc.top = rcRegistered.top + shift.dyMove - yScroll;
    rc.right = rc.left + rcRegistered.Width() + shift.dxGrow;
    rc.bottom = rc.top + rcRegistered.Height() + shift.dyGrow;
    return rc;
}

int OpeningExtent(int nWanted, int nTemplate)
{
    if (nWanted <= 0)
        return nWanted;
    return nWanted < nTemplate ? nTemplate : nWanted;
}
