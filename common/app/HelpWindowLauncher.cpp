#include "app/HelpWindowLauncher.h"

namespace
{
HELP_WINDOW_FACTORY g_pfnHelpWindowFactory = nullptr;
} // namespace

HELP_WINDOW_FACTORY SetHelpWindowFactory(HELP_WINDOW_FACTORY pfnFactory)
{
    HELP_WINDOW_FACTORY pfnOld = g_pfnHelpWindowFactory;
    g_pfnHelpWindowFactory = pfnFactory;
    return pfnOld;
}

CHelpWindowLauncher::~CHelpWindowLauncher()
{
    Close();
}

BOOL CHelpWindowLauncher::Show(UINT nPageId)
{
    if (m_pWindow != nullptr)
    {
        m_pWindow->ShowAgain(nPageId);
        return TRUE;
    }
    if (g_pfnHelpWindowFactory == nullptr)
        return FALSE;
    m_pWindow = g_pfnHelpWindowFactory(nPageId);
    return m_pWindow != nullptr;
}

void CHelpWindowLauncher::Close()
{
    CHelpWindowHandle* pWindow = m_pWindow;
    m_pWindow = nullptr;
    delete pWindow;
}
