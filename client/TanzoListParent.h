#ifndef TANZO_CLIENT_TANZOLISTPARENT_H
#define TANZO_CLIENT_TANZOLISTPARENT_H

// What the partner list and the re-listing confirmation list ask of the
// dialog that holds them (Windows builds). The partner-selection dialogs
// and the re-listing confirmation dialog implement it; the lists find it
// on their parent window. A partner list whose parent lacks it shows no
// pop-up menu.

#include "afx/wintypes.h"

class CTanzoListParent
{
public:
    // Display modes of the partner dialogs; only the winner list is told
    // apart by the list.
    enum
    {
        DisplayWinnerList = 3
    };

    // The partner list: the link under the mouse, empty off a link.
    virtual void ShowListHoverText(LPCTSTR lpszText) {}
    virtual int GetListDisplayMode() { return 0; }
    // The confirmation list: a line of the dialog's status text, shown
    // for a while (timed) or until the next one.
    virtual void ShowListStatusText(LPCTSTR lpszText, BOOL bTimed) {}
    // The confirmation list's pop-up: whether the command can run now.
    virtual BOOL IsListCommandEnabled(UINT nID) { return TRUE; }

protected:
    CTanzoListParent() = default;
    CTanzoListParent(const CTanzoListParent&) = default;
    CTanzoListParent& operator=(const CTanzoListParent&) = default;
    ~CTanzoListParent() = default;
};

#endif // TANZO_CLIENT_TANZOLISTPARENT_H
