#ifndef TANZO_CONTROLS_SELECTIONBAND_H
#define TANZO_CONTROLS_SELECTIONBAND_H

// The rules of the list's rubber-band selection: where a drag point lies
// against the list, how far the list scrolls when the point leaves it,
// which rows the band selects, which of its edges are outlined and how the
// translucent band is coloured.

#include "afx/Rect.h"
#include "afx/wintypes.h"

// Edges of the band to outline.
#define BAND_EDGE_LEFT 0x1
#define BAND_EDGE_RIGHT 0x2
#define BAND_EDGE_TOP 0x4
#define BAND_EDGE_BOTTOM 0x8

// A drag point brought into the list's client area below the header, and
// how far it lay outside on each side (0 when inside).
struct CBandPoint
{
    CPoint pt;
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
};
CBandPoint ClampBandPoint(POINT pt, int nClientWidth, int nClientHeight, int nHeaderHeight);

// The least horizontal scroll for a point nOvershoot pixels outside the
// list: three rows' height beyond 4 rows, two beyond 2 rows, else 0.
int MinimumHorizontalStep(int nOvershoot, int nRowHeight);

// The scroll of one step, in pixels (negative towards the start), from the
// scroll bar's position nPos and limit nLimit: half a row horizontally
// (at least nMinimum), one row vertically, never past the end; 0 when the
// position lies outside 0..nLimit or there is no room.
int ScrollStep(BOOL bHorizontal, BOOL bTowardsEnd, int nPos, int nLimit, int nRowHeight, int nMinimum);

// After a scroll of (dx, dy): the overshoot on the side that scrolled
// (right, left, bottom, top in that order).
int OvershootOfScroll(const CBandPoint& point, int dx, int dy);
// A point that far outside scrolls again at once rather than on the timer.
inline BOOL ScrollsAgainAtOnce(int nOvershoot, int nRowHeight)
{
    return nOvershoot > 2 * nRowHeight;
}

// The normalised rectangle spanned by the anchor and a point; FALSE when
// they share an x or a y.
BOOL GetBandRectFrom(POINT anchor, POINT pt, RECT* pRect);

// What the band wants of a row.
#define BAND_LEAVE (-1)
#define BAND_DESELECT 0
#define BAND_SELECT 1
// A row the band covers is selected unless it was selected when the drag
// began (the band toggles rows); in a single-selection list it is
// selected. A row outside is cleared unless it was selected at the start.
int WantedBandState(BOOL bInBand, BOOL bWasSelected, BOOL bSingleSelect);

// The edges of the band that lie inside the clip rectangle.
UINT BandEdgeFlags(const RECT& rcBand, const RECT& rcClip);

// The outline's colour: pure red, green or blue after the largest channel
// of the highlight colour (red, then green, then blue on a tie).
COLORREF BandPenColor(COLORREF crHighlight);
// The layered window's alpha for an opacity in percent.
BYTE OpacityToAlpha(int nPercent);

#endif // TANZO_CONTROLS_SELECTIONBAND_H
