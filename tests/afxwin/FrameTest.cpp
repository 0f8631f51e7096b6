// A single-document program: the template makes the document, the frame
// with its menu, accelerators, tool bar and status bar, and the view;
// commands route view -> document -> frame -> application; update handlers
// grey menu items and bar buttons; closing and the end of the session
// destroy the windows so that what they keep on destruction is kept.
#include "TestApp.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace
{
class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    CTestDoc() { ++s_nAlive; }
    ~CTestDoc() override { --s_nAlive; }
    BOOL OnNewDocument() override
    {
        ++m_nNew;
        return CDocument::OnNewDocument();
    }
    void DeleteContents() override
    {
        ++s_nDeleteContents;
        m_strData.Empty();
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_strData;
        else
            ar >> m_strData;
    }

    static int s_nAlive;
    static int s_nDeleteContents;
    int m_nNew = 0;
    int m_nDocCommands = 0;
    CString m_strData;

protected:
    afx_msg void OnDocCommand() { ++m_nDocCommands; }
    DECLARE_MESSAGE_MAP()
};

int CTestDoc::s_nAlive = 0;
int CTestDoc::s_nDeleteContents = 0;

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_TEST_DOCCMD, OnDocCommand)
END_MESSAGE_MAP()

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override { ++m_nDraws; }
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CView::OnInitialUpdate();
    }
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override
    {
        m_lLastHint = lHint;
        CView::OnUpdate(pSender, lHint, pHint);
    }

    static int s_nDestroyed;
    static int s_nAllViewCommands;
    int m_nDraws = 0;
    int m_nInitialUpdates = 0;
    int m_nViewCommands = 0;
    int m_nGreyedCommands = 0;
    UINT m_nLastRange = 0;
    LPARAM m_lLastHint = 0;

protected:
    afx_msg void OnViewCommand()
    {
        ++m_nViewCommands;
        ++s_nAllViewCommands;
    }
    afx_msg void OnGreyed() { ++m_nGreyedCommands; }
    afx_msg void OnUpdateGreyed(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnChecked() {}
    afx_msg void OnRange(UINT nID) { m_nLastRange = nID; }
    afx_msg void OnDestroy()
    {
        ++s_nDestroyed;
        CView::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

int CTestView::s_nDestroyed = 0;
int CTestView::s_nAllViewCommands = 0;

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_TEST_VIEWCMD, OnViewCommand)
ON_COMMAND(ID_TEST_GREYED, OnGreyed)
ON_UPDATE_COMMAND_UI(ID_TEST_GREYED, OnUpdateGreyed)
ON_COMMAND(ID_TEST_CHECKED, OnChecked)
ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
ON_COMMAND_RANGE(ID_TEST_RANGE_FIRST, ID_TEST_RANGE_LAST, OnRange)
ON_WM_DESTROY()
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_TEST};
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                                   WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                       CBRS_FLYBY) ||
            !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
            return -1;
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2))
            return -1;
        m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndToolBar);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (theApp.GetFirstDocTemplatePosition() == nullptr)
            theApp.AddDocTemplate(new CSingleDocTemplate(
                IDR_MAINFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView)));
        PumpPending();
        CCommandLineInfo cmdInfo;
        ASSERT_TRUE(theApp.ProcessShellCommand(cmdInfo));
        frame = dynamic_cast<CTestFrame*>(theApp.m_pMainWnd);
        ASSERT_NE(nullptr, frame);
        view = dynamic_cast<CTestView*>(frame->GetActiveView());
        ASSERT_NE(nullptr, view);
        doc = dynamic_cast<CTestDoc*>(frame->GetActiveDocument());
        ASSERT_NE(nullptr, doc);
        hFrame = frame->m_hWnd;
        theApp.m_boxes.clear();
        theApp.m_nBoxAnswer = 0;
    }
    void TearDown() override
    {
        if (::IsWindow(hFrame))
            ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
        PumpPending();
        CWnd::DeleteTempMap();
    }

    UINT MenuState(UINT nID) { return ::GetMenuState(::GetMenu(hFrame), nID, MF_BYCOMMAND); }

    CTestFrame* frame = nullptr;
    CTestView* view = nullptr;
    CTestDoc* doc = nullptr;
    HWND hFrame = nullptr;
};

TEST_F(FrameTest, TemplateMakesDocumentFrameAndView)
{
    EXPECT_EQ(doc, view->GetDocument());
    EXPECT_EQ(1, doc->m_nNew);
    EXPECT_EQ(1, view->m_nInitialUpdates);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, view->GetDlgCtrlID());
    EXPECT_EQ(frame, view->GetParentFrame());
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(frame, AfxGetMainWnd());

    POSITION pos = doc->GetFirstViewPosition();
    EXPECT_EQ(view, doc->GetNextView(pos));
    EXPECT_EQ(nullptr, pos);

    // Title "document - application" from the template's string; the icon
    // of the resource id is the frame class's.
    CString strTitle;
    frame->GetWindowText(strTitle);
    EXPECT_EQ(CString("テスト文書 - テスト窓"), strTitle);
    EXPECT_EQ(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)),
              (HICON)::GetClassLongPtrA(hFrame, GCLP_HICON));
    CString strExt;
    POSITION posTemplate = theApp.GetFirstDocTemplatePosition();
    ASSERT_TRUE(theApp.GetNextDocTemplate(posTemplate)->GetDocString(strExt, CDocTemplate::filterExt));
    EXPECT_EQ(CString(".tst"), strExt);

    doc->UpdateAllViews(nullptr, 42);
    EXPECT_EQ(42, view->m_lLastHint);
}

TEST_F(FrameTest, CommandsRouteThroughViewDocumentAndApplication)
{
    int nAppBefore = theApp.m_nAppCommands;
    frame->SendMessage(WM_COMMAND, ID_TEST_VIEWCMD);
    frame->SendMessage(WM_COMMAND, ID_TEST_DOCCMD);
    frame->SendMessage(WM_COMMAND, ID_TEST_APPCMD);
    frame->SendMessage(WM_COMMAND, ID_TEST_RANGE_FIRST + 1);
    EXPECT_EQ(1, view->m_nViewCommands);
    EXPECT_EQ(1, doc->m_nDocCommands);
    EXPECT_EQ(nAppBefore + 1, theApp.m_nAppCommands);
    EXPECT_EQ((UINT)ID_TEST_RANGE_FIRST + 1, view->m_nLastRange);

    // A command whose update handler disables it does not run, from a
    // menu or an accelerator.
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_GREYED, 1));
    frame->SendMessage(WM_COMMAND, ID_TEST_GREYED);
    EXPECT_EQ(0, view->m_nGreyedCommands);
}

TEST_F(FrameTest, AcceleratorsReachTheirHandlers)
{
    view->SetFocus();
    view->PostMessage(WM_KEYDOWN, VK_F7, 1);
    view->PostMessage(WM_KEYDOWN, VK_F8, 1);
    PumpPending();
    EXPECT_EQ(1, view->m_nViewCommands);
    EXPECT_EQ(0, view->m_nGreyedCommands);
}

TEST_F(FrameTest, UpdateHandlersGreyAndCheckMenuItems)
{
    HMENU hPopup = ::GetSubMenu(::GetMenu(hFrame), 0);
    frame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));
    EXPECT_EQ(0u, MenuState(ID_TEST_VIEWCMD) & MF_GRAYED);
    EXPECT_EQ(0u, MenuState(ID_TEST_DOCCMD) & MF_GRAYED);
    EXPECT_EQ(0u, MenuState(ID_TEST_APPCMD) & MF_GRAYED);
    EXPECT_NE(0u, MenuState(ID_TEST_GREYED) & MF_GRAYED);
    EXPECT_NE(0u, MenuState(ID_TEST_NOHANDLER) & MF_GRAYED); // no handler anywhere
    EXPECT_NE(0u, MenuState(ID_TEST_CHECKED) & MF_CHECKED);
    EXPECT_EQ(0u, MenuState(ID_APP_EXIT) & MF_GRAYED);
}

TEST_F(FrameTest, BarsTakeTheTopAndBottomAndFollowUpdateHandlers)
{
    frame->RecalcLayout();
    CRect rcClient;
    frame->GetClientRect(rcClient);
    CRect rcTool;
    CRect rcStatus;
    CRect rcView;
    frame->m_wndToolBar.GetWindowRect(rcTool);
    frame->m_wndStatusBar.GetWindowRect(rcStatus);
    view->GetWindowRect(rcView);
    frame->ScreenToClient(rcTool);
    frame->ScreenToClient(rcStatus);
    frame->ScreenToClient(rcView);
    EXPECT_EQ(0, rcTool.top);
    EXPECT_GT(rcTool.Height(), 15);
    EXPECT_EQ(rcClient.bottom, rcStatus.bottom);
    EXPECT_GT(rcStatus.Height(), 0);
    EXPECT_EQ(rcTool.bottom, rcView.top);
    EXPECT_EQ(rcStatus.top, rcView.bottom);
    EXPECT_EQ(rcClient.Width(), rcView.Width());

    // Idle time runs the update handlers of the buttons.
    theApp.OnIdle(0);
    EXPECT_TRUE(frame->m_wndToolBar.SendMessage(TB_ISBUTTONENABLED, ID_TEST_VIEWCMD));
    EXPECT_FALSE(frame->m_wndToolBar.SendMessage(TB_ISBUTTONENABLED, ID_TEST_GREYED));
    EXPECT_EQ(2, frame->m_wndToolBar.CommandToIndex(ID_TEST_GREYED));

    // The message bar is pane 0: texts and menu prompts land there.
    frame->SetMessageText("進行中");
    EXPECT_EQ(CString("進行中"), frame->m_wndStatusBar.GetPaneText(0));
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_VIEWCMD, MF_STRING), (LPARAM)::GetMenu(hFrame));
    EXPECT_EQ(CString("ビューのコマンドを実行します"), frame->m_wndStatusBar.GetPaneText(0));
    EXPECT_EQ(1, frame->m_wndStatusBar.CommandToIndex(ID_INDICATOR_TEST));

    // A button's tip is the second part of its command's string.
    NMTTDISPINFOA tip = {};
    tip.hdr.hwndFrom = frame->m_wndToolBar.m_hWnd;
    tip.hdr.idFrom = ID_TEST_VIEWCMD;
    tip.hdr.code = TTN_NEEDTEXTA;
    frame->SendMessage(WM_NOTIFY, ID_TEST_VIEWCMD, (LPARAM)&tip);
    EXPECT_STREQ("ビュー", tip.szText);

    // Hiding a bar gives its room to the view.
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(frame->m_wndStatusBar.IsWindowVisible());
    view->GetWindowRect(rcView);
    frame->ScreenToClient(rcView);
    EXPECT_EQ(rcClient.bottom, rcView.bottom);
}

TEST_F(FrameTest, DocumentSavesAndOpensItsFile)
{
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szDir);
    CString strPath = CString(szDir) + "保存テスト.tst";
    doc->m_strData = "表示ソフトのデータ";
    ASSERT_TRUE(doc->OnSaveDocument(strPath));
    EXPECT_FALSE(doc->IsModified());

    // The one document of the template reads the file in place.
    doc->m_strData = "別のデータ";
    CDocument* pOpened = theApp.OpenDocumentFile(strPath);
    ASSERT_EQ(doc, pOpened);
    EXPECT_EQ(CString("表示ソフトのデータ"), doc->m_strData);
    EXPECT_EQ(strPath, doc->GetPathName());
    EXPECT_EQ(CString("保存テスト.tst"), doc->GetTitle());
    theApp.OnIdle(0); // the title follows when idle
    CString strTitle;
    frame->GetWindowText(strTitle);
    EXPECT_EQ(CString("保存テスト.tst - テスト窓"), strTitle);

    // A file that is not there is reported; the document stays as it was.
    EXPECT_EQ(nullptr, theApp.OpenDocumentFile(CString(szDir) + "無い.tst"));
    EXPECT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ(CString("表示ソフトのデータ"), doc->m_strData);
    ::DeleteFileA(strPath);
}

TEST_F(FrameTest, ClosingTheFrameClosesTheDocument)
{
    int nDestroyed = CTestView::s_nDestroyed;
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nDestroyed + 1, CTestView::s_nDestroyed);
    EXPECT_EQ(0, CTestDoc::s_nAlive);
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
}

TEST_F(FrameTest, ModifiedDocumentAsksBeforeClosing)
{
    doc->SetModifiedFlag();
    theApp.m_nBoxAnswer = IDCANCEL;
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(hFrame));
    ASSERT_EQ(1u, theApp.m_boxes.size());
    EXPECT_EQ(CString("テスト文書 への変更を保存しますか？"), theApp.m_boxes[0]);

    theApp.m_nBoxAnswer = IDNO;
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(0, CTestDoc::s_nAlive);
}

TEST_F(FrameTest, EndOfSessionDestroysFrameAndViewAndEndsTheApplication)
{
    doc->SetModifiedFlag();
    theApp.m_nBoxAnswer = IDCANCEL;
    EXPECT_FALSE(frame->SendMessage(WM_QUERYENDSESSION, 0, 0));
    theApp.m_nBoxAnswer = IDNO;
    EXPECT_TRUE(frame->SendMessage(WM_QUERYENDSESSION, 0, 0));

    int nDestroyed = CTestView::s_nDestroyed;
    int nExit = theApp.m_nExitInstance;
    int nDeleteContents = CTestDoc::s_nDeleteContents;
    frame->SendMessage(WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nDestroyed + 1, CTestView::s_nDestroyed);
    EXPECT_EQ(0, CTestDoc::s_nAlive);
    EXPECT_GT(CTestDoc::s_nDeleteContents, nDeleteContents);
    EXPECT_EQ(nExit + 1, theApp.m_nExitInstance);
}

// The user chooses Exit a moment later, when the loop has been idle.
void CALLBACK ChooseExit(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(nullptr, nID);
    AfxGetMainWnd()->PostMessage(WM_COMMAND, ID_APP_EXIT);
}

// A loop that never ends would hang the test program.
void CALLBACK QuitHungLoop(HWND, UINT, UINT_PTR, DWORD)
{
    ::PostQuitMessage(99);
}

// The whole program: WinMain's work runs the start-up, then the message
// loop with its accelerators and idle time, until the main window closes.
TEST(AppRun, LoopRunsUntilTheMainWindowCloses)
{
    PumpPending();
    if (theApp.GetFirstDocTemplatePosition() == nullptr)
        theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTestDoc),
                                                     RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView)));
    theApp.m_pfnInitInstance = []
    {
        CCommandLineInfo cmdInfo;
        if (!theApp.ProcessShellCommand(cmdInfo))
            return FALSE;
        CFrameWnd* pFrame = static_cast<CFrameWnd*>(theApp.m_pMainWnd);
        pFrame->GetActiveView()->PostMessage(WM_KEYDOWN, VK_F7, 1);
        ::SetTimer(nullptr, 0, 300, ChooseExit);
        return TRUE;
    };
    UINT_PTR nGuard = ::SetTimer(nullptr, 0, 20000, QuitHungLoop);
    int nCommands = CTestView::s_nAllViewCommands;
    int nIdle = theApp.m_nIdle;
    int nResult = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    ::KillTimer(nullptr, nGuard);
    theApp.m_pfnInitInstance = nullptr;
    EXPECT_EQ(0, nResult);
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_EQ(0, CTestDoc::s_nAlive);
    EXPECT_EQ(nCommands + 1, CTestView::s_nAllViewCommands);
    EXPECT_GT(theApp.m_nIdle, nIdle);
}
} // namespace
