#include "text/SystemInfo.h"

#include <vector>

namespace
{
BOOL QueryVersion(OSVERSIONINFOA& info)
{
    ZeroMemory(&info, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info); // 148 bytes
    return ::GetVersionExA(&info);
}
} // namespace

BOOL GetOsName(CString& out, BOOL friendly)
{
    OSVERSIONINFOA info;
    if (!QueryVersion(info))
        return FALSE;
    CString name = OsNameFromVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, friendly);
    if (name.IsEmpty())
        return FALSE;
    out = name;
    return TRUE;
}

BOOL IsVistaOrLater()
{
    OSVERSIONINFOA info;
    return QueryVersion(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 6;
}

BOOL GetModulePath(CString& out)
{
    char path[MAX_PATH + 1] = {};
    DWORD len = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (len == 0 || len >= MAX_PATH)
        return FALSE;
    out = CString(path, (int)len);
    return TRUE;
}

BOOL GetFileFixedVersion(LPCTSTR path, VS_FIXEDFILEINFO& out)
{
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return FALSE;
    std::vector<BYTE> block(size);
    if (!::GetFileVersionInfoA(path, 0, size, block.data()))
        return FALSE;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    if (!::VerQueryValueA(block.data(), "\\", (LPVOID*)&info, &len) || info == nullptr || len < sizeof(out))
        return FALSE;
    out = *info;
    return TRUE;
}

BOOL GetOwnFixedVersion(VS_FIXEDFILEINFO& out)
{
    CString path;
    return GetModulePath(path) && GetFileFixedVersion(path, out);
}

void GetOwnVersionText(CString& out)
{
    VS_FIXEDFILEINFO info;
    if (GetOwnFixedVersion(info))
        out = VersionTextFromWords(info.dwFileVersionMS, info.dwFileVersionLS);
    else
        out.Empty();
}
