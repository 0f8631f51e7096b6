#ifndef TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTDIALOG_H
#define TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTDIALOG_H

// The featured amount per day that the job sets on the chosen items
// (Windows builds). The amount of the last OK comes back next time.

#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "client/ListResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"
#include "controls/NumberEdit.h"

class CFeaturedAmountDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CFeaturedAmountDialog)
public:
    explicit CFeaturedAmountDialog(CWnd* pParentWnd = nullptr);

    int GetAmount() const { return m_nAmount; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CHintStatic m_hint;
    CNumberEdit m_amountEdit;
    int m_nAmount;
};

#endif // TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTDIALOG_H
