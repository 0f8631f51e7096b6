#ifndef TANZO_CLIENT_USERIDADDDIALOG_H
#define TANZO_CLIENT_USERIDADDDIALOG_H

// The ID, password and memo of one of the user's accounts (dialog 154;
// Windows builds). A new password is kept only after a log-in test with
// it succeeded.

#include "auction/accounts/UserIdEditDialog.h"
#include "client/TextResourceIds.h"

class CUserIdAddDialog : public CUserIdEditDialog
{
public:
    enum
    {
        IDD = 154, // IDD_USERID_ADD
        SettingsId = 200,
    };

    explicit CUserIdAddDialog(CWnd* pParent = nullptr);
    ~CUserIdAddDialog() override;

    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;
    // The log-in test of the account, asked for first.
    BOOL VerifyAccount(const CUserAccount& account, CWnd* pDialog) override;
};

#endif // TANZO_CLIENT_USERIDADDDIALOG_H
