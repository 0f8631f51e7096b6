#ifndef TANZO_TEXT_LINEWRAP_H
#define TANZO_TEXT_LINEWRAP_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Line wrapping with the Japanese line-breaking rules (kinsoku).

// Flags of WrapText.
#define WRAP_WORDS 1     // keep ASCII words whole
#define WRAP_KINSOKU 2   // the kinsoku rule (and the word rule)
#define WRAP_LOOK_BACK 4 // look back in the line for an earlier break point

BOOL IsNoLineStartChar(LPCTSTR ch, int length);
BOOL IsNoLineEndChar(LPCTSTR ch, int length);

// May the line break before the character at position (length bytes),
// whose previous character has previousLength bytes (0 at a line start)?
BOOL CanBreakBefore(LPCTSTR text, int position, int length, int previousLength, BOOL kinsoku);

// The last position up to maxPosition (and inside the length bytes of
// text) before which a break is allowed; -1 when none.
int FindLastBreak(LPCTSTR text, int length, int maxPosition, BOOL kinsoku);

// Inserts lineBreak so that no line is longer than width bytes, breaking
// where the rules of flags allow; a character may hang over the width by
// up to overhang bytes (any amount when overhang is negative) rather than
// break a rule. TRUE when a break was inserted.
BOOL WrapText(CString& text, int width, int overhang, int flags, LPCTSTR lineBreak);

#endif // TANZO_TEXT_LINEWRAP_H
