#include "text/SystemInfo.h"

namespace
{
struct FriendlyName
{
    DWORD platformId, major, minor;
    const char* name;
};

const FriendlyName kFriendlyNames[] = {
    {1, 4, 0, "Windows 95"},    {1, 4, 10, "Windows 98"}, {1, 4, 90, "Windows Me"},
    {2, 5, 0, "Windows 2000"},  {2, 5, 1, "Windows XP"},  {2, 5, 2, "Windows Server 2003"},
    {2, 6, 0, "Windows Vista"}, {2, 6, 1, "Windows 7"},
};
} // namespace

CString OsNameFromVersion(DWORD platformId, DWORD major, DWORD minor, BOOL friendly)
{
    CString name;
    if (friendly)
    {
        for (const FriendlyName& f : kFriendlyNames)
        {
            // The 9x names go by the minor version alone.
            if (f.platformId == platformId && f.minor == minor && (platformId == 1 || f.major == major))
                return f.name;
        }
    }
    switch (platformId)
    {
    case 0:
    case 1:
        name.Format("Windows %u.%u", (unsigned)major, (unsigned)minor);
        break;
    case 2:
        name.Format("Windows NT %u.%u", (unsigned)major, (unsigned)minor);
        break;
    default:
        name = "Windows";
        break;
    }
    return name;
}

CString VersionTextFromWords(DWORD versionMS, DWORD versionLS)
{
    CString text;
    text.Format("%x.%x%x%x", (unsigned)HIWORD(versionMS), (unsigned)LOWORD(versionMS),
                (unsigned)HIWORD(versionLS), (unsigned)LOWORD(versionLS));
    int len = text.GetLength();
    while (len > 3 && text[len - 1] == '0')
        --len;
    return text.Left(len);
}
