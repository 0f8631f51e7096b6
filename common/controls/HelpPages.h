#ifndef TANZO_CONTROLS_HELPPAGES_H
#define TANZO_CONTROLS_HELPPAGES_H

// The program's help pages: HTML resources (type 23) that the help window
// shows as "res://<module path>/<id>", the id being a dialog's help id.
// Every page links the one style sheet of the help, HTML resource 410, as
// <link rel="stylesheet" href="410">.
//
// A program adds a page by writing it (UTF-8, with its charset in a meta
// tag) next to its resource script, naming it there as
// "<help id> HTML "help/<name>.htm"", and passing the id to its dialog.

#include "afx/String.h"
#include "afx/wintypes.h"

// Whether a page's markup links the help's style sheet.
BOOL LinksHelpStyle(LPCTSTR lpszPage);

#ifdef _WIN32
// The bytes of the HTML resource of that id; FALSE when the module has none.
BOOL LoadHelpPage(HMODULE hModule, UINT nPageId, CString& strPage);
#endif

#endif // TANZO_CONTROLS_HELPPAGES_H
