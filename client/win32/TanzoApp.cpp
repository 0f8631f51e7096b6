#include "client/TanzoApp.h"

#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/MessageBox.h"
#include "afx/afxres.h"
#include "client/DataSetFiles.h"
#include "client/MainFrame.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoView.h"
#include "controls/ControlsResourceIds.h"
#include "controls/VersionInfoDialog.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/PathUtil.h"

#include <cstdlib>
#include <cstring>

namespace
{
const TCHAR kProfileName[] = "Tanzo3";
const TCHAR kWindowClassName[] = "VelmarsoftTanzoClass";
const TCHAR kMutexName[] = "Mutex-Velmarsoft-Tanzo";

CString ReadProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return AfxGetApp()->GetProfileString(lpszSection, lpszEntry, lpszDefault);
}
} // namespace

IMPLEMENT_DYNAMIC(CTanzoApp, CAppShareNet)

BEGIN_MESSAGE_MAP(CTanzoApp, CAppShareNet)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CTanzoApp::CTanzoApp() {}

CTanzoApp::~CTanzoApp() {}

CTanzoApp* GetTanzoApp()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->IsKindOf(RUNTIME_CLASS(CTanzoApp)) ? static_cast<CTanzoApp*>(pApp)
                                                                       : nullptr;
}

void CTanzoApp::InitProfileName()
{
    free((void*)m_pszProfileName);
    m_pszProfileName = strdup(kProfileName);
}

LPCTSTR CTanzoApp::GetWindowClassName()
{
    return kWindowClassName;
}

LPCTSTR CTanzoApp::GetMutexName()
{
    return kMutexName;
}

BOOL CTanzoApp::InitInstance()
{
    if (!CAppShareNet::InitInstance())
        return FALSE;
    // The service's hosts may be replaced in the profile.
    LoadServiceOrigins(ReadProfileString);
    SetBrowserUserAgent();
    return StartMainWindow();
}

BOOL CTanzoApp::StartMainWindow()
{
    AddDocumentTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTanzoDoc),
                                               RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CTanzoView)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    // The window shows only once the options are applied.
    m_nCmdShow = SW_HIDE;
    if (!ProcessCommandLine(cmdInfo))
        return FALSE;
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame != nullptr)
    {
        pFrame->ApplyFontSize();
        pFrame->ApplyColors();
        pFrame->ShowLoginSetting();
        pFrame->ApplyToolBarFormat();
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        pFrame->RestoreMaximizedState();
        StartFirstRefresh(pFrame);
    }
    return TRUE;
}

void CTanzoApp::StartFirstRefresh(CMainFrame* pFrame)
{
    pFrame->ResetAndRefresh();
}

CMainFrame* CTanzoApp::GetMainFrame() const
{
    CWnd* pWnd = m_pMainWnd;
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()) || !pWnd->IsKindOf(RUNTIME_CLASS(CMainFrame)))
        return nullptr;
    return static_cast<CMainFrame*>(pWnd);
}

BOOL CTanzoApp::GetUserDataRoot(CString& out)
{
    if (m_strDataFolder.IsEmpty())
    {
        CString product;
        if (!GetAppDataFolder(product, DATA_FOLDER_PRODUCT))
        {
            out.Empty();
            AfxMessageBox(IDS_DATA_PATH_NOT_FOUND, MB_OK);
            return FALSE;
        }
        JoinPath(m_strDataFolder, product, DATA_FOLDER_USERS);
    }
    out = m_strDataFolder;
    return TRUE;
}

BOOL CTanzoApp::GetDataFolder(CString& out, int set, LPCTSTR userID)
{
    out.Empty();
    // The document knows its current user.
    CTanzoDoc* pDoc = GetTanzoDoc(nullptr);
    if (pDoc != nullptr)
        return pDoc->GetDataFolder(out, set, userID);
    CString root;
    return GetDataSetInfo(set) != nullptr && GetUserDataRoot(root) && MakeDataFolder(root, set, userID, out);
}

BOOL CTanzoApp::GetDataFilePath(CString& out, int set)
{
    CString folder;
    out.Empty();
    if (!GetDataFolder(folder, set, nullptr))
        return FALSE;
    JoinPath(out, folder, GetDataSetInfo(set)->fileName);
    return TRUE;
}

void CTanzoApp::OnAppAbout()
{
    CVersionInfoDialog dialog(m_pMainWnd);
    dialog.SetFirstYear(FirstVersionYear);
    dialog.SetCurrentYear(LastVersionYear);
    dialog.DoModal();
}
