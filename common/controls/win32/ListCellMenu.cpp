#include "controls/ListCellMenu.h"

#include "afx/Menu.h"
#include "app/ClipboardShell.h"
#include "app/MenuHelpers.h"
#include "controls/CommListCtrl.h"

CListCellMenu::~CListCellMenu() = default;

BOOL CListCellMenu::GetCellLinkText(CCommListCtrl*, CString&)
{
    return FALSE;
}

void CListCellMenu::PrepareMenu(CCommListCtrl*, CMenu*) {}

void CListCellMenu::Reset()
{
    m_nHitRow = -1;
    m_nHitColumn = -1;
}

int CListCellMenu::Track(CCommListCtrl* pList, CWnd* pOwner, UINT nIDMenu, UINT nIDInsertMenu)
{
    if (pList == nullptr || !::IsWindow(pList->m_hWnd) || pOwner == nullptr || !::IsWindow(pOwner->m_hWnd) ||
        nIDMenu == 0)
        return 0;
    Reset();
    CMenu menu;
    if (!menu.LoadMenu(nIDMenu))
        return 0;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return 0;
    CPoint ptCursor;
    pList->GetCursorScreenPos(&ptCursor);
    CPoint ptClient(ptCursor);
    pList->ScreenToClient(&ptClient);
    int nRow = -1, nColumn = -1;
    if (pList->HitTestCell(ptClient.x, ptClient.y, &nRow, &nColumn))
    {
        m_nHitRow = nRow;
        m_nHitColumn = nColumn;
        if (nIDInsertMenu != 0)
            InsertMenuFromResource(pPopup, 0, nIDInsertMenu, MENU_INSERT_SEPARATOR_AFTER);
    }
    PrepareMenu(pList, pPopup);
    int nResult = pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, ptCursor.x, ptCursor.y, pOwner);
    menu.DestroyMenu();
    return nResult;
}

BOOL CListCellMenu::OpenCellLink(CCommListCtrl* pList)
{
    CString strText;
    BOOL bDone = GetCellLinkText(pList, strText) && !strText.IsEmpty();
    if (bDone)
        OpenInBrowser(strText, pList != nullptr ? pList->m_hWnd : nullptr);
    Reset();
    return bDone;
}

BOOL CListCellMenu::CopyCellLink(CCommListCtrl* pList)
{
    CString strText;
    BOOL bDone = GetCellLinkText(pList, strText) && !strText.IsEmpty() &&
                 SetClipboardText(strText, pList != nullptr ? pList->m_hWnd : nullptr, FALSE, FALSE);
    Reset();
    return bDone;
}
