#ifndef TANZO_APP_CHOICEMESSAGEDIALOG_H
#define TANZO_APP_CHOICEMESSAGEDIALOG_H

// The message box with one to three buttons (template 561; Windows
// builds): OK, Abort, Yes/No, Retry/Cancel, Yes/No/Cancel or OK/Cancel.

#include "app/MessageBoxDialog.h"

class CChoiceMessageDialog : public CMessageBoxDialog
{
    DECLARE_DYNAMIC(CChoiceMessageDialog)
public:
    explicit CChoiceMessageDialog(UINT nIDMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                                  DWORD dwRemovedOptions = 0);
    explicit CChoiceMessageDialog(LPCTSTR lpszMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                                  DWORD dwRemovedOptions = 0);

    void SetButtonSet(int nButtonSet) { m_nButtonSet = nButtonSet; }
    int GetButtonSet() const { return m_nButtonSet; }
    // 0-based.
    void SetDefaultButton(int nIndex) { m_nDefaultButton = nIndex; }
    int GetDefaultButton() const { return m_nDefaultButton; }
    void SetButtons(int nButtonSet, int nIconKind, int nDefaultButton);
    // The check box "次回から表示しない(&E)" with its tip.
    void SetDontShowAgain();

    // Also the buttons and the default one.
    void SetStyle(UINT nType) override;
    // The buttons keep below the texts, centred.
    void OnControlGrown(CWnd* pControl, int dx, int dy) override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CButton m_buttons[3];
    int m_nButtonSet = messageButtonsOk;
    int m_nDefaultButton = 0;
};

#endif // TANZO_APP_CHOICEMESSAGEDIALOG_H
