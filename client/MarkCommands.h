#ifndef TANZO_CLIENT_MARKCOMMANDS_H
#define TANZO_CLIENT_MARKCOMMANDS_H

#include "afx/wintypes.h"

// The mark commands 33200-33219 and the mark each stores on an item (0 for
// "なし"); FALSE, value untouched, for any other command.
BOOL MarkValueOfCommand(UINT nID, int& value);

#endif // TANZO_CLIENT_MARKCOMMANDS_H
