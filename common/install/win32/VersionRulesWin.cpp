#include "install/VersionRules.h"

namespace
{
BOOL QueryVersion(OSVERSIONINFOA& info)
{
    ZeroMemory(&info, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    return ::GetVersionExA(&info);
}
} // namespace

BOOL IsOlderThanWindows7()
{
    OSVERSIONINFOA info;
    return QueryVersion(info) &&
           IsOlderThanWindows7Version(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

BOOL IsUnsupportedWindows()
{
    OSVERSIONINFOA info;
    return QueryVersion(info) &&
           IsUnsupportedWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}
