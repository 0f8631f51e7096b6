#include "app/MenuHelpers.h"

#include "afx/Menu.h"
#include "afx/String.h"

namespace
{
int FindCommandPosition(CMenu* pMenu, UINT nID)
{
    const int nCount = (int)pMenu->GetMenuItemCount();
    for (int i = 0; i < nCount; ++i)
    {
        if (pMenu->GetMenuItemID(i) == nID)
            return i;
    }
    return -1;
}
} // namespace

BOOL InsertMenuFromResource(CMenu* pMenu, UINT nPosition, UINT nIDMenu, UINT nFlags)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return FALSE;
    CMenu resource;
    if (!resource.LoadMenu(nIDMenu))
        return FALSE;
    CMenu* pPopup = resource.GetSubMenu(0);
    if (pPopup == nullptr)
        return FALSE;

    // Inserting before a command item again and again would reverse the
    // items: the command's position is used instead.
    if ((nFlags & MENU_INSERT_BYCOMMAND) != 0)
    {
        int nFound = FindCommandPosition(pMenu, nPosition);
        if (nFound < 0)
            return FALSE;
        nPosition = (UINT)nFound;
    }
    const UINT nBy = MF_BYPOSITION;
    if ((nFlags & MENU_INSERT_SEPARATOR_AFTER) != 0)
        pMenu->InsertMenu(nPosition, nBy | MF_SEPARATOR);
    // Each item goes in at the same place, so the last goes first.
    for (int i = (int)pPopup->GetMenuItemCount() - 1; i >= 0; --i)
    {
        UINT nID = pPopup->GetMenuItemID(i);
        if (nID == 0)
            continue;
        CString strText;
        if (pPopup->GetMenuString(i, strText, MF_BYPOSITION) == 0)
            continue;
        pMenu->InsertMenu(nPosition, nBy | MF_STRING, nID, strText);
    }
    if ((nFlags & MENU_INSERT_SEPARATOR_BEFORE) != 0)
        pMenu->InsertMenu(nPosition, nBy | MF_SEPARATOR);
    return TRUE;
}

void UpdateMenuItems(CMenu* pMenu, CCommandStateProvider* pProvider)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr || pProvider == nullptr)
        return;
    const UINT nCount = pMenu->GetMenuItemCount();
    for (UINT i = 0; i < nCount && nCount != (UINT)-1; ++i)
    {
        UINT nState = pMenu->GetMenuState(i, MF_BYPOSITION);
        if (nState != (UINT)-1 && (nState & MF_SEPARATOR) != 0)
            continue;
        UINT nID = pMenu->GetMenuItemID((int)i);
        pMenu->EnableMenuItem(nID,
                              MF_BYCOMMAND | (pProvider->IsCommandEnabled(nID) ? MF_ENABLED : MF_GRAYED));
    }
}
