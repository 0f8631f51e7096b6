#ifndef TANZO_CLIENT_MAINFRAME_H
#define TANZO_CLIENT_MAINFRAME_H

// CMainFrame: the client's main window around CTanzoView (Windows builds):
// menu, tool bar, status bar and the options. It opens the dialogs of the
// Customise menu, shows status texts and the requests' progress, and asks
// for the first user ID.

#include "app/IconMenu.h"
#include "app/MainBaseFrame.h"
#include "app/MessagePrompt.h"
#include "client/FrameFindController.h"
#include "client/MainStatusBar.h"
#include "client/MainToolBar.h"
#include "client/OptionSettings.h"
#include "net/HttpStatusSink.h"
#include "net/ProgressSink.h"

class CTanzoView;
class CUserAccount;

class CMainFrame : public CMainBaseFrame, public CProgressSink, public CHttpStatusSink, public CMessagePrompt
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    enum
    {
        DefaultWidth = 1080,
        DefaultHeight = 680,
        // Kinds of status texts.
        StatusPlain = 0,
        StatusNotice = 1,
        StatusQuiet = 2,
    };

    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // After the frame's own route, the item actions' commands.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    CIconMenu* GetIconMenu() override { return &m_iconMenu; }
    CCommStatusBar* GetStatusBar() override { return &m_statusBar; }

    COptionSettings& GetOptionSettings() { return m_options; }
    CMainToolBar& GetToolBar() { return m_toolBar; }
    CMainStatusBar& GetMainStatusBar() { return m_statusBar; }
    // The active view when it is a CTanzoView.
    CTanzoView* GetTanzoView();

    // Status pane texts; nothing while the status bar has no window.
    void SetStatusText(LPCTSTR lpszText, int nKind);
    void SetStatusTextId(UINT nID, int nKind);
    void ShowItemCount(int count);
    void ShowSelectedCount(int count);
    void ShowLoginSettingText(int loginSettingType);

    // The options applied to the window: at start-up and after the dialogs.
    void ApplyFontSize();
    void ApplyColors();
    void ShowLoginSetting();
    void ApplyToolBarFormat();
    // Every list page loses what it loaded; the current one reads again.
    void ResetAndRefresh();

    // Long work's status line.
    void SetStatus(LPCTSTR lpszText) override;
    // A request's progress marks.
    void OnInternetStatus(DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override;
    void OnRetry() override;
    // "Do not show again": the option bits of the question are removed.
    void OnDontShowAgain(DWORD dwKey) override;

protected:
    // The command images of the menus, the tool bar and the lists' marks.
    void BuildCommandImages();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnOptions();
    afx_msg void OnFontSize();
    afx_msg void OnColors();
    afx_msg void OnToolBarSettings();
    afx_msg void OnLoginSettings();
    afx_msg void OnHelpContents();
    // The user IDs and the search of the current list.
    afx_msg void OnUserIdManage();
    afx_msg void OnUserIdSwitch(UINT nID);
    afx_msg void OnFind();
    afx_msg void OnFindPrevious();
    afx_msg void OnFindNext();
    // Paging through the current list, and the commands' states, which the
    // list pages decide through the view.
    afx_msg void OnPageCommand(UINT nID);
    afx_msg void OnUpdatePageCommand(CCmdUI* pCmdUI);
    afx_msg void OnUpdateListCommand(CCmdUI* pCmdUI);

    COptionSettings m_options;
    CMainStatusBar m_statusBar;
    CMainToolBar m_toolBar;
    CIconMenu m_iconMenu;
    CFrameFindController m_find{*this};

    DECLARE_MESSAGE_MAP()
};

// The application's main frame, or null.
CMainFrame* GetMainFrame();
// The top-level frame of the window when it is a live CMainFrame.
CMainFrame* GetMainFrameOf(CWnd* pWnd);
// The main frame's options, or null.
COptionSettings* GetOptionSettings();
// The frame's active view when it is a CTanzoView.
CTanzoView* GetTanzoView(CMainFrame* pFrame);
// The log-in controller's type of the options' log-in setting (0, 2, 3);
// 0 without a main frame.
int GetLoginType();
// Asks the user to add an ID (message 905, then the add dialog with the
// ID given): AddUserIdAdded, AddUserIdCancelled (also when the list was
// full), AddUserIdNoWindow without a main window or a document. The codes
// are log-in options of the account list: an added ID lets the log-in go on
// without logging in.
enum
{
    AddUserIdAdded = 3,
    AddUserIdCancelled = 12,
    AddUserIdNoWindow = 4
};
int AddUserIdWithDialog(CWnd* pWnd, LPCTSTR lpszUserID);
BOOL AskToAddUserId(CWnd* pWnd, LPCTSTR lpszUserID);
// The handler of the frame's commands whose dialogs belong to the item
// actions, a library above this one: the program sets it at start-up (null:
// none, the commands stay greyed). The caller keeps it alive.
void SetActionCommandTarget(CCmdTarget* pTarget);

#endif // TANZO_CLIENT_MAINFRAME_H
