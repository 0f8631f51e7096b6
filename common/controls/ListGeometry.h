#ifndef TANZO_CONTROLS_LISTGEOMETRY_H
#define TANZO_CONTROLS_LISTGEOMETRY_H

// Arithmetic of the list control's cells: the check square, where a link
// text lies in its cell and the placement of a centred child.

#include "afx/Rect.h"
#include "afx/wintypes.h"

// Where the drawn link text of a cell lies: distances from the cell's left
// and right edges, its top below the row top and its bottom above the row
// bottom.
struct CCellInsets
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The check square of a cell: its left part as wide as it is high, inset
// by 3 pixels on every side.
CRect GetCheckSquareRect(const RECT& rcCell);

// The insets of a text rectangle (top and bottom counted from the row top)
// in a cell nCellHeight high whose left and right edges are given.
CCellInsets MakeCellInsets(int nCellLeft, int nCellRight, int nCellHeight, const RECT& rcText);
// The link text rectangle: the cell moved in by the insets, a negative
// inset counting as 0.
CRect ApplyCellInsets(const RECT& rcCell, const CCellInsets& insets);

// Justification of a column, as the list view's column format has it.
#define LIST_ALIGN_LEFT 0
#define LIST_ALIGN_RIGHT 1
#define LIST_ALIGN_CENTER 2

// Places a measured text of cx x cy at the top-left of rcRoom: moved right
// by the free width (all of it for right-aligned text, half when centred)
// and down by half the free height.
CRect PlaceLinkText(const RECT& rcRoom, int cx, int cy, int nAlign);

// Top-left of a child cx x cy centred in a list nClientWidth x
// nClientHeight below a header nHeaderHeight high.
CPoint CenterInList(int nClientWidth, int nClientHeight, int nHeaderHeight, int cx, int cy);

// The side of the tinted square inside a fixed check box of side nSide.
int FixedCheckTintSide(int nSide);

#endif // TANZO_CONTROLS_LISTGEOMETRY_H
