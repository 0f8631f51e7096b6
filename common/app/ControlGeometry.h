#ifndef TANZO_APP_CONTROLGEOMETRY_H
#define TANZO_APP_CONTROLGEOMETRY_H

// Where owner-painted controls put their text and images.

#include "afx/Rect.h"
#include "afx/wintypes.h"

enum TextPlacement
{
    placeStart = 0, // left or top
    placeCentre = 1,
    placeEnd = 2 // right or bottom
};

// The rectangle that a text of cx x cy takes when it is drawn into rcBox:
// moved right by the free width (half of it when centred, all of it at the
// end, never to the left) and, for a single line only, down by the free
// height likewise.
CRect PlaceTextInBox(const CRect& rcBox, int cx, int cy, int nHorz, int nVert, BOOL bSingleLine);

// The box inside the margins; margins all 0 leave it as it is.
CRect DeflateByMargins(const CRect& rcBox, const CRect& rcMargins);

// Where an owner-drawn tab puts its image and its text, in the tab's own
// coordinates: the image 5 pixels from the left, vertically centred (a tab
// that is not selected 2 pixels higher); the text from 5 to width - 5,
// after the image when there is one, 2 pixels higher on a tab that is not
// selected. With the text centred (nAlign placeCentre) or at the right
// (placeEnd), the image moves right by half of the text's free width or
// all of it, so that it stays beside the text (cxText: the text's width).
struct TabItemLayout
{
    CPoint ptImage;
    CRect rcText;
};

TabItemLayout LayoutTabItem(int cxTab, int cyTab, BOOL bSelected, CSize szImage, int nAlign, int cxText);

// The button size of a tool bar whose buttons show texts: the average
// width of the buttons that are not separators, rounded up. 0 when there
// is none.
int AverageButtonWidth(const int* pWidths, int nCount);

#endif // TANZO_APP_CONTROLGEOMETRY_H
