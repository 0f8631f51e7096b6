// A program that stands for an installed client of another version: only
// its version resource matters.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
