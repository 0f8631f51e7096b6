#include "uninstall/UninstallApp.h"

#include "controls/HelpWindow.h"
#include "uninstall/UninstallDialog.h"

#include <cstdlib>
#include <cstring>

CUninstallApp theApp;

void CUninstallApp::InitProfileName()
{
    free((void*)m_pszProfileName);
    m_pszProfileName = strdup("Tanzo3\\Uninstaller");
}

LPCTSTR CUninstallApp::GetWindowClassName()
{
    return nullptr;
}

LPCTSTR CUninstallApp::GetMutexName()
{
    return "Mutex-Velmarsoft-Tanzo-Uninstaller";
}

BOOL CUninstallApp::InitInstance()
{
    if (!CAppComm::InitInstance())
        return FALSE;
    RegisterHelpWindow();
    CUninstallDialog dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
