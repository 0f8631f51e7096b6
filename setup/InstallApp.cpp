#include "setup/InstallApp.h"

#include "afx/MessageBox.h"
#include "controls/HelpWindow.h"
#include "setup/InstallDialog.h"
#include "setup/SetupResourceIds.h"

#include <cstdlib>
#include <cstring>

CInstallApp theApp;

void CInstallApp::InitProfileName()
{
    free((void*)m_pszProfileName);
    m_pszProfileName = strdup("Tanzo3\\Installer");
}

LPCTSTR CInstallApp::GetWindowClassName()
{
    return nullptr;
}

LPCTSTR CInstallApp::GetMutexName()
{
    return "Mutex-Velmarsoft-Tanzo-Installer";
}

int CInstallApp::OnRunningInstanceNotFound()
{
    return AfxMessageBox(IDS_INSTALL_ALREADY_RUNNING, MB_OK);
}

BOOL CInstallApp::InitInstance()
{
    if (!CAppComm::InitInstance())
        return FALSE;
    RegisterHelpWindow();
    CInstallDialog dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
