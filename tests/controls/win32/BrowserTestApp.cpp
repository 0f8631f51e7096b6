#include "BrowserTestApp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

CBrowserTestApp theApp;

CBrowserTestApp::CBrowserTestApp() : CAppComm("BrowserTest") {}

void CBrowserTestApp::InitProfileName()
{
    free((void*)m_pszProfileName);
    m_pszProfileName = strdup("TanzoBrowserTest");
}

LPCTSTR CBrowserTestApp::GetWindowClassName()
{
    return "";
}

LPCTSTR CBrowserTestApp::GetMutexName()
{
    return "";
}

std::string ReadWholeFile(LPCTSTR lpszPath)
{
    std::string bytes;
    HANDLE h = ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "(missing)";
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(h, buf, sizeof(buf), &n, nullptr) && n > 0)
        bytes.append(buf, n);
    ::CloseHandle(h);
    return bytes;
}

namespace
{
class BrowserTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        ASSERT_TRUE(theApp.InitApplication());
        // The profile in the registry, as the programs keep it.
        theApp.SetRegistryKey(g_szCompanyName);
        theApp.InitProfileName();
    }
};

const ::testing::Environment* const g_env = ::testing::AddGlobalTestEnvironment(new BrowserTestEnvironment);
} // namespace
