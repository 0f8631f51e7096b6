#ifndef TANZO_TEXT_PATHUTIL_H
#define TANZO_TEXT_PATHUTIL_H

#include "afx/String.h"

class CStringList;

// Paths are code page 932 texts with "\" separators. The text functions
// here are portable; the ones that touch the file system are Windows only.

// out = dir, then name after exactly one "\"; an empty or null dir leaves
// out unchanged.
void JoinPath(CString& out, LPCTSTR dir, LPCTSTR name);

// Drive and folder of a path ("\" or "/" separated, as _splitpath reads
// it), without one trailing separator.
void GetDirectoryOfPath(LPCTSTR path, CString& out);

// Appends the components of a path to the list (one trailing "\" removed
// first): a UNC server-and-share prefix as one element, then every text
// between backslashes, empty ones included.
void SplitPath(LPCTSTR path, CStringList& list);

BOOL IsUncPath(LPCTSTR path);

#ifdef _WIN32
// TRUE when the file or folder exists; for a wildcard pattern, when exactly
// one entry matches it.
BOOL FileExists(LPCTSTR path);
BOOL RemoveFileIfExists(LPCTSTR path);
// Removes a folder and everything in it; a junction or symbolic link inside
// is removed itself, never followed. TRUE when the path does not exist.
BOOL RemoveTree(LPCTSTR path);
BOOL CreateFolderTree(LPCTSTR path);
BOOL EnsureFolderOfFile(LPCTSTR path);
BOOL GetSpecialFolder(int csidl, CString& out);
// CSIDL_APPDATA joined with "Velmar Soft" and appName (null: the running
// application's name). Creates nothing.
BOOL GetAppDataFolder(CString& out, LPCTSTR appName);
BOOL GetTempFolder(CString& out, BOOL perApp);
BOOL ToShortPath(CString& path);
BOOL ToLongPath(CString& path);
BOOL IsSamePath(LPCTSTR a, LPCTSTR b);
#endif

#endif // TANZO_TEXT_PATHUTIL_H
