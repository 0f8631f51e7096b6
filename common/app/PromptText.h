#ifndef TANZO_APP_PROMPTTEXT_H
#define TANZO_APP_PROMPTTEXT_H

#include "afx/String.h"

// The text a message box shows for a prompt: every ASCII "?" becomes the
// full-width "？", which sits better in Japanese sentences. Two-byte
// characters are stepped over whole; a null prompt gives "".
CString MakePromptText(LPCTSTR lpszPrompt);

#endif // TANZO_APP_PROMPTTEXT_H
