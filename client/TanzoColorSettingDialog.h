#ifndef TANZO_CLIENT_TANZOCOLORSETTINGDIALOG_H
#define TANZO_CLIENT_TANZOCOLORSETTINGDIALOG_H

// The twelve colours of the options (dialog 182; Windows builds): one
// colour combo per colour, each with a button that picks another colour,
// which the dialog remembers.

#include "controls/ColorSettingDialog.h"

class CTanzoColorSettingDialog : public CColorSettingDialog
{
public:
    explicit CTanzoColorSettingDialog(CWnd* pParentWnd = nullptr);
    ~CTanzoColorSettingDialog() override;

    UINT GetComboId(int nRow) override;
    CString GetProfileKey(int nRow) override;
    BOOL UseLightShade(int nRow) override;
    UINT GetToolTipId(int nRow) override;
    // The options' defaults.
    void OnResetColors() override;
    void SetStandardToolTips() override;

protected:
    afx_msg void OnOtherColor(UINT nID);
    afx_msg void OnReset();

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZOCOLORSETTINGDIALOG_H
