#ifndef TANZO_CLIENT_LOGINTESTDIALOG_H
#define TANZO_CLIENT_LOGINTESTDIALOG_H

// The log-in of one account behind the small progress dialog 158 (Windows
// builds): the log-in test of a new ID, or the switch to another ID.

#include "auction/login/OperationProgressDialog.h"
#include "client/TextResourceIds.h"

class CLoginTestDialog : public COperationProgressDialog
{
    DECLARE_DYNAMIC(CLoginTestDialog)
public:
    CLoginTestDialog(const CUserAccount& account, CWnd* pParentWnd = nullptr);
    ~CLoginTestDialog() override;

    void SetSwitchMode(BOOL bSwitch) { m_bSwitchMode = bSwitch; }
    BOOL IsSwitchMode() const { return m_bSwitchMode; }

protected:
    BOOL GetTitle(CString& strTitle) override;

    BOOL m_bSwitchMode = FALSE;
};

#endif // TANZO_CLIENT_LOGINTESTDIALOG_H
