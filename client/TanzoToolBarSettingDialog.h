#ifndef TANZO_CLIENT_TANZOTOOLBARSETTINGDIALOG_H
#define TANZO_CLIENT_TANZOTOOLBARSETTINGDIALOG_H

// Whether the tool bar shows, and in which format (dialog 274; Windows
// builds).

#include "controls/ToolBarSettingDialog.h"

class CTanzoToolBarSettingDialog : public CToolBarSettingDialog
{
public:
    explicit CTanzoToolBarSettingDialog(CWnd* pParentWnd = nullptr);
    ~CTanzoToolBarSettingDialog() override;

    // Shown, texts below the icons.
    void ResetToDefaults() override;
    const UINT* GetFormatNameIds() override;
    // A format outside the three is the first.
    BOOL ValidateFormat(int& nIndex) override;
    void SetStandardToolTips() override;
};

#endif // TANZO_CLIENT_TANZOTOOLBARSETTINGDIALOG_H
