#ifndef TANZO_AUCTION_PAYMETHODENTRYDIALOG_H
#define TANZO_AUCTION_PAYMETHODENTRYDIALOG_H

// CPayMethodEntryDialog: the small dialog in which a bank name or a payment
// method is typed, with a history of earlier entries (Windows builds). The
// client binds the combo box and names the history and the title.

#include "app/BaseDialog.h"
#include "controls/CommComboBox.h"

class CPayMethodEntryDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CPayMethodEntryDialog)
public:
    enum
    {
        MaxTextChars = 30,
        MaxHistory = 10
    };
    // Edit flags.
    enum
    {
        EditAdd = 0,
        EditChange = 1
    };

    explicit CPayMethodEntryDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);

    void SetText(LPCTSTR lpszText) { m_strText = lpszText; }
    const CString& GetText() const { return m_strText; }
    void SetEditFlag(int nFlag) { m_nEditFlag = nFlag; }
    int GetEditFlag() const { return m_nEditFlag; }

    // The history's key format ("...%02d"); null or empty: no history.
    virtual LPCTSTR GetHistoryKeyFormat() = 0;
    // 0 keeps the template's title.
    virtual UINT GetTitleStringId() = 0;
    // The combo box's tip; 0 for none.
    virtual UINT GetComboToolTipId();

protected:
    BOOL OnInitDialog() override;
    // An empty text is refused with message 517.
    void OnOK() override;
    BOOL HasHistory();

    CCommComboBox m_combo;
    CString m_strText;
    int m_nEditFlag = EditAdd;
};

#endif // TANZO_AUCTION_PAYMETHODENTRYDIALOG_H
