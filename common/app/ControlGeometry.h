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

#endif // TANZO_APP_CONTROLGEOMETRY_H
