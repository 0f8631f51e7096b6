#ifndef TANZO_AFX_MENU_H
#define TANZO_AFX_MENU_H

// CMenu: a menu handle (Windows builds). A menu the object created or
// loaded (or attached) is destroyed with it; menus reached through
// FromHandle or GetSubMenu are temporary wrappers that own nothing.

#include "afx/HandleObject.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/wintypes.h"

#include <utility>

class CWnd;

// The handle of a menu, under the name MFC gives it.
struct AFX_MENU_HANDLE
{
    typedef HMENU HANDLE_TYPE;
    HMENU m_hMenu = nullptr;
    HMENU GetHandle() const { return m_hMenu; }
    void SetHandle(HMENU h) { m_hMenu = h; }
    static BOOL DestroyHandle(HMENU h) { return ::DestroyMenu(h); }
};

class CMenu : public CHandleObject<CMenu, AFX_MENU_HANDLE>
{
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu() = default;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return GetSafeHeld(); }
    BOOL operator==(const CMenu& menu) const { return menu.m_hMenu == m_hMenu; }
    BOOL operator!=(const CMenu& menu) const { return menu.m_hMenu != m_hMenu; }

    // The permanent object of the menu (or one of its pop-ups, at any
    // depth) that holds the item nID; owner-drawn menus measure through it.
    static CMenu* FindPermanentPopup(HMENU hMenu, UINT nID);

    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    // From the resources of AfxGetResourceHandle().
    BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL LoadMenuIndirect(const void* lpMenuTemplate) { return Attach(::LoadMenuIndirectA(lpMenuTemplate)); }
    BOOL DestroyMenu() { return DestroyHeld(); }

    BOOL DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr)
    {
        return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr)
    {
        return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
    {
        return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
    {
        return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
    }
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
    {
        return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
    }
    UINT GetMenuItemCount() const { return (UINT)::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
    {
        return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE)
    {
        return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
    }
    BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE)
    {
        return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
    }
    CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE)
    {
        return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
    }
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE)
    {
        return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
    }
    BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, HBITMAP hBitmapUnchecked, HBITMAP hBitmapChecked)
    {
        return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, hBitmapUnchecked, hBitmapChecked);
    }

    // Shows the pop-up; with TPM_RETURNCMD the chosen command (0 for none),
    // else non-zero on success. While it shows, AfxGetTrackingMenu() is it.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    // Owner-drawn items of a permanent menu come here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};

// The pop-up menu that CMenu::TrackPopupMenu shows now; null when none.
HMENU AFXAPI AfxGetTrackingMenu();

#endif // TANZO_AFX_MENU_H
