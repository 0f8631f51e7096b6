// The main of the Windows test programs. The test programs run at once on
// one display: each runs on a desktop of its own, so that a window another
// one shows takes neither its foreground window nor its focus.
#include "app/TestDesktop.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!WasStartedOnNamedDesktop())
    {
        DWORD dwExitCode = 1;
        if (RunOnDesktopOfItsOwn(dwExitCode))
            return (int)dwExitCode;
        std::fprintf(stderr, "no desktop of its own could be made: the tests share the display's\n");
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
