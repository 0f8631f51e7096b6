#ifndef TANZO_APP_TEXTDRAWING_H
#define TANZO_APP_TEXTDRAWING_H

// Drawing texts that DrawText may shorten (Windows builds).

#include "afx/String.h"
#include "afx/wintypes.h"

class CDC;

// Draws the text with the format; with DT_MODIFYSTRING a copy is drawn,
// with room for the four characters DrawText may add, and the text itself
// stays as it was. TRUE when the drawn copy was shortened.
BOOL DrawTextKeepingOriginal(CDC* pDC, const CString& strText, LPRECT lpRect, UINT nFormat);

#endif // TANZO_APP_TEXTDRAWING_H
