#ifndef TANZO_CLIENT_OPTIONDIALOG_H
#define TANZO_CLIENT_OPTIONDIALOG_H

// The confirmations, the warning and the status bar's visibility (dialog
// 145; Windows builds). The dialog works on a flag word of option bits
// (COptionSettings) and bit 0x20000000 for the status bar.

#include "app/BaseDialog.h"
#include "text/BitFlags.h"

class COptionSettings;

class COptionDialog : public CBaseDialog, public CBitFlags
{
public:
    explicit COptionDialog(CWnd* pParentWnd = nullptr);
    ~COptionDialog() override;

    // The flag word from the options, or their defaults, and the status
    // bar (visible by default). The options are kept for the reset.
    void Fill(const COptionSettings& options, BOOL bStatusBarVisible, BOOL bDefaults = FALSE);

    void SetStandardToolTips() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The check boxes show the flag word.
    void ShowFlags();

    afx_msg void OnReset();

    const COptionSettings* m_pOptions = nullptr;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_OPTIONDIALOG_H
