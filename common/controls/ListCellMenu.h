#ifndef TANZO_CONTROLS_LISTCELLMENU_H
#define TANZO_CONTROLS_LISTCELLMENU_H

// The context menu of a list's link cell (Windows builds): the menu of a
// resource, with the link's own commands put on top when the right click
// was on a link text; the derived menu gives the link's text and handles
// its commands through OpenCellLink and CopyCellLink.

#include "afx/String.h"
#include "afx/wintypes.h"

class CCommListCtrl;
class CMenu;
class CWnd;

class CListCellMenu
{
public:
    CListCellMenu() = default;
    virtual ~CListCellMenu();

    // The link text of the hit cell; FALSE when there is none.
    virtual BOOL GetCellLinkText(CCommListCtrl* pList, CString& strText);
    // Last changes to the pop-up before it shows.
    virtual void PrepareMenu(CCommListCtrl* pList, CMenu* pPopup);

    void Reset();
    BOOL HasHitCell() const { return m_nHitRow >= 0 && m_nHitColumn >= 0; }
    int GetHitRow() const { return m_nHitRow; }
    int GetHitColumn() const { return m_nHitColumn; }

    // Shows the first pop-up of menu nIDMenu at the cursor, commands going
    // to pOwner; over a link cell the items of menu nIDInsertMenu (when not
    // 0) come first, with a separator after them. The tracking's result.
    int Track(CCommListCtrl* pList, CWnd* pOwner, UINT nIDMenu, UINT nIDInsertMenu);
    // Opens the link's text with the shell, or puts it on the clipboard;
    // either forgets the hit cell.
    BOOL OpenCellLink(CCommListCtrl* pList);
    BOOL CopyCellLink(CCommListCtrl* pList);

protected:
    int m_nHitRow = -1;
    int m_nHitColumn = -1;

private:
    CListCellMenu(const CListCellMenu&) = delete;
    CListCellMenu& operator=(const CListCellMenu&) = delete;
};

#endif // TANZO_CONTROLS_LISTCELLMENU_H
