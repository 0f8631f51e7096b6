#ifndef TANZO_CLIENT_ACTIONS_WINNERLISTUPDATEDIALOG_H
#define TANZO_CLIENT_ACTIONS_WINNERLISTUPDATEDIALOG_H

// Learns the partners of a closed item from its page behind a progress
// dialog with 中止, signing in again when the page asks for it (Windows
// builds). Ends with OK once partner IDs were read, else with Cancel.

#include "afx/Collections.h"
#include "afx/Controls.h"
#include "net/HttpProgressDialog.h"
#include "net/ProgressMarkStatic.h"
#include "net/ProgressSink.h"

class AuctionItem;
class CUserAccountList;

class CWinnerListUpdateDialog : public CHttpProgressDialog, public CProgressSink
{
    DECLARE_DYNAMIC(CWinnerListUpdateDialog)
public:
    enum
    {
        // Log-ins one fetch may ask for before it gives up.
        MaxLogins = 3
    };

    CWinnerListUpdateDialog(const AuctionItem* pItem, CWnd* pParentWnd = nullptr);
    ~CWinnerListUpdateDialog() override;

    // The accounts whose current user the page must show and who signs in
    // again; null checks no user and signs nobody in.
    void SetAccountList(CUserAccountList* pAccounts) { m_pAccounts = pAccounts; }

    // Empties ids, then appends the partners read; TRUE when any.
    BOOL GetPartnerIds(CStringList& ids) const;

    void SetStatus(LPCTSTR lpszText) override;
    int ShowMessage(LPCTSTR lpszText, UINT nType) override;
    using CHttpProgressDialog::ShowMessage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void DoWork() override;
    CProgressMarkStatic* GetMarkStatic() override;
    void OnCancel() override;

    afx_msg void OnAbort();

    BOOL Fetch(int nDepth);

    CProgressMarkStatic m_marks;
    CStatic m_status;
    const AuctionItem* m_pItem;
    CUserAccountList* m_pAccounts;
    CStringList m_ids;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_WINNERLISTUPDATEDIALOG_H
