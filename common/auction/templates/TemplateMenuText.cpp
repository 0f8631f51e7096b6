#include "auction/templates/TemplateMenuText.h"

#include "text/TextCut.h"

namespace
{
// Longest menu text shown whole.
const int kMenuTextBytes = 62;
// Templates in the first column before the menu is split in halves.
const int kFirstColumnTemplates = 10;
} // namespace

CString MakeTemplateMenuText(LPCTSTR lpszText)
{
    CString text(lpszText);
    text.Replace("\r\n", "");
    TruncateWithEllipsis(text, kMenuTextBytes);
    return text;
}

CString FormatTemplateMenuEntry(int nIndex, LPCTSTR lpszMenuText)
{
    CString text(lpszMenuText);
    text.Replace("&", "&&");
    CString entry;
    if (nIndex < 10)
        entry.Format("&%d %s", (nIndex + 1) % 10, (LPCTSTR)text);
    else
        entry.Format("%d %s", nIndex + 1, (LPCTSTR)text);
    return entry;
}

int GetTemplateMenuBreakIndex(int nFixedEntries, int nTemplates)
{
    const int nTotal = nFixedEntries + nTemplates;
    const int nBreak = nFixedEntries + kFirstColumnTemplates < nTotal ? (nTotal + 1) / 2
                                                                      : nFixedEntries + kFirstColumnTemplates;
    const int nIndex = nBreak - nFixedEntries;
    return nIndex >= 0 && nIndex < nTemplates ? nIndex : -1;
}
