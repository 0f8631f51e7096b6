#ifndef TANZO_APP_BUSYSTATE_H
#define TANZO_APP_BUSYSTATE_H

// Marks of long work: a flag that is set for a scope, and the main
// window's Close command greyed while the program is busy.

#include "afx/wintypes.h"
#include "text/BitFlags.h"

// Sets the flag to 1 for its life and puts the value it had back at the end.
class CScopedFlag
{
public:
    explicit CScopedFlag(int* pFlag);
    ~CScopedFlag();

private:
    enum
    {
        bitWasSet = 0x1
    };
    int* m_pFlag;
    CBitFlagsEx m_saved;

    CScopedFlag(const CScopedFlag&) = delete;
    CScopedFlag& operator=(const CScopedFlag&) = delete;
};

#ifdef _WIN32
// Enables or greys Close in the system menu of the main frame and updates
// its bars at once. Nothing without a main frame.
void EnableMainWindowClose(BOOL bEnable);
#endif

#endif // TANZO_APP_BUSYSTATE_H
