// CAppComm on Windows: start-up with the single-instance check, exit, the
// message box, the temporary work file and the window-class helpers.
#include "app/AppComm.h"

#include "afx/Collections.h"
#include "afx/CommandLineInfo.h"
#include "afx/DocTemplate.h"
#include "afx/MessageBox.h"
#include "afx/Wnd.h"
#include "app/DialogResourceIds.h"
#include "app/ModelessOwner.h"
#include "app/PromptText.h"
#include "text/PathUtil.h"
#include "text/RandomText.h"

#include <commctrl.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

namespace
{

const int kTempNameLength = 8;
// Fresh names tried before giving up on a temporary folder that refuses
// every new file.
const int kMaxTempNameTries = 100;
} // namespace

BOOL CAppComm::InitInstance()
{
    Enable3dControls();
    ::InitCommonControls();
    std::setlocale(LC_ALL, "ja");
    std::srand((unsigned)std::time(nullptr));
    SetRegistryKey(g_szCompanyName);
    InitProfileName();

    LPCTSTR lpszClassName = GetWindowClassName();
    if (lpszClassName != nullptr && *lpszClassName != '\0')
        m_nAtom = ::GlobalAddAtomA(lpszClassName);

    LPCTSTR lpszMutexName = GetMutexName();
    if (lpszMutexName == nullptr || *lpszMutexName == '\0')
        return TRUE;
    // Kept open for the life of the process: the system closes it at exit.
    HANDLE hMutex = ::CreateMutexA(nullptr, TRUE, lpszMutexName);
    if (hMutex == nullptr)
    {
        AfxMessageBox(IDS_SINGLE_INSTANCE_FAILED, MB_OK);
        return FALSE;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
    {
        ::CloseHandle(hMutex);
        ActivateRunningInstance();
        return FALSE;
    }
    return TRUE;
}

int CAppComm::ExitInstance()
{
    if (!m_strTempWorkFileName.IsEmpty())
    {
        CString strPath;
        if (GetTempWorkFilePath(strPath))
            RemoveFileIfExists(strPath);
        m_strTempWorkFileName.Empty();
    }
    if (m_nAtom != 0)
    {
        ::GlobalDeleteAtom((ATOM)m_nAtom);
        m_nAtom = 0;
    }
    return CWinApp::ExitInstance();
}

BOOL CAppComm::ActivateRunningInstance()
{
    LPCTSTR lpszClassName = GetWindowClassName();
    HWND hWnd = nullptr;
    if (lpszClassName != nullptr && *lpszClassName != '\0')
        hWnd = ::FindWindowA(lpszClassName, nullptr);
    else if (m_pszAppName != nullptr && *m_pszAppName != '\0')
        hWnd = ::FindWindowA(nullptr, m_pszAppName); // dialog programs: their window bears the title
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return OnRunningInstanceNotFound();
    if (::IsIconic(hWnd))
        ::ShowWindow(hWnd, SW_SHOWNORMAL);
    else if (!::IsWindowVisible(hWnd))
        ::ShowWindow(hWnd, SW_SHOW);
    return ::SetForegroundWindow(hWnd);
}

int CAppComm::OnRunningInstanceNotFound()
{
    return AfxMessageBox(IDS_ALREADY_RUNNING, MB_OK);
}

int CAppComm::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    CString strText = MakePromptText(lpszPrompt);
    if (CWnd* pDialog = GetActiveModelessDialog())
        return ShowDialogOwnedMessageBox(pDialog, strText, nType, nIDPrompt);
    return CWinApp::DoMessageBox(strText, nType, nIDPrompt);
}

int CAppComm::ShowDialogOwnedMessageBox(CWnd* pDialog, LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    return ShowMessageBoxOwnedBy(pDialog, lpszText, nType, nIDHelp);
}

BOOL CAppComm::GetDocumentExtensions(CStringList& list)
{
    list.RemoveAll();
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString strExt;
        if (!pTemplate->GetDocString(strExt, CDocTemplate::filterExt))
            continue;
        if (!strExt.IsEmpty() && strExt[0] == '.')
            strExt = strExt.Mid(1);
        if (!strExt.IsEmpty())
            list.AddTail(strExt);
    }
    return !list.IsEmpty();
}

BOOL CAppComm::ProcessCommandLine(CCommandLineInfo& rCmdInfo)
{
    if (!rCmdInfo.m_strFileName.IsEmpty())
    {
        // A name that has no long form (no such file) is kept as given.
        CString strLong = rCmdInfo.m_strFileName;
        if (ToLongPath(strLong))
            rCmdInfo.m_strFileName = strLong;
    }
    return ProcessShellCommand(rCmdInfo);
}

BOOL CAppComm::GetTempWorkFilePath(CString& strPath)
{
    strPath.Empty();
    for (int nTry = 0; nTry < kMaxTempNameTries; ++nTry)
    {
        CString strFolder;
        if (!GetTempFolder(strFolder, TRUE))
            return FALSE;
        BOOL bNewName = m_strTempWorkFileName.IsEmpty();
        if (bNewName)
            RandomAlphanumeric(kTempNameLength, m_strTempWorkFileName);
        CString strFile;
        JoinPath(strFile, strFolder, m_strTempWorkFileName);
        if (!bNewName)
        {
            strPath = strFile;
            return TRUE;
        }
        // CREATE_NEW: a file another process makes meanwhile is never taken over.
        HANDLE hFile =
            ::CreateFileA(strFile, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE)
        {
            ::CloseHandle(hFile);
            strPath = strFile;
            return TRUE;
        }
        m_strTempWorkFileName.Empty();
    }
    return FALSE;
}

BOOL CAppComm::SetWindowIcon(CWnd* pWnd, UINT nIDIcon)
{
    if (nIDIcon == 0 || pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return FALSE;
    HICON hIcon = LoadIcon(nIDIcon);
    if (hIcon == nullptr)
        return FALSE;
    pWnd->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    return TRUE;
}

BOOL CAppComm::RegisterFrameWindowClass(CREATESTRUCT& cs, UINT nIDIcon)
{
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (hInstance == nullptr)
        return FALSE;
    LPCTSTR lpszClassName = GetWindowClassName();
    if (lpszClassName == nullptr || *lpszClassName == '\0')
        return TRUE; // no class of its own: the framework's stays
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInstance, lpszClassName, &wc))
    {
        if (cs.lpszClass == nullptr || !::GetClassInfoA(hInstance, cs.lpszClass, &wc))
            return FALSE;
        wc.hInstance = hInstance;
        wc.lpszClassName = lpszClassName;
        if (nIDIcon != 0)
        {
            HICON hIcon = LoadIcon(nIDIcon);
            if (hIcon != nullptr)
                wc.hIcon = hIcon;
        }
        if (!AfxRegisterClass(&wc))
            return FALSE;
    }
    cs.lpszClass = lpszClassName;
    return TRUE;
}
