#ifndef TANZO_CLIENT_ACTIONS_FINALBUTTON_H
#define TANZO_CLIENT_ACTIONS_FINALBUTTON_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CHtmlDocument;

// The button of a confirmation page that sends the final post: the
// address its script posts to and the charset the script names.
struct FinalButtonSpec
{
    LPCTSTR idPart;      // a part of the button's id
    LPCTSTR classPart;   // a part of its class
    UINT valueTextId;    // a text its value holds
    LPCTSTR callMarker;  // the script call that names the charset
    int charsetArgument; // which of its arguments, from 0
};

// The first button the spec finds, its address resolved against the
// page's, and the charset code of the body: the one the call names, else
// UTF-8 for an address of the selling pages, else 0 (the form's own).
// FALSE when there is no such button.
BOOL FindFinalButton(CHtmlDocument* pPage, LPCTSTR pageUrl, const FinalButtonSpec& spec, CString& url,
                     int& nCharset);

#endif // TANZO_CLIENT_ACTIONS_FINALBUTTON_H
