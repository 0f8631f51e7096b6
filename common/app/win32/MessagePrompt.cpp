#include "app/MessagePrompt.h"

#include "app/ChoiceMessageDialog.h"

CMessagePrompt::~CMessagePrompt() = default;

INT_PTR CMessagePrompt::RunDialog(CChoiceMessageDialog& dlg)
{
    return dlg.DoModal();
}

INT_PTR CMessagePrompt::AskQuestion(UINT nIDText, DWORD dwKey, CWnd* pParentWnd, BOOL bWithCancel)
{
    CChoiceMessageDialog dlg(nIDText, pParentWnd);
    return Ask(dlg, dwKey, messageIconQuestion, bWithCancel);
}

INT_PTR CMessagePrompt::AskQuestion(LPCTSTR lpszText, DWORD dwKey, CWnd* pParentWnd, BOOL bWithCancel)
{
    CChoiceMessageDialog dlg(lpszText, pParentWnd);
    return Ask(dlg, dwKey, messageIconQuestion, bWithCancel);
}

INT_PTR CMessagePrompt::AskWarning(UINT nIDText, DWORD dwKey, CWnd* pParentWnd, BOOL bWithCancel)
{
    CChoiceMessageDialog dlg(nIDText, pParentWnd);
    return Ask(dlg, dwKey, messageIconWarning, bWithCancel);
}

INT_PTR CMessagePrompt::Ask(CChoiceMessageDialog& dlg, DWORD dwKey, int nIconKind, BOOL bWithCancel)
{
    if (bWithCancel)
        dlg.SetButtons(messageButtonsYesNoCancel, nIconKind, 0);
    else
        dlg.SetButtons(messageButtonsYesNo, nIconKind, 1);
    dlg.SetDontShowAgain();
    const INT_PTR nResult = RunDialog(dlg);
    // Not asking again stands for Yes only: a No must not become the
    // silent answer of every later time.
    if (dlg.IsChecked() && nResult == IDYES)
        OnDontShowAgain(dwKey);
    return nResult;
}
