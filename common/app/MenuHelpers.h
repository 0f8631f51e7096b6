#ifndef TANZO_APP_MENUHELPERS_H
#define TANZO_APP_MENUHELPERS_H

// Building pop-up menus from menu resources and enabling their items
// (Windows builds).

#include "afx/wintypes.h"

class CMenu;

// Whatever decides whether a command of its menus can run now.
class CCommandStateProvider
{
public:
    virtual BOOL IsCommandEnabled(UINT nID) = 0;

protected:
    ~CCommandStateProvider() = default;
};

// Flags of InsertMenuFromResource.
#define MENU_INSERT_SEPARATOR_BEFORE 0x1 // a separator in front of the inserted items
#define MENU_INSERT_SEPARATOR_AFTER 0x2  // a separator behind them
#define MENU_INSERT_BYCOMMAND 0x4        // nPosition is a command id, not a position

// Inserts the items of the first pop-up of menu resource nIDMenu at
// nPosition of pMenu, in their order; separators and items without text
// are left out. FALSE when the resource or its pop-up is missing, or the
// command of MENU_INSERT_BYCOMMAND is not an item of pMenu.
BOOL InsertMenuFromResource(CMenu* pMenu, UINT nPosition, UINT nIDMenu, UINT nFlags);

// Enables each item that is not a separator when the provider says its
// command can run, else greys it.
void UpdateMenuItems(CMenu* pMenu, CCommandStateProvider* pProvider);

#endif // TANZO_APP_MENUHELPERS_H
