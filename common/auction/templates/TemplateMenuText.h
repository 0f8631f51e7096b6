#ifndef TANZO_AUCTION_TEMPLATEMENUTEXT_H
#define TANZO_AUCTION_TEMPLATEMENUTEXT_H

// The texts of the template menu: a template cut for one line, its entry
// with a number, and where the menu breaks into a second column.

#include "afx/String.h"
#include "afx/wintypes.h"

// Line breaks (CR LF) removed; a text of 63 bytes or more is cut to at
// most 62 bytes, never inside a two-byte character, and gets "...".
CString MakeTemplateMenuText(LPCTSTR lpszText);

// The entry of template nIndex: "&1 text" .. "&9 text", "&0 text" for the
// tenth, "11 text" and on without a mnemonic; every "&" of the text is
// doubled so that it shows as itself.
CString FormatTemplateMenuEntry(int nIndex, LPCTSTR lpszMenuText);

// The template that begins the menu's second column when nFixedEntries
// (the menu's own entries and the separator) come before nTemplates
// templates; -1 when all fit in one column (ten templates or fewer).
int GetTemplateMenuBreakIndex(int nFixedEntries, int nTemplates);

#endif // TANZO_AUCTION_TEMPLATEMENUTEXT_H
