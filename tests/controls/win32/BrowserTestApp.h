#ifndef TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTAPP_H
#define TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTAPP_H

// The application object of the browser tests, as a program of the system
// has one, and the waiting the tests do: messages are handled as the
// program's loop handles them until what a test waits for has happened.

#include "app/AppComm.h"

#include <functional>
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

// Handles messages until done() holds; FALSE when nTimeoutMs passed first.
BOOL PumpUntil(const std::function<bool()>& done, DWORD nTimeoutMs = 20000);
// Handles what is queued now.
void PumpPending();

// The bytes of a file; "(missing)" when it cannot be read.
std::string ReadWholeFile(LPCTSTR lpszPath);

#endif // TANZO_TESTS_CONTROLS_WIN32_BROWSERTESTAPP_H
