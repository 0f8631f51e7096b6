#ifndef TANZO_UNINSTALL_UNINSTALLAPP_H
#define TANZO_UNINSTALL_UNINSTALLAPP_H

// CUninstallApp: the uninstaller's application object. One copy runs at a
// time, found by its title (string 57344); its dialog runs modally and the
// program ends with it.

#include "app/AppComm.h"

class CUninstallApp : public CAppComm
{
public:
    void InitProfileName() override;
    // None: the uninstaller is found by its title.
    LPCTSTR GetWindowClassName() override;
    LPCTSTR GetMutexName() override;

    // Always FALSE: there is no main loop after the dialog.
    BOOL InitInstance() override;
};

#endif // TANZO_UNINSTALL_UNINSTALLAPP_H
