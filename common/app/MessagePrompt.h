#ifndef TANZO_APP_MESSAGEPROMPT_H
#define TANZO_APP_MESSAGEPROMPT_H

// A yes/no question with a check box for not asking it again (Windows
// builds). The derived class keeps which questions are not to be asked
// again, by a key of its own.

#include "afx/wintypes.h"

class CChoiceMessageDialog;
class CWnd;

class CMessagePrompt
{
public:
    virtual ~CMessagePrompt();

    // The user asked not to be asked this question again.
    virtual void OnDontShowAgain(DWORD dwKey) = 0;
    // Shows the dialog; tests answer here.
    virtual INT_PTR RunDialog(CChoiceMessageDialog& dlg);

    // Yes/No (No the default), or Yes/No/Cancel (Yes the default) with
    // bWithCancel; the question's or the warning's icon. The check box's
    // wish is kept only when the answer is Yes.
    INT_PTR AskQuestion(UINT nIDText, DWORD dwKey, CWnd* pParentWnd, BOOL bWithCancel);
    INT_PTR AskQuestion(LPCTSTR lpszText, DWORD dwKey, CWnd* pParentWnd, BOOL bWithCancel);
    INT_PTR AskWarning(UINT nIDText, DWORD dwKey, CWnd* pParentWnd, BOOL bWithCancel);

private:
    INT_PTR Ask(CChoiceMessageDialog& dlg, DWORD dwKey, int nIconKind, BOOL bWithCancel);
};

#endif // TANZO_APP_MESSAGEPROMPT_H
