#ifndef TANZO_APP_DIALOGTEXTRULES_H
#define TANZO_APP_DIALOGTEXTRULES_H

// How the dialogs shorten and shape the texts they show. Lengths are bytes
// of code page 932; no two-byte character is split.

#include "afx/String.h"
#include "afx/wintypes.h"

// Tips longer than this are cut and end in "...".
#define TOOLTIP_TEXT_MAX_BYTES 500

CString MakeToolTipText(LPCTSTR lpszText);

#endif // TANZO_APP_DIALOGTEXTRULES_H
