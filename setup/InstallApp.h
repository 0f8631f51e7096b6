#ifndef TANZO_SETUP_INSTALLAPP_H
#define TANZO_SETUP_INSTALLAPP_H

// CInstallApp: the installer's application object. One copy runs at a
// time, found by its title (string 57344); the install dialog runs modally
// and the program ends with it.

#include "app/AppComm.h"

class CInstallApp : public CAppComm
{
public:
    void InitProfileName() override;
    // None: the installer is found by its title.
    LPCTSTR GetWindowClassName() override;
    LPCTSTR GetMutexName() override;
    // 807: another installer holds the mutex but shows no window.
    int OnRunningInstanceNotFound() override;

    // Always FALSE: there is no main loop after the dialog.
    BOOL InitInstance() override;
};

#endif // TANZO_SETUP_INSTALLAPP_H
