#ifndef TANZO_TEXT_COLORS_H
#define TANZO_TEXT_COLORS_H

// Colour helpers over COLORREF values (0x00BBGGRR): brightness, closeness,
// shifting and the HTML form of a colour.

#include "afx/String.h"
#include "afx/wintypes.h"

// R + G + B above 384: dark text reads on it.
BOOL IsBrightColor(COLORREF c);
// Each of the three channels differs by at most nTolerance.
BOOL ColorsClose(COLORREF a, COLORREF b, int nTolerance);
BOOL IsNearBlack(COLORREF c);
BOOL IsNearWhite(COLORREF c);
// With bUseNames, one of the sixteen HTML 4.01 keywords when the colour is
// one of them; otherwise "#RRGGBB" (red first).
CString ColorToHtmlText(COLORREF c, BOOL bUseNames);
// nDelta added to each channel, each kept within 0..255.
COLORREF ShiftColor(COLORREF c, int nDelta);

#endif // TANZO_TEXT_COLORS_H
