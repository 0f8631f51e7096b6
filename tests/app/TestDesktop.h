#ifndef TANZO_TESTS_APP_TESTDESKTOP_H
#define TANZO_TESTS_APP_TESTDESKTOP_H

// Desktops of the Windows tests (Wine). Wine shows a desktop whose size it
// finds under HKCU\Software\Wine\Explorer\Desktops as a virtual desktop:
// a window of that size on the display, with a foreground window, a focus
// and a keyboard of its own, which no window of another desktop takes.
// The display's own desktop ("Default") shares them with every program
// there. Each test program runs on a virtual desktop of its own (see
// main/TestMain.cpp); a test that needs the display's own desktop runs in
// a copy of the test program there:
//
//   TEST(MyCursor, Hover)
//   {
//       RUN_ON_DISPLAY_DESKTOP("the pointer moves only from there");
//       ... the test ...
//   }
#ifdef _WIN32

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#define TANZO_DESKTOP_SIZES_KEY "Software\\Wine\\Explorer\\Desktops"

// Makes the desktop of that name, shown as a virtual desktop of that size;
// null when it can't be made.
inline HDESK CreateVirtualDesktop(const char* pszName, int nWidth, int nHeight)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, TANZO_DESKTOP_SIZES_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &hKey, nullptr) == ERROR_SUCCESS)
    {
        char szSize[32] = {};
        std::snprintf(szSize, sizeof(szSize), "%dx%d", nWidth, nHeight);
        ::RegSetValueExA(hKey, pszName, 0, REG_SZ, (const BYTE*)szSize, (DWORD)std::strlen(szSize) + 1);
        ::RegCloseKey(hKey);
    }
    return ::CreateDesktopA(pszName, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
}

// Drops the size of a desktop that is no longer used, so that the key does
// not grow with every run.
inline void ForgetVirtualDesktop(const char* pszName)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, TANZO_DESKTOP_SIZES_KEY, 0, KEY_SET_VALUE, &hKey) == ERROR_SUCCESS)
    {
        ::RegDeleteValueA(hKey, pszName);
        ::RegCloseKey(hKey);
    }
}

// TRUE when the process was started on a desktop named for it (the copy
// RunOnDesktopOfItsOwn starts, or a program a test puts somewhere on
// purpose): it stays there.
inline BOOL WasStartedOnNamedDesktop()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    ::GetStartupInfoA(&startup);
    return startup.lpDesktop != nullptr && startup.lpDesktop[0] != '\0';
}

// Runs a copy of this program, with the same command line, on a virtual
// desktop of its own the size of the screen and waits for its end; FALSE
// when it could not start it there. The copy's every thread, and every
// process it starts, are on that desktop too: Wine gives a new process the
// desktop of the thread that starts it, and a new thread its process's.
// The copy, and all it started, end with this process at the latest.
inline BOOL RunOnDesktopOfItsOwn(DWORD& dwExitCode)
{
    char szName[64] = {};
    std::snprintf(szName, sizeof(szName), "TanzoTests%lu", (unsigned long)::GetCurrentProcessId());
    HDESK hDesktop =
        CreateVirtualDesktop(szName, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (hDesktop == nullptr)
        return FALSE;
    HDESK hOwnDesktop = ::GetThreadDesktop(::GetCurrentThreadId());
    BOOL bStarted = FALSE;
    PROCESS_INFORMATION process = {};
    if (::SetThreadDesktop(hDesktop))
    {
        char szExe[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
        char szDesktop[80] = {};
        std::snprintf(szDesktop, sizeof(szDesktop), "WinSta0\\%s", szName);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        startup.lpDesktop = szDesktop;
        std::string command = ::GetCommandLineA();
        bStarted = ::CreateProcessA(szExe, &command[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                                    nullptr, &startup, &process);
        ::SetThreadDesktop(hOwnDesktop);
    }
    if (bStarted)
    {
        // A test program that CTest kills at its time-out takes its copy
        // and what that left running with it.
        HANDLE hJob = ::CreateJobObjectA(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (hJob != nullptr)
        {
            ::SetInformationJobObject(hJob, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
            ::AssignProcessToJobObject(hJob, process.hProcess);
        }
        ::ResumeThread(process.hThread);
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &dwExitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        if (hJob != nullptr)
            ::CloseHandle(hJob);
    }
    ::CloseDesktop(hDesktop);
    ForgetVirtualDesktop(szName);
    return bStarted;
}

#define TANZO_TEST_COPY_VARIABLE "TANZO_TEST_COPY"

// TRUE in a copy of the test program that runs one test.
inline BOOL IsTestCopy()
{
    char szValue[8] = {};
    return ::GetEnvironmentVariableA(TANZO_TEST_COPY_VARIABLE, szValue, sizeof(szValue)) > 0;
}

// Starts a copy of the test program that runs the current test, on the
// display's own desktop with all its threads, or else as CTest starts a
// test program (on a desktop of its own); its output goes to this
// program's. Started from a thread of its own: a process takes the desktop
// of the thread that starts it, and a thread with windows can't change its
// desktop. When it can't start, *pWhy (if given) tells which step failed.
inline BOOL StartCurrentTestInCopy(PROCESS_INFORMATION& process, BOOL bOnDisplayDesktop = TRUE,
                                   std::string* pWhy = nullptr)
{
    const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    char szExe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szExe, sizeof(szExe));
    struct Start
    {
        std::string command;
        HDESK hDesktop;
        PROCESS_INFORMATION* pProcess;
        BOOL bStarted;
        std::string why;
        static DWORD WINAPI Run(LPVOID pParam)
        {
            auto* pStart = (Start*)pParam;
            if (pStart->hDesktop != nullptr && !::SetThreadDesktop(pStart->hDesktop))
            {
                pStart->why = "the starting thread did not get onto the desktop, error " +
                              std::to_string(::GetLastError());
                return 0;
            }
            char szDesktop[] = "WinSta0\\Default";
            STARTUPINFOA startup = {};
            startup.cb = sizeof(startup);
            startup.lpDesktop = pStart->hDesktop != nullptr ? szDesktop : nullptr;
            pStart->bStarted = ::CreateProcessA(nullptr, &pStart->command[0], nullptr, nullptr, TRUE, 0,
                                                nullptr, nullptr, &startup, pStart->pProcess);
            if (!pStart->bStarted)
                pStart->why = "CreateProcess failed, error " + std::to_string(::GetLastError());
            return 0;
        }
    } start = {std::string("\"") + szExe + "\" --gtest_brief=1 --gtest_filter=" + pInfo->test_suite_name() +
                   "." + pInfo->name(),
               nullptr, &process, FALSE, ""};
    if (bOnDisplayDesktop)
    {
        start.hDesktop = ::OpenDesktopA("Default", 0, FALSE, GENERIC_ALL);
        if (start.hDesktop == nullptr)
        {
            if (pWhy != nullptr)
                *pWhy = "the display's desktop did not open, error " + std::to_string(::GetLastError());
            return FALSE;
        }
    }
    ::SetEnvironmentVariableA(TANZO_TEST_COPY_VARIABLE, "1");
    // The copy runs its one test whatever shard of the cases this program
    // was given: sharding would leave it to the first shard alone.
    const char* const shardVariables[] = {"GTEST_TOTAL_SHARDS", "GTEST_SHARD_INDEX"};
    std::string shardValues[2];
    for (int i = 0; i < 2; ++i)
    {
        char szValue[32] = {};
        if (::GetEnvironmentVariableA(shardVariables[i], szValue, sizeof(szValue)) > 0)
            shardValues[i] = szValue;
        ::SetEnvironmentVariableA(shardVariables[i], nullptr);
    }
    HANDLE hThread = ::CreateThread(nullptr, 0, Start::Run, &start, 0, nullptr);
    if (hThread != nullptr)
    {
        ::WaitForSingleObject(hThread, INFINITE);
        ::CloseHandle(hThread);
    }
    else
        start.why = "no thread to start it from, error " + std::to_string(::GetLastError());
    for (int i = 0; i < 2; ++i)
        if (!shardValues[i].empty())
            ::SetEnvironmentVariableA(shardVariables[i], shardValues[i].c_str());
    ::SetEnvironmentVariableA(TANZO_TEST_COPY_VARIABLE, nullptr);
    if (start.hDesktop != nullptr)
        ::CloseDesktop(start.hDesktop);
    if (pWhy != nullptr)
        *pWhy = start.why;
    return start.bStarted;
}

// Runs the current test in a copy on the display's own desktop; TRUE when
// it passed there, else *pWhy tells what failed. A start that failed is
// tried again a few times: nothing of the test has run then.
inline BOOL RunCurrentTestInCopy(std::string* pWhy = nullptr, int nTimeoutMs = 120000)
{
    PROCESS_INFORMATION process = {};
    std::string why;
    BOOL bStarted = FALSE;
    for (int nTry = 0; nTry < 3 && !bStarted; ++nTry)
    {
        std::string failure;
        bStarted = StartCurrentTestInCopy(process, TRUE, &failure);
        if (!bStarted)
            why += (why.empty() ? "" : "; ") + failure;
    }
    if (!bStarted)
    {
        if (pWhy != nullptr)
            *pWhy = "not started: " + why;
        return FALSE;
    }
    DWORD dwExit = 1;
    if (::WaitForSingleObject(process.hProcess, (DWORD)nTimeoutMs) == WAIT_OBJECT_0)
    {
        ::GetExitCodeProcess(process.hProcess, &dwExit);
        if (dwExit != 0)
            why = "it ended with " + std::to_string(dwExit);
    }
    else
    {
        ::TerminateProcess(process.hProcess, 1);
        why = "it did not end within " + std::to_string(nTimeoutMs / 1000) + " s";
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (pWhy != nullptr)
        *pWhy = why;
    return dwExit == 0;
}

// The first statement of a test that needs the display's own desktop:
// outside the copy, the test runs there and passes or fails with it.
#define RUN_ON_DISPLAY_DESKTOP(why)                                                                          \
    if (!IsTestCopy())                                                                                       \
    {                                                                                                        \
        std::string copyFailure;                                                                             \
        EXPECT_TRUE(RunCurrentTestInCopy(&copyFailure))                                                      \
            << "the copy on the display's desktop (" why ") failed: " << copyFailure;                        \
        return;                                                                                              \
    }

#endif // _WIN32
#endif // TANZO_TESTS_APP_TESTDESKTOP_H
