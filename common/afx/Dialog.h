#ifndef TANZO_AFX_DIALOG_H
#define TANZO_AFX_DIALOG_H

// CDialog: a dialog box from a dialog resource (Windows builds), modal
// (DoModal, with the framework's own modal loop, so that PreTranslateMessage
// and idle messages work as in the main loop) or modeless (Create).
// OnInitDialog loads the members into the controls (UpdateData(FALSE));
// OnOK saves and checks them (UpdateData(TRUE)) before EndDialog(IDOK).

#include "afx/DataExchange.h"
#include "afx/Wnd.h"

class CFont;

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless creation; the dialog shows when its template says WS_VISIBLE.
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // The result given to EndDialog; -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands the dialog does not handle go to its parent, then to the
    // application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    // A dialog placed at 0,0 without a centring style is centred on its owner.
    virtual BOOL CheckAutoCenter();
    virtual void PreInitDialog();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    HWND m_hWndTop = nullptr;
    LPCDLGTEMPLATE m_lpCreatedTemplate = nullptr; // the template of the window, for CheckAutoCenter

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AFX_DIALOG_H
