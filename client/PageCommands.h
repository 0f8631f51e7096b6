#ifndef TANZO_CLIENT_PAGECOMMANDS_H
#define TANZO_CLIENT_PAGECOMMANDS_H

// Paging through a list: what the page commands read, when they are
// enabled, which page numbers the page menu offers, and the range a
// refresh of the stored position reads. A current page of 0 means that
// all pages were read.

#include "afx/wintypes.h"

// The pages a page command reads (last -1: first alone), from the
// current page, the page count and the first page the menu lists. FALSE
// for 33132, which asks the user, and for other commands.
BOOL GetPageCommandRange(UINT id, int current, int count, int firstChoice, int& first, int& last);
BOOL IsPageCommandEnabled(UINT id, int current, int count);
// "All pages" is checked while all pages are shown.
BOOL IsPageCommandChecked(UINT id, int current, int count);

// What F5 reads: the stored current page alone, or pages 1 to the stored
// count when all pages were read.
void GetStoredRefreshRange(int current, int count, int& first, int& last);

// The page numbers the page menu lists: firstChoice up to ten of them,
// never beyond the count. 0 (none) when the count is not above 0.
int GetPageChoiceCount(int firstChoice, int count);

// The digits of a page number up to the maximum (at least 1).
int CountPageDigits(int maximum);
// The page the page-number dialog starts on: never above the maximum.
int LimitPageToMaximum(int page, int maximum);

#endif // TANZO_CLIENT_PAGECOMMANDS_H
