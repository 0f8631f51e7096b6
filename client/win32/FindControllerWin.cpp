#include "client/FindController.h"
#include "client/FindDialog.h"

BOOL CFindController::AskSearchText(CWnd* pParent, CString& strText, BOOL& bMatchCase)
{
    CFindDialog dlg(pParent);
    dlg.SetOption(bMatchCase);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    dlg.GetSearchText(strText);
    bMatchCase = dlg.TestOption(CFindBaseDialog::optionChecked);
    return TRUE;
}

void CFindController::Beep()
{
    ::MessageBeep(0);
}
