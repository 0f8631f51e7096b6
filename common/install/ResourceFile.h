#ifndef TANZO_INSTALL_RESOURCEFILE_H
#define TANZO_INSTALL_RESOURCEFILE_H

// A file written from one of the program's resources (Windows builds).

#include "afx/wintypes.h"

// Writes the resource of that id and type name over the file. The bytes go
// to a new file beside it first, which then replaces the file: on any
// failure (no such resource, a full disk, the file in use) the file stays
// as it was and nothing else is left behind.
BOOL WriteResourceToFile(LPCTSTR lpszPath, UINT nResourceId, LPCTSTR lpszResourceType);

#endif // TANZO_INSTALL_RESOURCEFILE_H
