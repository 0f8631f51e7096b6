#ifndef TANZO_CLIENT_TANZOLOGINSETTINGDIALOG_H
#define TANZO_CLIENT_TANZOLOGINSETTINGDIALOG_H

// How the user signs in (dialog 241; Windows builds).

#include "auction/login/LoginSettingDialog.h"

class CTanzoLoginSettingDialog : public CLoginSettingDialog
{
public:
    explicit CTanzoLoginSettingDialog(CWnd* pParentWnd = nullptr);
    ~CTanzoLoginSettingDialog() override;

    void SetStandardToolTips() override;
};

#endif // TANZO_CLIENT_TANZOLOGINSETTINGDIALOG_H
