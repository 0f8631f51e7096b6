#include "install/VersionRules.h"

#include <cstring>

int CompareFileVersions(const VS_FIXEDFILEINFO* a, const VS_FIXEDFILEINFO* b)
{
    if (a == nullptr || b == nullptr)
        return versionMissing;
    const DWORD wordsA[] = {a->dwFileVersionMS, a->dwProductVersionMS, a->dwFileVersionLS,
                            a->dwProductVersionLS};
    const DWORD wordsB[] = {b->dwFileVersionMS, b->dwProductVersionMS, b->dwFileVersionLS,
                            b->dwProductVersionLS};
    for (int i = 0; i < 4; ++i)
    {
        if (wordsA[i] != wordsB[i])
            return wordsA[i] > wordsB[i] ? versionFirstNewer : versionFirstOlder;
    }
    return versionEqual;
}

VS_FIXEDFILEINFO MakeVersionBlock(DWORD fileMS, DWORD fileLS, DWORD productMS, DWORD productLS)
{
    VS_FIXEDFILEINFO block;
    std::memset(&block, 0, sizeof(block));
    block.dwFileVersionMS = fileMS;
    block.dwFileVersionLS = fileLS;
    block.dwProductVersionMS = productMS;
    block.dwProductVersionLS = productLS;
    return block;
}

BOOL IsOlderThanWindows7Version(DWORD platformId, DWORD major, DWORD minor)
{
    if (platformId != VER_PLATFORM_WIN32_NT)
        return platformId == VER_PLATFORM_WIN32s || platformId == VER_PLATFORM_WIN32_WINDOWS;
    return major < 6 || (major == 6 && minor == 0);
}

BOOL IsUnsupportedWindowsVersion(DWORD platformId, DWORD major, DWORD minor)
{
    if (platformId != VER_PLATFORM_WIN32_NT)
        return platformId == VER_PLATFORM_WIN32s || platformId == VER_PLATFORM_WIN32_WINDOWS;
    return major < 4;
}
