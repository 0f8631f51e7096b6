#ifndef TANZO_APP_MODELESSOWNER_H
#define TANZO_APP_MODELESSOWNER_H

#include "afx/wintypes.h"

// What the application's message box asks of a dialog window: whether it
// was created modeless. A message box raised while such a dialog is active
// is owned by the dialog itself, not by the main window behind it. The
// dialog base implements it.
class CModelessOwner
{
public:
    virtual BOOL IsCreatedModeless() const = 0;

protected:
    ~CModelessOwner() = default;
};

#ifdef _WIN32
class CWnd;

// The dialog that owns the message boxes raised now: the top-level owner
// of the active window when it is a dialog created modeless; null else.
CWnd* GetActiveModelessDialog();
#endif

#endif // TANZO_APP_MODELESSOWNER_H
