#ifndef TANZO_APP_COMMSTATUSBAR_H
#define TANZO_APP_COMMSTATUSBAR_H

// CCommStatusBar: the main window's status bar (Windows builds). Over
// CStatusBar it draws panes with colours and alignment of their own, shows
// timed texts (a pane's text in other colours for some seconds, timer
// 0x110A plus the pane), repaints coloured panes at once when a text
// changes, shows numbers, hides a pane by width 0, reports clicks on panes
// and checks the menu item whose text a pane shows.

#include "afx/ControlBar.h"
#include "app/StatusPane.h"
#include "app/StatusPaneHighlight.h"
#include "text/BitFlags.h"

#include <vector>

class CMenu;

class CCommStatusBar : public CStatusBar, public CStatusPaneBar
{
    DECLARE_DYNAMIC(CCommStatusBar)
public:
    // Option bits.
    enum
    {
        optionRedrawColoredPanes = 0x1 // set by the constructor
    };

    CCommStatusBar();
    ~CCommStatusBar() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // The pane records follow the indicators; new ones are plain.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount) override;
    // The same text again changes nothing; while a timed text shows, the
    // control is not told (the timed text stays on screen).
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE) override;
    // Checks the first item of the menu whose text (without accelerator)
    // is the pane's; FALSE when none is.
    virtual BOOL CheckMenuItemByPaneText(int nIndex, CMenu* pMenu);
    virtual void OnPaneClick(int nIndex);
    virtual void OnPaneRightClick(int nIndex);
    // The cursor over a pane; null keeps the default one.
    virtual HCURSOR GetPaneCursor(int nIndex);

    BOOL SetPaneTextColor(int nIndex, COLORREF crText, BOOL bRedraw = TRUE) override;
    BOOL SetPaneBkColor(int nIndex, COLORREF crBack, BOOL bRedraw = TRUE) override;
    BOOL SetPaneAlignment(int nIndex, int nAlign, BOOL bRedraw = TRUE) override;
    // Shows the pane's current text in the given colours for nSeconds
    // (0 or less ends a showing one), emptying the pane's own text when
    // asked. FALSE outside panes 0 to 15.
    BOOL ShowTimedText(int nIndex, int nSeconds, COLORREF crText, COLORREF crBack, BOOL bClearPaneText,
                       BOOL bRedraw = TRUE);
    // Kind 1 lasts 2 seconds, kind 2 8 seconds, kind 0 does nothing (FALSE),
    // other kinds end a showing timed text.
    BOOL ShowTimedTextByKind(int nIndex, int nKind, COLORREF crText, COLORREF crBack, BOOL bClearPaneText,
                             BOOL bRedraw = TRUE);
    BOOL EndTimedText(int nIndex, BOOL bClearPaneText);
    BOOL IsTimedTextShowing(int nIndex) const;
    int GetPaneWidth(int nIndex) const override;
    int SetPaneWidth(int nIndex, int cxWidth) override;
    BOOL SetPaneNumber(int nIndex, int nValue, UINT nFormatId, BOOL bUpdate = TRUE) override;
    BOOL TestPaneStyle(int nIndex, UINT nStyle) const;
    void AddPaneStyle(int nIndex, UINT nStyle) override;
    void RemovePaneStyle(int nIndex, UINT nStyle);
    void InvalidatePane(int nIndex);
    void RedrawPaneNow(int nIndex);
    // The pane's record; null outside the panes.
    const CStatusPane* GetPaneRecord(int nIndex) const;

    void AddOption(DWORD dwBits) { m_options.Add(dwBits); }
    void RemoveOption(DWORD dwBits) { m_options.Remove(dwBits); }
    BOOL TestOption(DWORD dwBits) const { return m_options.TestAny(dwBits) != 0; }

protected:
    CStatusPane* PaneRecord(int nIndex);
    // Owner-drawn unless the pane is plain.
    void UpdateOwnerDraw(int nIndex);
    // Changes the pane's look and whether the bar draws it.
    template <class Change> BOOL ChangePaneLook(int nIndex, BOOL bRedraw, Change change);
    // The pane under a point of the client area, -1 when none.
    int PaneFromPoint(CPoint point) const;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    std::vector<CStatusPane> m_paneRecords;
    CBitFlagsEx m_options;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_COMMSTATUSBAR_H
