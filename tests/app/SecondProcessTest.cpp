// The application test program (tests/app/testapp) with the client's three
// names, run as processes of their own: a second start brings the first
// copy's window forward and ends; a mutex without a window gives message
// 626; the profile, the temporary work file and what the windows save when
// they go, at a normal exit and at the end of the session.
#ifdef _WIN32
#include "ChildProcess.h"
#include "WinTestUtil.h"

#include "afx/String.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
const char kClassName[] = "VelmarsoftTanzoClass";
const char kMutexName[] = "Mutex-Velmarsoft-Tanzo";
const char kSettingsKey[] = "Software\\Velmar Soft\\Tanzo3\\Settings";

CString ReadSetting(LPCTSTR lpszName)
{
    char szValue[1024] = {};
    DWORD dwSize = sizeof(szValue) - 1;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return CString();
    DWORD dwType = 0;
    LONG rc = ::RegQueryValueExA(hKey, lpszName, nullptr, &dwType, (BYTE*)szValue, &dwSize);
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS && dwType == REG_SZ ? CString(szValue) : CString();
}

void WriteSetting(LPCTSTR lpszName, LPCTSTR lpszValue)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                               nullptr, &hKey, nullptr));
    if (lpszValue != nullptr)
        ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, (const BYTE*)lpszValue,
                         (DWORD)std::strlen(lpszValue) + 1);
    else
        ::RegDeleteValueA(hKey, lpszName);
    ::RegCloseKey(hKey);
}

BOOL IsFile(LPCTSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int CountWindowsOfClass()
{
    struct Counter
    {
        static BOOL CALLBACK Count(HWND hWnd, LPARAM lParam)
        {
            char szClass[64] = {};
            ::GetClassNameA(hWnd, szClass, sizeof(szClass));
            if (std::strcmp(szClass, kClassName) == 0)
                ++*(int*)lParam;
            return TRUE;
        }
    };
    int nCount = 0;
    ::EnumWindows(Counter::Count, (LPARAM)&nCount);
    return nCount;
}

class SecondProcessTest : public ::testing::Test
{
protected:
    SecondProcessTest()
    {
        for (const char* name :
             {"TestAppEvents", "TestAppTempFile", "TestAppEchoOut", "TestAppBroughtForward"})
            WriteSetting(name, nullptr);
        WriteSetting("TestAppEchoIn", "プロファイル");
    }
    ~SecondProcessTest() override
    {
        for (const char* name :
             {"TestAppEvents", "TestAppTempFile", "TestAppEchoOut", "TestAppEchoIn", "TestAppBroughtForward"})
            WriteSetting(name, nullptr);
    }
    void SetUp() override
    {
        ASSERT_EQ(nullptr, ::FindWindowA(kClassName, nullptr)) << "a copy is running already";
    }
};

TEST_F(SecondProcessTest, SecondStartBringsTheFirstForwardAndEnds)
{
    CChildProcess first(TANZO_TESTAPP_EXE, kClassName);
    ASSERT_TRUE(first.m_bStarted);
    HWND hWnd = first.WaitForWindow();
    ASSERT_NE(nullptr, hWnd);

    // The start-up read and wrote its profile and made its work file.
    EXPECT_EQ(CString("started"), ReadSetting("TestAppEvents"));
    EXPECT_EQ(CString("プロファイル!"), ReadSetting("TestAppEchoOut"));
    CString strTempFile = ReadSetting("TestAppTempFile");
    EXPECT_TRUE(IsFile(strTempFile)) << (LPCTSTR)strTempFile;
    EXPECT_NE(-1, strTempFile.Find("\\たんぞテスト\\")) << (LPCTSTR)strTempFile;

    ::ShowWindow(hWnd, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return ::IsIconic(hWnd); }));

    CChildProcess second(TANZO_TESTAPP_EXE, kClassName);
    ASSERT_TRUE(second.m_bStarted);
    ASSERT_TRUE(second.WaitForExit());
    // Other test programs share the display and may take the foreground
    // back at any moment: the second copy's request and the system's answer
    // are what this copy decides.
    EXPECT_TRUE(WaitFor([&] { return !::IsIconic(hWnd); }, 5000));
    EXPECT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_EQ(CString("1"), ReadSetting("TestAppBroughtForward"));
    EXPECT_EQ(1, CountWindowsOfClass());
    // The second copy ended before its own start-up; its exit left the
    // first copy's work file alone.
    EXPECT_EQ(CString("started,exit"), ReadSetting("TestAppEvents"));
    EXPECT_TRUE(IsFile(strTempFile));

    ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit());
    CString strEvents = ReadSetting("TestAppEvents");
    EXPECT_NE(-1, strEvents.Find(",view-destroyed")) << (LPCTSTR)strEvents;
    EXPECT_NE(-1, strEvents.Find(",frame-destroyed")) << (LPCTSTR)strEvents;
    EXPECT_NE(-1, strEvents.Find(",doc-deleted,exit")) << (LPCTSTR)strEvents;
    EXPECT_EQ(CString(",exit"), strEvents.Right(5)) << (LPCTSTR)strEvents;
    EXPECT_FALSE(IsFile(strTempFile));
}

TEST_F(SecondProcessTest, EndOfSessionSavesBeforeItReturns)
{
    CChildProcess app(TANZO_TESTAPP_EXE, kClassName);
    ASSERT_TRUE(app.m_bStarted);
    HWND hWnd = app.WaitForWindow();
    ASSERT_NE(nullptr, hWnd);
    CString strTempFile = ReadSetting("TestAppTempFile");
    ASSERT_TRUE(IsFile(strTempFile));

    DWORD_PTR dwResult = 0;
    ASSERT_TRUE(
        ::SendMessageTimeoutA(hWnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000, &dwResult));
    EXPECT_NE(0u, dwResult);
    ASSERT_TRUE(
        ::SendMessageTimeoutA(hWnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 20000, &dwResult));

    // The system may end the process as soon as WM_ENDSESSION returns.
    CString strEvents = ReadSetting("TestAppEvents");
    EXPECT_NE(-1, strEvents.Find("view-destroyed")) << (LPCTSTR)strEvents;
    EXPECT_NE(-1, strEvents.Find("frame-destroyed")) << (LPCTSTR)strEvents;
    EXPECT_NE(-1, strEvents.Find("doc-deleted")) << (LPCTSTR)strEvents;
    EXPECT_NE(-1, strEvents.Find(",exit")) << (LPCTSTR)strEvents;
    EXPECT_FALSE(IsFile(strTempFile));
    EXPECT_TRUE(app.WaitForExit());
}

TEST_F(SecondProcessTest, MutexWithoutWindowShowsMessage626)
{
    HANDLE hMutex = ::CreateMutexA(nullptr, FALSE, kMutexName);
    ASSERT_NE(nullptr, hMutex);
    {
        CChildProcess app(TANZO_TESTAPP_EXE, kClassName);
        ASSERT_TRUE(app.m_bStarted);
        CMessageBoxWatcher watcher(app.m_pi.dwProcessId);
        watcher.Join();
        ASSERT_TRUE(watcher.Shown());
        EXPECT_EQ(std::string("同一の他のアプリケーションがすでに起動しています。\r\n"
                              "他のアプリケーションを終了してから、再度、実行してください。"),
                  watcher.m_text);
        EXPECT_EQ(std::string("たんぞテスト"), watcher.m_caption);
        EXPECT_TRUE(app.WaitForExit());
        EXPECT_EQ(0, CountWindowsOfClass());
        EXPECT_EQ(CString("exit"), ReadSetting("TestAppEvents"));
    }
    ::CloseHandle(hMutex);
}
} // namespace
#endif // _WIN32
