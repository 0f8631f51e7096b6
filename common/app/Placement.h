#ifndef TANZO_APP_PLACEMENT_H
#define TANZO_APP_PLACEMENT_H

#include "afx/Rect.h"
#include "afx/wintypes.h"

// Where a window of the given size goes inside a work area, in screen
// coordinates. The size is cut to the area; the window is centred in the
// area when asked, or when its top-left corner lies outside the area (a
// placement saved on a monitor that is gone, or under a task bar at the top
// or left). An empty or null work area leaves the values as they are.
// FALSE, and nothing in rcResult, when the width or height is not positive.
BOOL PlaceInWorkArea(LPCRECT lpWorkArea, int left, int top, int width, int height, BOOL bCenter,
                     CRect& rcResult);

#endif // TANZO_APP_PLACEMENT_H
