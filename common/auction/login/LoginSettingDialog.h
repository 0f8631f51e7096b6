#ifndef TANZO_AUCTION_LOGINSETTINGDIALOG_H
#define TANZO_AUCTION_LOGINSETTINGDIALOG_H

// CLoginSettingDialog: the base of the dialog that chooses how the user
// signs in (Windows builds); the client supplies the template.

#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "auction/login/LoginSettingType.h"
#include "auction/records/AuctionResourceIds.h"
#include "controls/CommComboBox.h"

class CLoginSettingDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CLoginSettingDialog)
public:
    // Controls of the template.

    CLoginSettingDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CLoginSettingDialog() override;

    void SetSettingType(const CLoginSettingType& type) { m_type = type; }
    const CLoginSettingType& GetSettingType() const { return m_type; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Back to the automatic log-in.
    afx_msg void OnReset();
    DECLARE_MESSAGE_MAP()

    CLoginSettingType m_type;
    CCommComboBox m_combo;
    CDecorateStatic m_hint;
};

#endif // TANZO_AUCTION_LOGINSETTINGDIALOG_H
