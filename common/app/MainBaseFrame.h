#ifndef TANZO_APP_MAINBASEFRAME_H
#define TANZO_APP_MAINBASEFRAME_H

// CMainBaseFrame: the base of the main window (Windows builds). Over
// CFrameWnd it keeps the window's placement under "WindowState\0" and the
// bars' state under "Bar\State", draws its menus through the derived
// frame's icon menu, gives dialogs their small icons from it, shows help,
// and tells whether a menu loop or a move is under way.
//
// While long work has greyed Close (EnableMainWindowClose(FALSE)) the frame
// is busy: it refuses WM_CLOSE and a log-off (WM_QUERYENDSESSION), which
// the greyed command alone does not stop.

#include "afx/FrameWnd.h"
#include "app/FrameIconSource.h"
#include "app/HelpWindowLauncher.h"
#include "app/WindowStateKeeper.h"
#include "text/BitFlags.h"

class CCommStatusBar;
class CIconMenu;

// The profile name of the bars' state.
#define MAINFRAME_BAR_STATE "Bar\\State"

class CMainBaseFrame : public CFrameWnd, public CFrameIconSource
{
    DECLARE_DYNCREATE(CMainBaseFrame)
public:
    // Frame option bits.
    enum
    {
        optionSaveStateOnMove = 0x1 // save the placement after each move, not at the end
    };
    // Frame state bits.
    enum
    {
        stateMenuLoop = 0x1,
        stateSizeMove = 0x2
    };

    CMainBaseFrame();
    ~CMainBaseFrame() override;

    // The framework's, then the keeper for this frame: index 0, always
    // centred, no default size yet.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The derived frame's icon menu and status bar; the base has none.
    virtual CIconMenu* GetIconMenu();
    virtual CCommStatusBar* GetStatusBar();
    // Whether the frame may close now.
    virtual BOOL CanCloseFrame();
    virtual void SaveFrameBarState();

    // Saves the bars and closes, unless the frame is busy or may not close.
    BOOL CloseFrame();
    // The derived frame calls it once its bars exist.
    void LoadFrameBarState();
    void SetDefaultWindowSize(int cxDefault, int cyDefault);
    // Maximises the window when it was maximised last time; once, after the
    // window was first shown.
    void RestoreMaximizedState();
    BOOL ShowHelp(UINT nHelpId);
    // The icon of an image of the icon menu; null without one.
    HICON GetIconMenuIcon(int nIndex);
    BOOL SetWindowIconFromMenu(CWnd* pWnd, int nIndex) override;

    BOOL SetStatusBarOption(DWORD dwBits);
    BOOL ClearStatusBarOption(DWORD dwBits);
    BOOL TestStatusBarOption(DWORD dwBits);

    // Close of the system menu is greyed: long work runs.
    BOOL IsFrameBusy() const;

    void SetFrameOption(DWORD dwBits) { m_frameOptions.Add(dwBits); }
    void ClearFrameOption(DWORD dwBits) { m_frameOptions.Remove(dwBits); }
    BOOL TestFrameOption(DWORD dwBits) const { return m_frameOptions.TestAny(dwBits) != 0; }
    BOOL TestFrameState(DWORD dwBits) const { return m_frameState.TestAny(dwBits) != 0; }
    CWindowStateKeeper& GetWindowState() { return m_windowState; }
    CHelpWindowLauncher& GetHelpWindow() { return m_helpWindow; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnClose();
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnDestroy();
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnEnterSizeMove();
    afx_msg void OnExitSizeMove();

    CWindowStateKeeper m_windowState;
    CKeptWnd m_keptWindow;
    CBitFlags m_frameOptions;
    CBitFlagsEx m_frameState;
    CHelpWindowLauncher m_helpWindow;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_MAINBASEFRAME_H
