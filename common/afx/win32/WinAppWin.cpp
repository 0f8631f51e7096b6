// CWinApp on Windows: start-up (WinMain), the message box, the wait
// cursor, document templates and the command line.
#include "afx/WinApp.h"

#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/Document.h"
#include "afx/FrameWnd.h"
#include "afx/Wnd.h"
#include "afx/afxres.h"
#include "afx/win32/AfxState.h"

#include <cstdlib>

namespace
{
HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hResource = nullptr;
} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_hInstance != nullptr ? g_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    g_hInstance = hInstance;
    if (g_hResource == nullptr)
        g_hResource = hInstance;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) ||
        !pApp->InitApplication())
        return -1;
    if (!pApp->InitInstance())
    {
        if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

// The program defines its one application object; the library has the
// entry point. (This file is linked whenever an application class is.)
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_FILE_NEW, OnFileNew)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    // Without a main window nothing would ever end the loop.
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    return ShowMessageBoxOwnedBy(nullptr, lpszPrompt, nType, nIDPrompt);
}

int CWinApp::ShowMessageBoxOwnedBy(CWnd* pWndOwner, LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    EnableModeless(FALSE);
    HWND hWndTop = nullptr;
    HWND hWnd = CWnd::GetSafeOwner(pWndOwner, &hWndTop)->GetSafeHwnd();

    // The owner's help context (or the application's) names the box while
    // it is shown.
    DWORD* pdwContext = nullptr;
    if (hWnd != nullptr)
        pdwContext = (DWORD*)::SendMessageA(hWnd, WM_HELPPROMPTADDR, 0, 0);
    if (pdwContext == nullptr)
        pdwContext = &m_dwPromptContext;
    DWORD dwOldPromptContext = *pdwContext;
    if (nIDPrompt != 0)
        *pdwContext = 0x30000 + nIDPrompt;

    // A box without an icon gets the exclamation mark when it only
    // informs or asks.
    UINT nButtons = nType & MB_TYPEMASK;
    if ((nType & MB_ICONMASK) == 0 &&
        (nButtons == MB_OK || nButtons == MB_OKCANCEL || nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL))
        nType |= MB_ICONEXCLAMATION;

    char szModule[MAX_PATH] = {};
    LPCTSTR lpszCaption = m_pszAppName;
    if (lpszCaption == nullptr)
    {
        ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
        lpszCaption = szModule;
    }
    int nResult = ::MessageBoxA(hWnd, lpszPrompt, lpszCaption, nType);
    *pdwContext = dwOldPromptContext;

    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    EnableModeless(TRUE);
    return nResult;
}

void CWinApp::DoWaitCursor(int nCode)
{
    if (nCode > 0)
    {
        if (m_nWaitCursorCount++ == 0)
            m_hcurWaitCursorRestore = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        else
            ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    }
    else if (nCode < 0)
    {
        if (m_nWaitCursorCount > 0 && --m_nWaitCursorCount == 0)
            ::SetCursor(m_hcurWaitCursorRestore != nullptr ? m_hcurWaitCursorRestore
                                                           : ::LoadCursorA(nullptr, IDC_ARROW));
    }
    else if (m_nWaitCursorCount > 0)
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void CWinApp::EnableModeless(BOOL bEnable)
{
    m_nModelessDisabled += bEnable ? -1 : 1;
    if (m_nModelessDisabled < 0)
        m_nModelessDisabled = 0;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    // The template whose filter extension the file has, else the first.
    CDocTemplate* pBest = nullptr;
    CString strFile(lpszFileName);
    int nDot = strFile.ReverseFind('.');
    CString strExt = nDot >= 0 ? strFile.Mid(nDot) : CString();
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        if (pBest == nullptr)
            pBest = pTemplate;
        CString strFilterExt;
        if (!strExt.IsEmpty() && pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) &&
            strFilterExt.CompareNoCase(strExt) == 0)
        {
            pBest = pTemplate;
            break;
        }
    }
    return pBest != nullptr ? pBest->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
    {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

void CWinApp::EndSession()
{
    CloseAllDocuments(TRUE);
    // A main window that no document held goes too, so that what it keeps
    // on destruction is kept.
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
        m_pMainWnd->DestroyWindow();
    DoExitInstance();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i)
    {
        LPCTSTR pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        if (bFlag)
            ++pszParam;
        rCmdInfo.ParseParam(pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
    case CCommandLineInfo::FileDDE:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::AppUnregister:
        return FALSE;
    case CCommandLineInfo::FileNothing:
    default:
        return TRUE;
    }
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxGetResourceHandle(), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), lpszResourceName);
}

void CWinApp::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (pos != nullptr)
        GetNextDocTemplate(pos)->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}
