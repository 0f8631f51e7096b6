#ifndef TANZO_TEXT_SYSTEMINFO_H
#define TANZO_TEXT_SYSTEMINFO_H

#include "afx/String.h"

// Windows version names and the program's own file version.

// The name of a Windows version as GetVersionEx reports it (platform id,
// major and minor version); friendly gives the marketing names it knows.
CString OsNameFromVersion(DWORD platformId, DWORD major, DWORD minor, BOOL friendly);

// A file version (the two words of VS_FIXEDFILEINFO) as the short text of
// the User-Agent: 3.1.0.0 gives "3.1", 3.2.5.0 "3.25", 3.10.0.0 "3.a".
CString VersionTextFromWords(DWORD versionMS, DWORD versionLS);

#ifdef _WIN32
BOOL GetOsName(CString& out, BOOL friendly);
BOOL IsVistaOrLater();
BOOL GetModulePath(CString& out);
BOOL GetFileFixedVersion(LPCTSTR path, VS_FIXEDFILEINFO& out);
BOOL GetOwnFixedVersion(VS_FIXEDFILEINFO& out);
// Empty when the program has no version resource.
void GetOwnVersionText(CString& out);
#endif

#endif // TANZO_TEXT_SYSTEMINFO_H
