#ifndef TANZO_CONTROLS_HISTORYLIST_H
#define TANZO_CONTROLS_HISTORYLIST_H

// A most-recent-first history kept in a list of texts: a combo box's list,
// or anything else with its item operations (GetCount, GetLBText,
// DeleteString, InsertString, SetCurSel).

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/MbcsString.h"

// Index of the first item equal to text, ignoring the case of ASCII
// letters; -1 when none.
template <class TList> int FindHistoryText(const TList& list, LPCTSTR text)
{
    const int nCount = list.GetCount();
    CString strItem;
    for (int i = 0; i < nCount; ++i)
    {
        list.GetLBText(i, strItem);
        if (MbsEqualNoCase(strItem, text))
            return i;
    }
    return -1;
}

// Moves text to the top (removing an equal item), selects it and drops
// the oldest item when more than nMax remain.
template <class TList> void PushHistoryItem(TList& list, LPCTSTR text, int nMax)
{
    const int nFound = FindHistoryText(list, text);
    if (nFound >= 0)
        list.DeleteString((UINT)nFound);
    list.InsertString(0, text);
    list.SetCurSel(0);
    if (nMax >= 0 && nMax < list.GetCount())
        list.DeleteString((UINT)nMax);
}

#endif // TANZO_CONTROLS_HISTORYLIST_H
