// The Windows test programs run at once on one display, each on a desktop
// of its own: a program that shows window after window and takes the
// foreground with each, on the display's own desktop or as another test
// program, takes neither this program's foreground window nor its focus.
#ifdef _WIN32
#include "TestDesktop.h"
#include "DialogTestUtil.h"

#include "afx/String.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace
{
#define TANZO_FOCUS_VICTIM_VARIABLE "TANZO_FOCUS_VICTIM"

const int kThefts = 20;

// The names of the two events, from the pid of the program that is robbed.
CString EventName(LPCTSTR lpszWhat, DWORD dwVictim)
{
    CString strName;
    strName.Format("TanzoFocusThief%s-%lu", lpszWhat, (unsigned long)dwVictim);
    return strName;
}

// In the copy on the display's desktop: once the victim is ready, each
// window shows and takes the foreground there; the victim learns the end
// through the other event.
void StealTheForeground(DWORD dwVictim)
{
    HANDLE hReady = ::OpenEventA(SYNCHRONIZE, FALSE, EventName("Ready", dwVictim));
    HANDLE hDone = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, EventName("Done", dwVictim));
    ASSERT_NE(nullptr, hReady);
    ASSERT_NE(nullptr, hDone);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hReady, 60000));
    int nTaken = 0;
    for (int i = 0; i < kThefts; ++i)
    {
        HWND hWnd = ::CreateWindowExA(0, "#32770", "泥棒", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40 + 10 * i,
                                      40 + 10 * i, 400, 300, nullptr, nullptr, nullptr, nullptr);
        // On the display's desktop the other programs' windows take the
        // foreground too: the thief takes it back.
        if (PumpUntil(
                [&]
                {
                    if (::GetForegroundWindow() != hWnd)
                        ::SetForegroundWindow(hWnd);
                    return ::GetForegroundWindow() == hWnd && ::GetFocus() == hWnd;
                },
                5000))
            ++nTaken;
        ::DestroyWindow(hWnd);
    }
    ::SetEvent(hDone);
    ::CloseHandle(hReady);
    ::CloseHandle(hDone);
    EXPECT_EQ(kThefts, nTaken) << "windows that took the foreground of the display's desktop";
}

// The thief: a copy of this program running the current test, told whom
// it robs.
BOOL StartThief(PROCESS_INFORMATION& process, BOOL bOnDisplayDesktop)
{
    char szVictim[16] = {};
    std::snprintf(szVictim, sizeof(szVictim), "%lu", (unsigned long)::GetCurrentProcessId());
    ::SetEnvironmentVariableA(TANZO_FOCUS_VICTIM_VARIABLE, szVictim);
    const BOOL bStarted = StartCurrentTestInCopy(process, bOnDisplayDesktop);
    ::SetEnvironmentVariableA(TANZO_FOCUS_VICTIM_VARIABLE, nullptr);
    return bStarted;
}

// In the thief, its thefts; else a focused edit that keeps the focus while
// the thief runs.
void KeepTheFocusWhileTheThiefRuns(BOOL bOnDisplayDesktop)
{
    if (IsTestCopy())
    {
        char szVictim[16] = {};
        ::GetEnvironmentVariableA(TANZO_FOCUS_VICTIM_VARIABLE, szVictim, sizeof(szVictim));
        StealTheForeground((DWORD)std::strtoul(szVictim, nullptr, 10));
        return;
    }
    HANDLE hReady = ::CreateEventA(nullptr, TRUE, FALSE, EventName("Ready", ::GetCurrentProcessId()));
    HANDLE hDone = ::CreateEventA(nullptr, TRUE, FALSE, EventName("Done", ::GetCurrentProcessId()));
    ASSERT_NE(nullptr, hReady);
    ASSERT_NE(nullptr, hDone);
    HWND hWnd = ::CreateWindowExA(0, "#32770", "被害者", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, hWnd,
                                   nullptr, nullptr, nullptr);
    ::SetForegroundWindow(hWnd);
    ::SetFocus(hEdit);
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == hWnd && ::GetFocus() == hEdit; }));

    PROCESS_INFORMATION thief = {};
    ASSERT_TRUE(StartThief(thief, bOnDisplayDesktop));
    ::SetEvent(hReady);
    int nChecks = 0, nLost = 0;
    PumpUntil(
        [&]
        {
            ++nChecks;
            if (::GetForegroundWindow() != hWnd || ::GetFocus() != hEdit)
                ++nLost;
            return ::WaitForSingleObject(hDone, 0) == WAIT_OBJECT_0 ||
                   ::WaitForSingleObject(thief.hProcess, 0) == WAIT_OBJECT_0;
        },
        120000);
    DWORD dwThiefExit = 1;
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(thief.hProcess, 60000));
    ::GetExitCodeProcess(thief.hProcess, &dwThiefExit);
    EXPECT_EQ(0u, dwThiefExit) << "the thief's windows did not all take the foreground";
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hDone, 0)) << "the thief never ended its thefts";
    PumpPending();
    EXPECT_EQ(0, nLost) << "checks of " << nChecks << " without the foreground or the focus";
    EXPECT_EQ(hEdit, ::GetFocus());
    EXPECT_EQ(hWnd, ::GetForegroundWindow());

    if (::WaitForSingleObject(thief.hProcess, 0) != WAIT_OBJECT_0)
        ::TerminateProcess(thief.hProcess, 1);
    ::CloseHandle(thief.hThread);
    ::CloseHandle(thief.hProcess);
    ::DestroyWindow(hWnd);
    ::CloseHandle(hReady);
    ::CloseHandle(hDone);
}

TEST(TestDesktop, AProgramOnTheDisplaysDesktopLeavesThisProgramsFocus)
{
    KeepTheFocusWhileTheThiefRuns(TRUE);
}

TEST(TestDesktop, AnotherTestProgramLeavesThisProgramsFocus)
{
    KeepTheFocusWhileTheThiefRuns(FALSE);
}
} // namespace
#endif // _WIN32
