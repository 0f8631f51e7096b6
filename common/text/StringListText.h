#ifndef TANZO_TEXT_STRINGLISTTEXT_H
#define TANZO_TEXT_STRINGLISTTEXT_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CStringList;

// Joins the non-empty strings with separator between them; with maxLength
// above 0 stops before the string that would make the result longer. out
// is left as it was when nothing is joined; TRUE when something was.
BOOL JoinStringList(const CStringList& list, CString& out, LPCTSTR separator, int maxLength = 0);

// Each string put into format at its "%s" ("%%" is a percent sign), then
// joined. FALSE for an empty format.
BOOL FormatEachAndJoin(const CStringList& list, CString& out, LPCTSTR format, LPCTSTR separator,
                       int maxLength = 0);

// The same with the format from the string table; FALSE when it does not
// load.
BOOL FormatListFromResource(const CStringList& list, CString& out, UINT formatId, LPCTSTR separator,
                            int maxLength = 0);

void AppendStringList(CStringList& target, const CStringList& source);

// Empties list and fills it from a zero-terminated table of string ids,
// skipping ids that do not load; returns the count.
int LoadStringList(CStringList& list, const UINT* ids);

// Index of the first entry e for which MatchText(text, e, flags) holds,
// -1 when none.
int FindInStringList(LPCTSTR text, const CStringList& list, int flags);

#endif // TANZO_TEXT_STRINGLISTTEXT_H
