#ifndef TANZO_INSTALL_SHORTCUTFILE_H
#define TANZO_INSTALL_SHORTCUTFILE_H

// Shortcut (.lnk) files through the shell's link object (Windows builds).

#include "afx/wintypes.h"

// Writes the shortcut with its target, description and, when given and not
// empty, its arguments; no working folder, icon or hot key. TRUE only when
// every step succeeded.
BOOL CreateShortcutFile(LPCTSTR lpszLinkPath, LPCTSTR lpszDescription, LPCTSTR lpszTarget,
                        LPCTSTR lpszArguments);

#endif // TANZO_INSTALL_SHORTCUTFILE_H
