#ifndef TANZO_APP_DIALOGTEXTRULES_H
#define TANZO_APP_DIALOGTEXTRULES_H

// How the dialogs shorten and shape the texts they show. Lengths are bytes
// of code page 932; no two-byte character is split.

#include "afx/String.h"
#include "afx/wintypes.h"

// Tips longer than this are cut and end in "...".
#define TOOLTIP_TEXT_MAX_BYTES 500

CString MakeToolTipText(LPCTSTR lpszText);

// What the character counter shows for a count of bytes: the full-width
// characters ("3.5" for 7 bytes), bold from the warning count on, red from
// one below the maximum (thresholds of 0 are off).
struct CharCountLook
{
    CString strText;
    BOOL bBold;
    BOOL bOver;
};

CharCountLook MakeCharCountLook(int nCount, int nWarning, int nMaximum);

#endif // TANZO_APP_DIALOGTEXTRULES_H
