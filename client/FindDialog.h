#ifndef TANZO_CLIENT_FINDDIALOG_H
#define TANZO_CLIENT_FINDDIALOG_H

// CFindDialog: asks for the text to find in a list and whether its case
// must match (Windows builds).

#include "afx/Controls.h"
#include "controls/FindBaseDialog.h"

class CFindDialog : public CFindBaseDialog
{
    DECLARE_DYNAMIC(CFindDialog)
public:
    explicit CFindDialog(CWnd* pParentWnd = nullptr);
    ~CFindDialog() override;

    void SetStandardToolTips() override;

protected:
    CButton* GetOptionCheckBox() override;
    // Enter searches as the search button does.
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSearch();

    CButton m_matchCase;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_FINDDIALOG_H
