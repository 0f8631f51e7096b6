#ifndef TANZO_APP_WEBADDRESS_H
#define TANZO_APP_WEBADDRESS_H

#include "afx/wintypes.h"

// TRUE when the text is an address the user's browser may be given:
// "http://" or "https://" (in any letter case) right at its start, a host
// after it, and no blank, control character or double quote anywhere (the
// shell's command line would end or split the address there). A file, a
// share, a script or another protocol is never one.
BOOL IsWebAddress(LPCTSTR text);

#endif // TANZO_APP_WEBADDRESS_H
