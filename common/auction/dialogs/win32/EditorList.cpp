#include "auction/dialogs/EditorList.h"

int InsertTitledColumn(CListCtrl& list, int nColumn, UINT nTitleId, int nFormat, int nWidth)
{
    CString title;
    if (nTitleId != 0)
        title.LoadString(nTitleId);
    return list.InsertColumn(nColumn, title, nFormat, nWidth);
}
