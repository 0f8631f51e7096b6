#ifndef TANZO_NET_HTTPPROGRESSDIALOG_H
#define TANZO_NET_HTTPPROGRESSDIALOG_H

// The base of the progress dialogs that run long work against the service
// (Windows builds): it owns the HTTP conversation, starts its work 100 ms
// after it shows, and shows the requests' activity as a line of marks.
// Cancel sets the conversation's cancel flag: a running request stops at
// its next step and no new one starts.

#include "app/BaseDialog.h"
#include "net/HttpComm.h"
#include "net/HttpStatusSink.h"
#include "net/RequestHost.h"

class CProgressMarkStatic;

// It hosts the work of an operation: the operation's requests run through
// it (CRequestHost) on its conversation.
class CHttpProgressDialog : public CBaseDialog, public CHttpStatusSink, public CRequestHost
{
    DECLARE_DYNAMIC(CHttpProgressDialog)
public:
    CHttpProgressDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CHttpProgressDialog() override;

    // One request of the work: FALSE at once once cancelled; else the mark
    // line starts empty and the conversation sends (a retry allowed).
    BOOL Send(LPCTSTR lpszUrl, LPCVOID pBody, DWORD dwLength, LPCTSTR lpszHeaders) override;
    // GET without a body, else a form POST of it.
    BOOL Request(LPCTSTR lpszUrl, LPCTSTR lpszBody = nullptr) override;
    CWnd* GetHostWnd() override { return this; }
    // The derived dialog's work, run once when the dialog shows.
    virtual void DoWork();
    // The derived dialog's mark line; null for none.
    virtual CProgressMarkStatic* GetMarkStatic();

    // Stops the work for good: the running request at its next step, and
    // every later one, also those the work makes on the conversation
    // directly (their own start clears its flag; their first status sets
    // it again). The derived dialogs' Cancel calls it.
    void CancelWork();
    BOOL IsCancelled() const { return m_bWorkCancelled || m_comm.IsCancelled(); }
    CHttpComm& GetComm() { return m_comm; }

    void OnInternetStatus(DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override;
    void OnRetry() override;
    // No question once the work is stopped: a stop the user pressed while
    // a request kept the window from its input is taken first.
    int ShowMessage(LPCTSTR lpszText, UINT nType, UINT nIDHelp) override;

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    CHttpComm m_comm;
    BOOL m_bWorkCancelled = FALSE;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_NET_HTTPPROGRESSDIALOG_H
