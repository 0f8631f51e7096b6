#ifndef TANZO_TESTS_APP_CHILDPROCESS_H
#define TANZO_TESTS_APP_CHILDPROCESS_H

// A program of the build run as a process of its own, and a wait for a
// condition with a generous time-out (Windows builds).

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "afx/String.h"

template <class TCondition> BOOL WaitFor(TCondition condition, int nTimeoutMs = 60000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() >= end)
            return FALSE;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return TRUE;
}

// One run of the program at a Unix path; ended by force if the test leaves
// it running.
class CChildProcess
{
public:
    CChildProcess(const char* exe, const char* windowClass) : m_windowClass(windowClass)
    {
        CString command = CString("\"Z:") + exe + "\"";
        command.Replace('/', '\\');
        Start(command);
    }
    // A program at a Windows path (an installed one), with arguments.
    CChildProcess(const CString& windowsPath, const char* windowClass, const char* arguments)
        : m_windowClass(windowClass)
    {
        CString command = "\"" + windowsPath + "\"";
        if (arguments != nullptr && *arguments != '\0')
            command += CString(" ") + arguments;
        Start(command);
    }
    ~CChildProcess()
    {
        if (!m_bStarted)
            return;
        if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
        {
            ::TerminateProcess(m_pi.hProcess, 99);
            ::WaitForSingleObject(m_pi.hProcess, 10000);
        }
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
    }
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    BOOL WaitForExit(DWORD dwTimeoutMs = 60000)
    {
        return m_bStarted && ::WaitForSingleObject(m_pi.hProcess, dwTimeoutMs) == WAIT_OBJECT_0;
    }
    BOOL HasEnded() const { return !m_bStarted || ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_OBJECT_0; }
    // Its visible window of the class given, once it shows one.
    HWND WaitForWindow()
    {
        HWND hWnd = nullptr;
        WaitFor(
            [&]
            {
                hWnd = ::FindWindowA(m_windowClass.c_str(), nullptr);
                return hWnd != nullptr && ::IsWindowVisible(hWnd);
            });
        return hWnd;
    }

    BOOL m_bStarted = FALSE;
    PROCESS_INFORMATION m_pi = {};

private:
    void Start(CString& command)
    {
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        m_bStarted = ::CreateProcessA(nullptr, command.GetBuffer(0), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &si, &m_pi);
    }

    std::string m_windowClass;
};

#endif // TANZO_TESTS_APP_CHILDPROCESS_H
