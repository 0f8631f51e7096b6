#ifndef TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTAPP_H
#define TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTAPP_H

// The application object of the browser tests, as a program of the system
// has one; the tests wait through the dialog tests' pumps.

#include "app/AppComm.h"
#include "app/DialogTestUtil.h"

#include <string>

class CBrowserTestApp : public CAppComm
{
public:
    CBrowserTestApp();

    void InitProfileName() override;
    LPCTSTR GetWindowClassName() override;
    LPCTSTR GetMutexName() override;
};

extern CBrowserTestApp theApp;

// The bytes of a file; "(missing)" when it cannot be read.
std::string ReadWholeFile(LPCTSTR lpszPath);

#endif // TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTAPP_H
