#ifndef TANZO_TEXT_INPUTTEXTCHECK_H
#define TANZO_TEXT_INPUTTEXTCHECK_H

#include "afx/wintypes.h"

// Reasons of CheckInputText, as bits.
#define INPUT_TEXT_FORBIDDEN_CHAR 1 // '"', '<' or '>'
#define INPUT_TEXT_HALF_WIDTH_KANA 2

// Whether the user's text may go to the auction service, which refuses
// '"', '<', '>' and half-width katakana. Half-width katakana are looked
// for when bCheckKana is set or no forbidden character was found, so both
// bits are set only with bCheckKana. pReason (may be null) receives the
// bits; TRUE when they are 0.
BOOL CheckInputText(LPCTSTR text, int* pReason, BOOL bCheckKana);

#endif // TANZO_TEXT_INPUTTEXTCHECK_H
