#include "auction/login/AuctionLoginController.h"

#include "auction/login/YahooLoginCaptchaDialog.h"
#include "auction/login/YahooLoginManualDialog.h"
#include "auction/login/YahooLoginOneTimePswdDialog.h"
#include "auction/login/YahooLoginScriptDialog.h"

CLoginStepDialog* CAuctionLoginController::CreateLoginDialog(int nKind, LPCTSTR html, LPCTSTR done,
                                                             CWnd* pParent)
{
    switch (nKind)
    {
    case CLoginStepDialog::KindCaptcha:
        return new CYahooLoginCaptchaDialog(html, done, pParent);
    case CLoginStepDialog::KindOneTimePassword:
        return new CYahooLoginOneTimePswdDialog(html, done, pParent);
    case CLoginStepDialog::KindManual:
        return new CYahooLoginManualDialog(pParent, ManualDialogSettingsId);
    case CLoginStepDialog::KindScript:
        return new CYahooLoginScriptDialog(pParent);
    default:
        return nullptr;
    }
}
