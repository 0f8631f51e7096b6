#ifndef TANZO_APP_DIALOGLAYOUTRULES_H
#define TANZO_APP_DIALOGLAYOUTRULES_H

// The arithmetic of resizable dialogs: where a registered control goes when
// the client area has grown by dx and dy.

#include "afx/Rect.h"
#include "afx/wintypes.h"

// Anchor flags of a control. The low word moves it, the high word stretches
// it; in each group of an axis only the first flag found, in the order
// listed, counts.
#define ANCHOR_MOVE_X 0x1                  // right by dx
#define ANCHOR_MOVE_X_QUARTER 0x4          // right by dx/4
#define ANCHOR_MOVE_X_HALF 0x10            // right by dx/2
#define ANCHOR_MOVE_X_THIRD 0x40           // right by dx/3
#define ANCHOR_MOVE_X_TWO_THIRDS 0x100     // right by dx*2/3
#define ANCHOR_MOVE_X_THREE_QUARTERS 0x400 // right by dx*3/4
#define ANCHOR_MOVE_Y 0x2                  // down by dy
#define ANCHOR_MOVE_Y_QUARTER 0x8          // down by dy/4
#define ANCHOR_MOVE_Y_HALF 0x20            // down by dy/2
#define ANCHOR_MOVE_Y_THIRD 0x80           // down by dy/3
#define ANCHOR_MOVE_Y_TWO_THIRDS 0x200     // down by dy*2/3
#define ANCHOR_MOVE_Y_THREE_QUARTERS 0x800 // down by dy*3/4
#define ANCHOR_GROW_X 0x10000              // wider by dx
#define ANCHOR_GROW_X_HALF 0x100000        // wider by dx/2
#define ANCHOR_GROW_X_THIRD 0x400000       // wider by dx/3
#define ANCHOR_GROW_X_QUARTER 0x40000      // wider by dx/4
#define ANCHOR_GROW_Y 0x20000              // taller by dy
#define ANCHOR_GROW_Y_HALF 0x200000        // taller by dy/2
#define ANCHOR_GROW_Y_THIRD 0x800000       // taller by dy/3
#define ANCHOR_GROW_Y_QUARTER 0x80000      // taller by dy/4
#define ANCHOR_MOVE_MASK 0x0000FFFF
#define ANCHOR_GROW_MASK 0xFFFF0000

// The usual combinations.
#define ANCHOR_BOTTOM ANCHOR_MOVE_Y                               // buttons along the bottom
#define ANCHOR_BOTTOM_RIGHT (ANCHOR_MOVE_X | ANCHOR_MOVE_Y)       // the corner
#define ANCHOR_BOTTOM_CENTRE (ANCHOR_MOVE_X_HALF | ANCHOR_MOVE_Y) // bottom, kept centred
#define ANCHOR_RIGHT ANCHOR_MOVE_X                                // the right edge
#define ANCHOR_STRETCH_X ANCHOR_GROW_X                            // across
#define ANCHOR_STRETCH_X_BOTTOM (ANCHOR_GROW_X | ANCHOR_MOVE_Y)   // across, along the bottom
#define ANCHOR_FILL (ANCHOR_GROW_X | ANCHOR_GROW_Y)               // lists, views, edit areas

struct LayoutShift
{
    int dxMove;
    int dyMove;
    int dxGrow;
    int dyGrow;
};

// The moves and growths that the anchors give for a growth of dx, dy.
LayoutShift ComputeAnchorShift(DWORD dwAnchors, int dx, int dy);

// How much the client area has grown: never below 0, so that a dialog made
// smaller than its template puts every control back in its template place.
int ClientGrowth(int nSize, int nInitialSize);

// The rectangle of a control registered at rcRegistered, for a growth of
// dx, dy and the dialog's scroll position.
CRect AnchoredControlRect(const CRect& rcRegistered, DWORD dwAnchors, int dx, int dy, int xScroll = 0,
                          int yScroll = 0);

// The extent a resizable dialog opens with: the wanted one, but never below
// the template's; 0 or less stays as it is (no size of its own: the
// template's size and place stay).
int OpeningExtent(int nWanted, int nTemplate);

#endif // TANZO_APP_DIALOGLAYOUTRULES_H
