#ifndef TANZO_CONTROLS_HELPWINDOW_H
#define TANZO_CONTROLS_HELPWINDOW_H

// The help window: one modeless window of the program that shows its help
// pages (HelpPages.h) in the embedded browser, with back and forward
// buttons (Windows builds).
//
// Dialogs and the main frame reach it through their CHelpWindowLauncher
// (app/HelpWindowLauncher.h) once the program has called
// RegisterHelpWindow() at start-up. All launchers share the one window: a
// request for another page takes it there, and that page becomes its own.
// Its close button hides it; it is destroyed when the last launcher that
// showed it closes (the main frame's, at the latest, when it goes).

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "controls/HtmlViewEvents.h"

class CHtmlFrame;

class CHelpWindow : public CBaseDialog, public CHtmlViewEvents
{
    DECLARE_DYNAMIC(CHelpWindow)
public:
    // Made on the heap: the window deletes itself when it is destroyed.
    CHelpWindow(UINT nPageId, CWnd* pParentWnd);

    // The page shown.
    UINT GetHelpId() override { return m_nPageId; }
    // Goes to the page, which becomes the window's own.
    void SetPage(UINT nPageId);
    // Shown, active and redrawn at once.
    void BringForward();
    CHtmlFrame* GetFrame() const;

    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

    void OnForwardEnabled(BOOL bEnable) override;
    void OnBackEnabled(BOOL bEnable) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Closing only hides the window.
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    afx_msg void OnBack();
    afx_msg void OnForward();
    afx_msg void OnCloseButton();
    // Help inside the help window is its own page.
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnHelpMenuCommand();

    DECLARE_MESSAGE_MAP()

private:
    CButton m_forwardButton;
    CButton m_backButton;
    CStatic m_placeholder;
    UINT m_nPageId;
    // The frame deletes itself with its window: found by its handle.
    HWND m_hFrame = nullptr;
};

// Makes CHelpWindowLauncher show this window; a program calls it once at
// start-up.
void RegisterHelpWindow();

#endif // TANZO_CONTROLS_HELPWINDOW_H
