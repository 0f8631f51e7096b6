#ifndef TANZO_CLIENT_ACTIONS_PAGEFORM_H
#define TANZO_CLIENT_ACTIONS_PAGEFORM_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CFormFieldSet;
class CHttpComm;
class CMarkupNode;

// A form of the page a job has fetched, taken as a browser would post it.

// The address the form posts to: its action decoded once and resolved
// against the page's address. An empty action posts to the page's own
// address, as in a browser; a form without action gives FALSE.
BOOL GetFormActionUrl(CMarkupNode* pForm, LPCTSTR pageUrl, CString& out);

// The form alone (the page may hold others before it) read into form, and
// with pActionUrl the address it posts to (GetFormActionUrl). FALSE when it
// holds no input or, asked for, has no action.
BOOL TakePageForm(CHttpComm* pPage, CMarkupNode* pForm, CFormFieldSet& form, CString* pActionUrl);

#endif // TANZO_CLIENT_ACTIONS_PAGEFORM_H
