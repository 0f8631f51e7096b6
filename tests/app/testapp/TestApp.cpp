// A small program on the application base, run by test_app as a second
// process: the client's three names, a single-document frame with menu,
// accelerators and icon, and a trail in its profile ("Settings") of what
// happened, so that the test can see the start-up, the temporary work file
// and what is saved when the windows go.
#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/View.h"
#include "app/AppShareNet.h"
#include "resource.h"

#include <cstdlib>
#include <cstring>

namespace
{
void AddEvent(LPCTSTR lpszEvent);
} // namespace

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    ~CTestDoc() override { AddEvent("doc-deleted"); }
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}

protected:
    afx_msg void OnDestroy()
    {
        AddEvent("view-destroyed");
        CView::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
ON_WM_DESTROY()
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg void OnDestroy()
    {
        AddEvent("frame-destroyed");
        CFrameWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

class CTestApp : public CAppShareNet
{
public:
    void InitProfileName() override
    {
        free((void*)m_pszProfileName);
        m_pszProfileName = strdup("Tanzo3");
    }
    LPCTSTR GetWindowClassName() override { return "VelmarsoftTanzoClass"; }
    LPCTSTR GetMutexName() override { return "Mutex-Velmarsoft-Tanzo"; }

    BOOL InitInstance() override
    {
        if (!CAppShareNet::InitInstance())
            return FALSE;
        AddEvent("started");
        WriteSettingString("TestAppEchoOut", GetSettingString("TestAppEchoIn") + "!");
        CString strTempFile;
        if (GetTempWorkFilePath(strTempFile))
            WriteSettingString("TestAppTempFile", strTempFile);

        AddDocumentTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTestDoc),
                                                   RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView)));
        CCommandLineInfo cmdInfo;
        ParseCommandLine(cmdInfo);
        if (!ProcessCommandLine(cmdInfo))
            return FALSE;
        m_pMainWnd->ShowWindow(SW_SHOW);
        m_pMainWnd->UpdateWindow();
        return TRUE;
    }

    // The foreground is shared with every program on the display, so the
    // test reads what the system answered this copy's request.
    BOOL ActivateRunningInstance() override
    {
        BOOL bBrought = CAppShareNet::ActivateRunningInstance();
        WriteSettingString("TestAppBroughtForward", bBrought ? "1" : "0");
        return bBrought;
    }

    int ExitInstance() override
    {
        AddEvent("exit");
        return CAppShareNet::ExitInstance();
    }
};

CTestApp theApp;

BOOL CTestFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    return theApp.RegisterFrameWindowClass(cs, IDR_MAINFRAME);
}

namespace
{
void AddEvent(LPCTSTR lpszEvent)
{
    CString strEvents = theApp.GetSettingString("TestAppEvents");
    if (!strEvents.IsEmpty())
        strEvents += ",";
    theApp.WriteSettingString("TestAppEvents", strEvents + lpszEvent);
}
} // namespace
