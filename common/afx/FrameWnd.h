#ifndef TANZO_AFX_FRAMEWND_H
#define TANZO_AFX_FRAMEWND_H

// CFrameWnd: a top-level frame around a view, with its menu, accelerators,
// icon and title from one resource id, and control bars laid out around
// the view (Windows builds). Commands go to the active view (and on to its
// document), then the frame, then the application; menu items and bar
// buttons are enabled by the update handlers along the same route, and
// commands without a handler are greyed (m_bAutoMenuEnable).
//
// Docking is the simple kind: a bar docked at the top stays at the top,
// the status bar at the bottom; bars do not float.

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/Wnd.h"
#include "afx/afxres.h"

class CControlBar;
class CDocTemplate;
class CDocument;
class CView;

// Frame styles kept in the window's style word.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// What a frame creates its view from.
class CCreateContext
{
public:
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Menu, accelerators and icon of nIDResource; the title is the first
    // part of the string nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Shows the frame (nCmdShow -1: as it needs) and brings it to the top.
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    // The text of status pane 0 (the message bar).
    virtual void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The prompt of a command: its string up to the first line break.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    CWnd* GetMessageBar();

    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual HACCEL GetDefaultAccelerator();
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);

    // Control bars.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    // Visibility of each bar in the profile sections "<name>-Bar<n>" and
    // "<name>-Summary".
    void SaveBarState(LPCTSTR lpszProfileName) const;
    void LoadBarState(LPCTSTR lpszProfileName);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    BOOL IsFrameWnd() const override { return TRUE; }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoMenuEnable = TRUE;
    CString m_strTitle;
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;

    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };
    int m_nIdleFlags = 0;

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpPromptAddr(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    CView* m_pViewActive = nullptr;
    CPtrList m_listControlBars;
    DWORD m_dwDockStyle = 0;
    UINT m_nIDTracking = 0;
    UINT m_nIDLastMessage = 0;
    BOOL m_bInRecalcLayout = FALSE;
    DWORD m_dwPromptContext = 0;

    friend class CView;

    DECLARE_MESSAGE_MAP()
};

// The first part of a resource string made of parts separated by '\n'.
BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');

#endif // TANZO_AFX_FRAMEWND_H
