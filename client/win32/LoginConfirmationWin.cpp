#include "client/LoginConfirmation.h"

#include "app/BaseDialog.h"
#include "auction/accounts/UserAccount.h"
#include "client/LoginTestDialog.h"
#include "client/MainFrame.h"
#include "client/UserIdAddDialog.h"

namespace
{
// The log-in test behind its dialog over the given window.
class CDialogLoginRunner : public CLoginTestRunner
{
public:
    explicit CDialogLoginRunner(CWnd* pParent) : m_pParent(pParent) {}
    INT_PTR Run(const CUserAccount& account, BOOL bSwitchMode, int nLoginType, BOOL& bAbandoned) override
    {
        CLoginTestDialog dialog(account, m_pParent);
        dialog.SetSwitchMode(bSwitchMode);
        dialog.SetLoginType(nLoginType);
        const INT_PTR nResult = dialog.DoModal();
        bAbandoned = dialog.IsLoginAborted();
        return nResult;
    }

private:
    CWnd* m_pParent;
};
} // namespace

BOOL ConfirmLoginOrSwitch(const CUserAccount& account, CWnd* pWnd)
{
    // The add dialog tests a new ID; everywhere else the current ID switches.
    const BOOL bTest = pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CBaseDialog)) &&
                       static_cast<CBaseDialog*>(pWnd)->GetTemplateId() == CUserIdAddDialog::IDD;
    CDialogLoginRunner runner(pWnd);
    return ConfirmLoginOrSwitch(account, !bTest, GetLoginType(), runner);
}
