#ifndef TANZO_CLIENT_INSERTIONDIALOG_H
#define TANZO_CLIENT_INSERTIONDIALOG_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CHtmlDocument;

// Result bits of CheckInsertionDialog.
enum : DWORD
{
    InsertionAccepted = 0x1,          // the listing step may go on
    InsertionOldMethodNotice = 0x2,   // the service refuses the listing method used
    InsertionSellerRegistration = 0x4 // the seller must register first
};

// Reads the dialog block that the service may put on the page after a
// listing step. bNewMethod: the listing used the service's new method.
// result gets InsertionAccepted when there is no block, no form in it, or
// a form that offers to go on; the notice and registration bits as the
// block says. text gets the block's message when there is a notice or the
// step was not accepted, else it is emptied.
void CheckInsertionDialog(CHtmlDocument* pPage, BOOL bNewMethod, DWORD& result, CString& text);

#endif // TANZO_CLIENT_INSERTIONDIALOG_H
