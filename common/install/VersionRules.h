#ifndef TANZO_INSTALL_VERSIONRULES_H
#define TANZO_INSTALL_VERSIONRULES_H

// Which of two program versions is newer, and which Windows versions the
// installer refuses or warns about.

#include "afx/wintypes.h"

// Results of CompareFileVersions.
enum
{
    versionFirstNewer = 0,
    versionFirstOlder = 1,
    versionEqual = 2,
    versionMissing = 3 // either block is missing
};

// Compares the file version's most significant word, the product
// version's, the file version's least significant word and the product
// version's, in this order.
int CompareFileVersions(const VS_FIXEDFILEINFO* a, const VS_FIXEDFILEINFO* b);

// A version block with only the file and product versions filled in.
VS_FIXEDFILEINFO MakeVersionBlock(DWORD fileMS, DWORD fileLS, DWORD productMS, DWORD productLS);

// By GetVersionEx's platform id, major and minor version: Win32s and
// Windows 9x are both; Windows NT is older than 7 up to 6.0 and
// unsupported below 4.
BOOL IsOlderThanWindows7Version(DWORD platformId, DWORD major, DWORD minor);
BOOL IsUnsupportedWindowsVersion(DWORD platformId, DWORD major, DWORD minor);

#ifdef _WIN32
// The running system (FALSE when it cannot be asked).
BOOL IsOlderThanWindows7();
BOOL IsUnsupportedWindows();
#endif

#endif // TANZO_INSTALL_VERSIONRULES_H
