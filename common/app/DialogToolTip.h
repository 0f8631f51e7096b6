#ifndef TANZO_APP_DIALOGTOOLTIP_H
#define TANZO_APP_DIALOGTOOLTIP_H

// The tool tip of a dialog (Windows builds): pale yellow, at most 300
// pixels wide, texts from the string table, literal texts, or asked for
// when shown.

#include "afx/CommonControls.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "app/DialogTextRules.h"

#include <string>

class CWnd;

// A control that offers its own tip text (the dialog asks it when the tip
// is shown).
class CToolTipTextSource
{
public:
    // TRUE when there is a text.
    virtual BOOL GetToolTipText(CString& strText) = 0;

protected:
    ~CToolTipTextSource() = default;
};

class CDialogToolTip
{
public:
    CDialogToolTip() = default;
    ~CDialogToolTip();

    // FALSE when the control can't be made.
    BOOL Create(CWnd* pParent);
    BOOL IsCreated() const { return ::IsWindow(m_ctrl.GetSafeHwnd()); }
    void RelayEvent(MSG* pMsg);
    BOOL AddTool(CWnd* pWnd, UINT nIDText);
    // LPSTR_TEXTCALLBACK asks the dialog when the tip is shown.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText);
    // Redraws the tip showing now.
    void Update();
    // Keeps the text (cut when long) for the tip that asks for it now;
    // the buffer lives until the next call.
    LPTSTR SetTipText(LPCTSTR lpszText);
    // The same text for a tip that asks in UTF-16.
    LPWSTR SetTipTextW(LPCTSTR lpszText);

    CToolTipCtrl& GetCtrl() { return m_ctrl; }

private:
    void FreeTipText();

    CToolTipCtrl m_ctrl;
    LPTSTR m_pszTipText = nullptr;
    std::wstring m_strTipTextW;

    CDialogToolTip(const CDialogToolTip&) = delete;
    CDialogToolTip& operator=(const CDialogToolTip&) = delete;
};

#endif // TANZO_APP_DIALOGTOOLTIP_H
