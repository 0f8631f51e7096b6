#ifndef TANZO_CONTROLS_FINDBASEDIALOG_H
#define TANZO_CONTROLS_FINDBASEDIALOG_H

// CFindBaseDialog: the base of a find dialog (Windows builds): a combo box
// of search texts (IDC_FIND_TEXT) whose history of 20 texts lives in the
// dialog's profile section, and an optional check box whose state is
// option bit 1. The derived dialog runs ReadInput when the user searches.

#include "app/BaseDialog.h"
#include "controls/CommComboBox.h"
#include "text/BitFlags.h"

class CButton;

class CFindBaseDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CFindBaseDialog)
public:
    enum
    {
        optionChecked = 0x1, // the option check box is ticked
        historyCount = 20
    };

    CFindBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);
    ~CFindBaseDialog() override;

    void GetSearchText(CString& strText) const { strText = m_strSearch; }
    BOOL TestOption(DWORD dwBits) const { return m_options.TestAny(dwBits) != 0; }
    void SetOption(BOOL bOn) { m_options.SetOrRemove(optionChecked, bOn); }

    BOOL OnInitDialog() override;

protected:
    // The dialog's option check box; null when it has none.
    virtual CButton* GetOptionCheckBox();
    // FALSE, after OnEmptyText and with the focus on the combo box, for an
    // empty text.
    virtual BOOL ValidateText(const CString& strText);
    virtual void OnEmptyText();
    // Takes the combo box's text as the search text, puts it on top of the
    // history and reads the option; FALSE when the text is refused.
    virtual BOOL ReadInput();

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CCommComboBox m_combo;
    CString m_strSearch;
    CBitFlags m_options;
};

#endif // TANZO_CONTROLS_FINDBASEDIALOG_H
