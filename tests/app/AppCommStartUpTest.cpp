// Start-up of CAppComm in this process: the order of its steps, the
// single-instance check against a mutex and a window of this process, and
// the messages when the check fails.
#ifdef _WIN32
#include "TestAppComm.h"
#include "WinTestUtil.h"

#include "afx/MessageBox.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace
{
struct RecordedBox
{
    std::string text;
    UINT type;
};

int RecordBox(LPCTSTR lpszText, UINT nType, void* pParam)
{
    static_cast<std::vector<RecordedBox>*>(pParam)->push_back({lpszText, nType});
    return IDOK;
}

class AppCommStartUpTest : public ::testing::Test
{
protected:
    AppCommStartUpTest() { m_pfnOldHook = AfxSetMessageBoxHook(RecordBox, &m_boxes); }
    ~AppCommStartUpTest() override
    {
        AfxSetMessageBoxHook(m_pfnOldHook);
        for (HANDLE h : m_handles)
            ::CloseHandle(h);
    }
    // Another copy's mutex, held by the test.
    void HoldMutex(LPCTSTR lpszName) { m_handles.push_back(::CreateMutexA(nullptr, FALSE, lpszName)); }

    std::vector<RecordedBox> m_boxes;
    std::vector<HANDLE> m_handles;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = nullptr;
};

TEST_F(AppCommStartUpTest, StepsRunInOrder)
{
    CTestAppComm app;
    app.m_strClassName = UniqueName("TanzoStartUpClass");
    app.m_strMutexName = UniqueName("Tanzo-StartUp-Mutex");
    ASSERT_TRUE(app.InitInstance());

    // Registry key before the profile name, the atom before the mutex.
    const std::vector<std::string> expected = {
        "InitProfileName key=Velmar Soft profile=TestAppComm",
        "GetWindowClassName profile=Tanzo3",
        "GetMutexName atom",
    };
    EXPECT_EQ(expected, app.m_calls);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_NE(std::string::npos, std::string(std::setlocale(LC_ALL, nullptr)).find("Japan"));

    // The mutex exists and belongs to this thread, not to any other.
    HANDLE hMutex = ::OpenMutexA(SYNCHRONIZE, FALSE, app.m_strMutexName);
    ASSERT_NE(nullptr, hMutex);
    DWORD dwOtherThread = WAIT_FAILED;
    std::thread([&] { dwOtherThread = ::WaitForSingleObject(hMutex, 0); }).join();
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, dwOtherThread);
    ::CloseHandle(hMutex);

    EXPECT_NE(0, ::GlobalFindAtomA(app.m_strClassName));
    app.ExitInstance();
    EXPECT_EQ(0, ::GlobalFindAtomA(app.m_strClassName));
}

TEST_F(AppCommStartUpTest, EmptyNamesSkipAtomAndCheck)
{
    CTestAppComm app;
    HoldMutex(UniqueName("Tanzo-Unused-Mutex"));
    ASSERT_TRUE(app.InitInstance());
    const std::vector<std::string> expected = {
        "InitProfileName key=Velmar Soft profile=TestAppComm",
        "GetWindowClassName profile=Tanzo3",
        "GetMutexName",
    };
    EXPECT_EQ(expected, app.m_calls);
    EXPECT_TRUE(m_boxes.empty());
    app.ExitInstance();
}

TEST_F(AppCommStartUpTest, RunningCopysWindowComesForward)
{
    const struct
    {
        const char* name;
        int nShow; // how the running copy's window is left
        BOOL bIconic, bVisible, bZoomed;
    } cases[] = {
        {"minimised is restored", SW_SHOWMINIMIZED, FALSE, TRUE, FALSE},
        {"hidden is shown", SW_HIDE, FALSE, TRUE, FALSE},
        {"maximised stays maximised", SW_SHOWMAXIMIZED, FALSE, TRUE, TRUE},
        {"normal stays normal", SW_SHOWNORMAL, FALSE, TRUE, FALSE},
    };
    // Holds the foreground until the running copy's window takes it.
    CCountingWindow other(UniqueName("TanzoOtherClass"), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CString strClass = UniqueName("TanzoRunningClass");
        CCountingWindow running(strClass, WS_OVERLAPPEDWINDOW);
        ASSERT_NE(nullptr, running.m_hWnd);
        ::ShowWindow(running.m_hWnd, c.nShow);
        ::SetForegroundWindow(other.m_hWnd);
        ASSERT_EQ(other.m_hWnd, ::GetForegroundWindow());

        CTestAppComm app;
        app.m_strClassName = strClass;
        app.m_strMutexName = UniqueName("Tanzo-Running-Mutex");
        HoldMutex(app.m_strMutexName);
        EXPECT_FALSE(app.InitInstance());
        app.ExitInstance();

        EXPECT_EQ(c.bIconic, ::IsIconic(running.m_hWnd));
        EXPECT_EQ(c.bVisible, ::IsWindowVisible(running.m_hWnd));
        EXPECT_EQ(c.bZoomed, ::IsZoomed(running.m_hWnd));
        EXPECT_EQ(running.m_hWnd, ::GetForegroundWindow());
        EXPECT_TRUE(m_boxes.empty());
    }
}

TEST_F(AppCommStartUpTest, RunningCopyWithoutClassIsFoundByItsTitle)
{
    // Holds the foreground until the running copy's window takes it.
    CCountingWindow other(UniqueName("TanzoOtherClass"), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    CString strTitle = UniqueName("たんぞテストインストーラー");
    // A window of another title comes first: only the title counts.
    CCountingWindow decoy(UniqueName("TanzoDecoyClass"), WS_OVERLAPPEDWINDOW);
    CCountingWindow running(UniqueName("TanzoTitledClass"), WS_OVERLAPPEDWINDOW);
    ::SetWindowTextA(running.m_hWnd, strTitle);
    ::ShowWindow(decoy.m_hWnd, SW_SHOWMINIMIZED);
    ::ShowWindow(running.m_hWnd, SW_SHOWMINIMIZED);
    ::SetForegroundWindow(other.m_hWnd);

    CTestAppComm app(strTitle);
    app.m_strMutexName = UniqueName("Tanzo-Titled-Mutex");
    HoldMutex(app.m_strMutexName);
    EXPECT_FALSE(app.InitInstance());
    app.ExitInstance();

    EXPECT_FALSE(::IsIconic(running.m_hWnd));
    EXPECT_EQ(running.m_hWnd, ::GetForegroundWindow());
    EXPECT_TRUE(::IsIconic(decoy.m_hWnd));
    EXPECT_TRUE(m_boxes.empty());

    // Without a window of that title, the user is told.
    ::SetWindowTextA(running.m_hWnd, "別のタイトル");
    CTestAppComm again(strTitle);
    again.m_strMutexName = app.m_strMutexName;
    EXPECT_FALSE(again.InitInstance());
    again.ExitInstance();
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(std::string("同一の他のアプリケーションがすでに起動しています。\r\n"
                          "他のアプリケーションを終了してから、再度、実行してください。"),
              m_boxes[0].text);
}

TEST_F(AppCommStartUpTest, MutexWithoutWindowTellsTheUser)
{
    CTestAppComm app;
    app.m_strClassName = UniqueName("TanzoNoWindowClass");
    app.m_strMutexName = UniqueName("Tanzo-NoWindow-Mutex");
    HoldMutex(app.m_strMutexName);
    EXPECT_FALSE(app.InitInstance());
    app.ExitInstance();
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(std::string("同一の他のアプリケーションがすでに起動しています。\r\n"
                          "他のアプリケーションを終了してから、再度、実行してください。"),
              m_boxes[0].text);
    EXPECT_EQ((UINT)MB_OK, m_boxes[0].type);
}

TEST_F(AppCommStartUpTest, MutexThatCannotBeMadeEndsTheStart)
{
    CTestAppComm app;
    app.m_strClassName = UniqueName("TanzoNoMutexClass");
    app.m_strMutexName = UniqueName("Tanzo-Clash");
    // An event of that name keeps a mutex of that name from being made.
    m_handles.push_back(::CreateEventA(nullptr, TRUE, FALSE, app.m_strMutexName));
    // A window of the class is there, but the start ends before looking.
    CCountingWindow window(app.m_strClassName, WS_OVERLAPPEDWINDOW);
    EXPECT_FALSE(app.InitInstance());
    app.ExitInstance();
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(std::string("複数起動抑制処理に失敗しました。"), m_boxes[0].text);
    EXPECT_EQ((UINT)MB_OK, m_boxes[0].type);
    EXPECT_FALSE(::IsWindowVisible(window.m_hWnd));
}
} // namespace
#endif // _WIN32
