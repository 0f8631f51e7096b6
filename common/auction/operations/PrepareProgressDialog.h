#ifndef TANZO_AUCTION_PREPAREPROGRESSDIALOG_H
#define TANZO_AUCTION_PREPAREPROGRESSDIALOG_H

// Runs one operation of the client behind a progress dialog (Windows
// builds): the operation's requests run through the dialog on its
// conversation, its status lines and messages show in it, 中止 stops it.

#include "afx/Controls.h"
#include "app/DecorateStatic.h"
#include "net/HttpProgressDialog.h"
#include "net/ProgressMarkStatic.h"
#include "net/ProgressSink.h"

class CAuctionOperationBase;

class CPrepareProgressDialog : public CHttpProgressDialog, public CProgressSink
{
    DECLARE_DYNAMIC(CPrepareProgressDialog)
public:
    // The operation is the caller's. IDOK from DoModal: its Run succeeded.
    CPrepareProgressDialog(UINT nIDTemplate, CAuctionOperationBase* pOperation, CWnd* pParentWnd = nullptr);
    ~CPrepareProgressDialog() override;

    // IDCANCEL, without a window, when the operation must not run now.
    INT_PTR DoModal() override;

    // A status text with a line break shows on several lines, one without
    // on one line centred in the status line's height.
    void SetStatus(LPCTSTR lpszText) override;
    void SetTitle(LPCTSTR lpszText) override;
    void SetSubStatus(LPCTSTR lpszText) override;
    // In message boxes, while the operation may tell (MayTell).
    int ShowMessage(LPCTSTR lpszText, UINT nType) override;
    using CHttpProgressDialog::ShowMessage;
    // One request of the operation; a post is known to be on its way
    // while it runs.
    BOOL Send(LPCTSTR lpszUrl, LPCVOID pBody, DWORD dwLength, LPCTSTR lpszHeaders) override;

    CAuctionOperationBase* GetOperation() const { return m_pOperation; }

protected:
    // Once the user stopped the work nothing more is told, no question
    // and no error of what was still to come; only when the stop came
    // while a post was on its way may the operation still say that the
    // service may have taken it.
    BOOL MayTell() const;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void DoWork() override;
    CProgressMarkStatic* GetMarkStatic() override;

    afx_msg void OnAbort();

    CDecorateStatic m_subStatus;
    CStatic m_status;
    CProgressMarkStatic m_marks;
    CAuctionOperationBase* m_pOperation;
    BOOL m_bPosting = FALSE;
    BOOL m_bStoppedWhilePosting = FALSE;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_PREPAREPROGRESSDIALOG_H
