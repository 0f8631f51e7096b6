#include "TestApp.h"

#include "resource.h"

#include <gtest/gtest.h>

CTestApp theApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_APPCMD, OnAppCommand)
END_MESSAGE_MAP()

CTestApp::CTestApp() : CWinApp("AfxWinTest") {}

BOOL CTestApp::InitInstance()
{
    return m_pfnInitInstance ? m_pfnInitInstance() : TRUE;
}

BOOL CTestApp::OnIdle(LONG lCount)
{
    ++m_nIdle;
    return CWinApp::OnIdle(lCount);
}

int CTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    m_boxes.push_back(lpszPrompt);
    return m_nBoxAnswer != 0 ? m_nBoxAnswer : AfxDefaultMessageBoxAnswer(nType);
}

int CTestApp::ExitInstance()
{
    ++m_nExitInstance;
    return CWinApp::ExitInstance();
}

void CTestApp::OnAppCommand()
{
    ++m_nAppCommands;
}

void PumpPending()
{
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++i)
    {
        if (msg.message == WM_QUIT)
        {
            ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            continue;
        }
        AfxPumpMessage();
    }
}

namespace
{
// The test program has no WinMain: it starts the application itself.
class AfxWinEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(theApp.InitApplication());
    }
};

const ::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new AfxWinEnvironment);
} // namespace
