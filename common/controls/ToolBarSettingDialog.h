#ifndef TANZO_CONTROLS_TOOLBARSETTINGDIALOG_H
#define TANZO_CONTROLS_TOOLBARSETTINGDIALOG_H

// The dialog in which the user shows or hides the tool bar and picks its
// display format (template 274; Windows builds). The program names the
// formats and its defaults; the dialog's own flag bit 1 is "shown".

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "controls/CommComboBox.h"
#include "text/BitFlags.h"

class CToolBarSettingDialog : public CBaseDialog, public CBitFlags
{
    DECLARE_DYNAMIC(CToolBarSettingDialog)
public:
    // Own flag bits.
    enum
    {
        flagShown = 0x1
    };

    explicit CToolBarSettingDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CToolBarSettingDialog() override;

    // Sets the values the program starts with ("初期値に戻す(&D)").
    virtual void ResetToDefaults();
    // The names of the formats, ended by 0.
    virtual const UINT* GetFormatNameIds() = 0;
    // May change the chosen index; FALSE keeps the dialog open.
    virtual BOOL ValidateFormat(int& nIndex);

    void SetSelection(int nIndex) { m_nFormat = nIndex; }
    int GetSelection() const { return m_nFormat; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The controls show the values.
    void ShowValues();
    void EnableFormatList();

    afx_msg void OnResetToDefaults();
    afx_msg void OnShownClicked();

    CButton m_shown;
    CStatic m_formatLabel;
    CCommComboBox m_formats;
    int m_nFormat = 0;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CONTROLS_TOOLBARSETTINGDIALOG_H
