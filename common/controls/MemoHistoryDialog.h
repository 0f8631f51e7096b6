#ifndef TANZO_CONTROLS_MEMOHISTORYDIALOG_H
#define TANZO_CONTROLS_MEMOHISTORYDIALOG_H

// CMemoHistoryDialog: a memo typed into a combo box (IDC_MEMO_TEXT, at
// most 60 bytes) that offers the last 10 memos, kept in the dialog's
// profile section (Windows builds).

#include "app/BaseDialog.h"
#include "controls/CommComboBox.h"

class CMemoHistoryDialog : public CBaseDialog
{
public:
    enum
    {
        titleFromString = 1, // title mode: the caption is GetTitleId's string
        historyCount = 10,
        textLimit = 60
    };

    CMemoHistoryDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);
    ~CMemoHistoryDialog() override;

    void SetTitleMode(int nMode) { m_nTitleMode = nMode; }
    void SetText(LPCTSTR lpszText) { m_strText = lpszText; }
    void GetText(CString& strText) const { strText = m_strText; }

    BOOL OnInitDialog() override;

protected:
    // The caption's string id in title mode 1; 0 keeps the template's.
    virtual UINT GetTitleId();

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CCommComboBox m_combo;
    CString m_strText;
    int m_nTitleMode = 0;
};

#endif // TANZO_CONTROLS_MEMOHISTORYDIALOG_H
