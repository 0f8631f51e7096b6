#ifndef TANZO_CLIENT_RUNOPERATIONDIALOG_H
#define TANZO_CLIENT_RUNOPERATIONDIALOG_H

// Runs one of the client's jobs behind the progress dialog 135 (Windows
// builds): its status lines and messages show in the dialog, 中止 stops it.
// The service's refusal and the missing bank account of easy trading show
// with a link to the page that explains them.

#include "afx/String.h"
#include "auction/operations/PrepareProgressDialog.h"
#include "client/TextResourceIds.h"

class CTanzoOperation;

class CRunOperationDialog : public CPrepareProgressDialog
{
    DECLARE_DYNAMIC(CRunOperationDialog)
public:
    // The job is the caller's. DoModal: IDOK when the job succeeded,
    // IDCANCEL when it failed, was stopped or must not run now (no window
    // then).
    CRunOperationDialog(CTanzoOperation* pOperation, CWnd* pParentWnd = nullptr);
    ~CRunOperationDialog() override;

    int ShowMessageId(UINT nID, UINT nType) override;
    using CPrepareProgressDialog::ShowMessage;

    // The link line of a message, if it has one; FALSE for other messages.
    static BOOL GetMessageLink(UINT nID, CString& strUrl, UINT& nIDLinkText);
};

#endif // TANZO_CLIENT_RUNOPERATIONDIALOG_H
