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

#endif // TANZO_APP_MODELESSOWNER_H
