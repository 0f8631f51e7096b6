#ifndef TANZO_AUCTION_OPERATIONPROGRESSDIALOG_H
#define TANZO_AUCTION_OPERATIONPROGRESSDIALOG_H

// The log-in test of an account (Windows builds): logs the dialog's
// conversation out and in again with the account while it shows the
// log-in's progress; 中止 stops it.

#include "afx/Controls.h"
#include "auction/accounts/UserAccount.h"
#include "net/HttpProgressDialog.h"
#include "net/ProgressMarkStatic.h"
#include "net/ProgressSink.h"
#include "text/BitFlags.h"

class CAuctionLoginController;

class COperationProgressDialog : public CHttpProgressDialog, public CProgressSink
{
    DECLARE_DYNAMIC(COperationProgressDialog)
public:
    // Result bits.
    enum
    {
        resultLoginAborted = 0x1 // the user stopped the test or a log-in dialog
    };

    // IDOK from DoModal: the account logged in.
    COperationProgressDialog(UINT nIDTemplate, const CUserAccount& account, CWnd* pParentWnd = nullptr);
    ~COperationProgressDialog() override;

    // The log-in controller's type of log-in.
    void SetLoginType(int nType) { m_nLoginType = nType; }
    // The test was abandoned, so its failure is no news for the user.
    BOOL IsLoginAborted() const { return m_result.TestAny(resultLoginAborted) != 0; }

    // The progress of the log-in: its status in the status line, its
    // messages in message boxes, none once the user stopped the test.
    void SetStatus(LPCTSTR lpszText) override;
    int ShowMessage(LPCTSTR lpszText, UINT nType) override;
    using CHttpProgressDialog::ShowMessage;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void DoWork() override;
    CProgressMarkStatic* GetMarkStatic() override;
    // A new controller on the dialog's conversation, owned by the caller.
    virtual CAuctionLoginController* CreateLoginController();
    // A caption of the derived dialog's; FALSE keeps the template's.
    virtual BOOL GetTitle(CString& strTitle);

    afx_msg void OnAbort();

    CBitFlagsEx m_result;
    CProgressMarkStatic m_marks;
    CStatic m_status;
    CUserAccount m_account;
    int m_nLoginType = 0;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_OPERATIONPROGRESSDIALOG_H
