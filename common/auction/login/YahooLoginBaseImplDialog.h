#ifndef TANZO_AUCTION_YAHOOLOGINBASEIMPLDIALOG_H
#define TANZO_AUCTION_YAHOOLOGINBASEIMPLDIALOG_H

// CYahooLoginBaseImplDialog: what the log-in dialogs share (Windows
// builds): a page of the service in the preview's browser, the state bits
// the log-in controller reads, the done address, a time-out and the abort
// button. The dialogs decide on the browser's events through the plain
// rules of auction/login/LoginDialogRules.h.

#include "app/DecorateStatic.h"
#include "auction/login/LoginStepDialog.h"
#include "controls/TempHtmlPreviewBaseDialog.h"
#include "text/BitFlags.h"

#include <memory>

class CPageElementList;

// What differs between the log-in dialogs' templates.
struct LoginDialogLayout
{
    UINT nTemplate;
    LPCTSTR lpszPreviewName;
    UINT nMessage;     // the text above the browser
    UINT nStatus;      // the link addresses below it; 0: none
    UINT nPlaceholder; // whose place the browser takes
    UINT nBrowser;
    UINT nAbort;
    int cxDefault; // 0: the template's size, not resizable
    int cyDefault;
};

class CYahooLoginBaseImplDialog : public CTempHtmlPreviewBaseDialog, public CLoginStepDialog
{
    DECLARE_DYNAMIC(CYahooLoginBaseImplDialog)
public:
    // lpszHtml: the page to show, none for a dialog that navigates itself.
    CYahooLoginBaseImplDialog(const LoginDialogLayout& layout, LPCTSTR lpszHtml, CWnd* pParentWnd,
                              UINT nSettingsId = 0);
    ~CYahooLoginBaseImplDialog() override;

    void SetTimeout(int nSeconds) override { m_nTimeout = nSeconds; }
    void SetStartUrl(LPCTSTR url) override;
    void SetAccount(const CUserAccount& account) override;
    BOOL GetLoginUserId(CString& out) const override;
    BOOL GetNextUrl(CString& out) const override;
    INT_PTR RunModal() override { return DoModal(); }
    DWORD TestState(DWORD dwBits) const override { return m_state.TestAny(dwBits); }

    void SetDoneUrl(LPCTSTR url) { m_strDone = url; }
    const CString& GetDoneUrl() const { return m_strDone; }
    CBitFlagsEx& GetState() { return m_state; }

    BOOL GetDefaultSize(CSize& size) override;
    LPCTSTR GetPreviewName() override { return m_layout.lpszPreviewName; }
    UINT GetPreviewCtrlId() override { return m_layout.nBrowser; }
    void RegisterLayoutControls() override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    // Success: the controller goes on.
    void EndWithSuccess();
    // Stops the browser and hands the address to a browser of its own.
    void OpenOutside(LPCTSTR lpszURL);
    // Carries out a LoginNavigation... decision; TRUE when the navigation
    // is cancelled.
    BOOL ApplyNavigation(int nAction, LPCTSTR lpszURL);
    // Carries out what every dialog does with a loaded document
    // (LoginDocument... decisions); FALSE for an action of the dialog's own.
    BOOL ApplyDocument(int nAction);
    // The page the browser shows, through its element interface; null
    // without a browser or a document.
    std::unique_ptr<CPageElementList> GetPageElements();

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    const LoginDialogLayout& m_layout;
    CDecorateStatic m_message;
    CBitFlagsEx m_state;
    CString m_strDone;
    int m_nTimeout = 0;
};

#endif // TANZO_AUCTION_YAHOOLOGINBASEIMPLDIALOG_H
