#ifndef TANZO_AUCTION_EDITORLIST_H
#define TANZO_AUCTION_EDITORLIST_H

// What the lists of the editors' dialogs share (Windows builds): columns
// titled from the string table, and rows that own their item data.

#include "afx/wintypes.h"
#include "controls/CommListCtrl.h"

// A column titled by string nTitleId (none for 0); the column's index.
int InsertTitledColumn(CListCtrl& list, int nColumn, UINT nTitleId, int nFormat, int nWidth);

// Deletes each row's item data as a T, then every row.
template <class T> void DeleteRowsWithData(CCommListCtrl& list)
{
    if (list.GetSafeHwnd() == nullptr)
        return;
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
    {
        delete (T*)list.GetItemData(nRow);
        list.SetItemData(nRow, 0);
    }
    list.DeleteAllRows();
}

#endif // TANZO_AUCTION_EDITORLIST_H
