#ifndef TANZO_CLIENT_USERIDMANAGEDIALOG_H
#define TANZO_CLIENT_USERIDMANAGEDIALOG_H

// CUserIdManageDialog: the user's service IDs with their memos, added,
// edited and deleted through the add dialog (Windows builds). The account
// list runs it and takes what it holds after OK.

#include "auction/accounts/UserIdListDialog.h"

class CUserIdManageDialog : public CUserIdListDialog
{
public:
    explicit CUserIdManageDialog(CWnd* pParent = nullptr);
    ~CUserIdManageDialog() override;

    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;
    BOOL IsCommandEnabled(UINT nID) override;
    // Adding also needs room for one more ID.
    void UpdateButtons() override;
    UINT GetContextMenuId() override;
    CUserIdEditDialog* CreateEditDialog(CWnd* pParent) override;
    UINT GetDeleteMessageId() override;

protected:
    afx_msg void OnAddCommand();
    afx_msg void OnEditCommand();
    afx_msg void OnDeleteCommand();

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_USERIDMANAGEDIALOG_H
