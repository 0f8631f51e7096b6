#ifndef TANZO_TESTS_APP_WINTESTUTIL_H
#define TANZO_TESTS_APP_WINTESTUTIL_H

// Helpers of the Windows tests: names of their own, plain top-level
// windows, and a watcher that answers the message box a process shows (the
// system's or the program's own) and tells what it said.
#ifdef _WIN32

#include "TestDesktop.h"

#include "afx/String.h"
#include "afx/wintypes.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>

// A name no other test or process uses: base plus this process's id.
inline CString UniqueName(LPCTSTR lpszBase)
{
    CString strName;
    strName.Format("%s-%lu", lpszBase, (unsigned long)::GetCurrentProcessId());
    return strName;
}

// A Unix path of the build as Wine's drive Z: shows it.
inline CString WindowsPathOf(LPCTSTR lpszUnixPath)
{
    CString strPath = lpszUnixPath;
    strPath.Replace('/', '\\');
    return "Z:" + strPath;
}

// Keeps something that the test programs running at once share to one
// test at a time (one named mutex for all of them).
class CTestProgramsLock
{
public:
    explicit CTestProgramsLock(LPCTSTR lpszName) : m_hMutex(::CreateMutexA(nullptr, FALSE, lpszName))
    {
        if (m_hMutex != nullptr)
            ::WaitForSingleObject(m_hMutex, 60000);
    }
    ~CTestProgramsLock()
    {
        if (m_hMutex != nullptr)
        {
            ::ReleaseMutex(m_hMutex);
            ::CloseHandle(m_hMutex);
        }
    }
    CTestProgramsLock(const CTestProgramsLock&) = delete;
    CTestProgramsLock& operator=(const CTestProgramsLock&) = delete;

private:
    HANDLE m_hMutex;
};

// No other test changes the clipboard between a test's copy and its paste.
class CClipboardTestLock : public CTestProgramsLock
{
public:
    CClipboardTestLock() : CTestProgramsLock("TanzoTestsClipboard") {}
};

// No other test moves the mouse cursor while a test puts it somewhere and
// acts there.
class CCursorTestLock : public CTestProgramsLock
{
public:
    CCursorTestLock() : CTestProgramsLock("TanzoTestsCursor") {}
};

// The first statement of a test that moves the mouse cursor. Wine moves
// the display's pointer for a program on a virtual desktop only while that
// desktop's window is uppermost where the pointer is, and the desktop
// windows of the other test programs cover it at any time; from the
// display's own desktop it always moves it.
#define RUN_WHERE_THE_CURSOR_MOVES() RUN_ON_DISPLAY_DESKTOP("the cursor moves from there")

// A top-level window of a class of its own (DefWindowProc) that counts the
// WM_SETTEXT and WM_APP messages it gets.
class CCountingWindow
{
public:
    explicit CCountingWindow(LPCTSTR lpszClassName, DWORD dwStyle = WS_POPUP | WS_CAPTION,
                             DWORD dwExStyle = 0, HWND hWndOwner = nullptr)
    {
        WNDCLASSA wc = {};
        if (!::GetClassInfoA(::GetModuleHandleA(nullptr), lpszClassName, &wc))
        {
            wc.lpfnWndProc = WndProc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
            wc.lpszClassName = lpszClassName;
            ::RegisterClassA(&wc);
        }
        m_hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, "テスト", dwStyle, 10, 10, 300, 200, hWndOwner,
                                   nullptr, ::GetModuleHandleA(nullptr), this);
    }
    ~CCountingWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    HWND m_hWnd = nullptr;
    int m_nSetText = 0;
    int m_nApp = 0;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE)
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA*)lParam)->lpCreateParams);
        auto* self = (CCountingWindow*)::GetWindowLongPtrA(hWnd, GWLP_USERDATA);
        if (self != nullptr && msg == WM_SETTEXT)
            ++self->m_nSetText;
        if (self != nullptr && msg == WM_APP)
            ++self->m_nApp;
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    CCountingWindow(const CCountingWindow&) = delete;
    CCountingWindow& operator=(const CCountingWindow&) = delete;
};

// Waits on a thread of its own for a message box of the process: a dialog
// window (class "#32770") that shows up after the watcher started, and,
// with a marker id, has a control of that id (the program's own boxes:
// 4116 on template 561, 4126 on 562). It reads the box's caption, its
// controls' texts and its owner, calls onShown while the box is up (the
// test may tick a check box there), then presses the button nPressId
// (BM_CLICK posted; a WM_COMMAND when the box has no such control; nothing
// for 0: a box that closes by itself). Shown() is TRUE once it did.
class CMessageBoxWatcher
{
public:
    struct Options
    {
        int nPressId = IDOK;
        int nMarkerId = 0;
        int nTimeoutMs = 20000;
    };

    explicit CMessageBoxWatcher(DWORD dwProcessId, std::function<void()> onShown = nullptr,
                                int nTimeoutMs = 20000)
        : m_dwProcessId(dwProcessId)
    {
        m_options.nTimeoutMs = nTimeoutMs;
        if (onShown)
            m_onShown = [onShown](HWND) { onShown(); };
        Start();
    }
    CMessageBoxWatcher(DWORD dwProcessId, const Options& options, std::function<void(HWND)> onShown = nullptr)
        : m_dwProcessId(dwProcessId), m_options(options), m_onShown(std::move(onShown))
    {
        Start();
    }
    ~CMessageBoxWatcher() { Join(); }

    void Join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    BOOL Shown() const { return m_bShown; }

    // The text of control nID ("" when there is none), and whether it shows.
    std::string Text(int nID) const
    {
        auto it = m_controls.find(nID);
        return it != m_controls.end() ? it->second.text : std::string();
    }
    BOOL IsShown(int nID) const
    {
        auto it = m_controls.find(nID);
        return it != m_controls.end() && it->second.visible;
    }

    std::string m_caption;
    std::string m_text; // the texts of its visible static controls, one after another
    HWND m_hWndOwner = nullptr;
    HWND m_hWndBox = nullptr;

private:
    struct Control
    {
        std::string text;
        BOOL visible = FALSE;
    };

    void Start()
    {
        // Dialogs that are up already are not the box.
        ::EnumWindows(NoteExisting, (LPARAM)this);
        m_thread = std::thread([this] { Watch(); });
    }
    BOOL IsDialogOfProcess(HWND hWnd) const
    {
        DWORD dwProcessId = 0;
        ::GetWindowThreadProcessId(hWnd, &dwProcessId);
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        return dwProcessId == m_dwProcessId && std::string(szClass) == "#32770";
    }
    void Watch()
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_options.nTimeoutMs);
        while (std::chrono::steady_clock::now() < end)
        {
            m_hWndBox = nullptr;
            ::EnumWindows(FindBox, (LPARAM)this);
            if (m_hWndBox != nullptr)
            {
                char szCaption[256] = {};
                ::GetWindowTextA(m_hWndBox, szCaption, sizeof(szCaption));
                m_caption = szCaption;
                ::EnumChildWindows(m_hWndBox, CollectText, (LPARAM)this);
                m_hWndOwner = ::GetWindow(m_hWndBox, GW_OWNER);
                if (m_onShown)
                    m_onShown(m_hWndBox);
                m_bShown = TRUE;
                if (m_options.nPressId == 0)
                    return;
                HWND hButton = ::GetDlgItem(m_hWndBox, m_options.nPressId);
                if (hButton != nullptr)
                    ::PostMessageA(hButton, BM_CLICK, 0, 0);
                else
                    ::PostMessageA(m_hWndBox, WM_COMMAND, MAKEWPARAM(m_options.nPressId, BN_CLICKED), 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    static BOOL CALLBACK NoteExisting(HWND hWnd, LPARAM lParam)
    {
        auto* self = (CMessageBoxWatcher*)lParam;
        if (self->IsDialogOfProcess(hWnd))
            self->m_existing.insert(hWnd);
        return TRUE;
    }
    static BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
    {
        auto* self = (CMessageBoxWatcher*)lParam;
        if (self->IsDialogOfProcess(hWnd) && ::IsWindowVisible(hWnd) && self->m_existing.count(hWnd) == 0 &&
            (self->m_options.nMarkerId == 0 || ::GetDlgItem(hWnd, self->m_options.nMarkerId) != nullptr))
        {
            self->m_hWndBox = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    static BOOL CALLBACK CollectText(HWND hWnd, LPARAM lParam)
    {
        auto* self = (CMessageBoxWatcher*)lParam;
        char szText[4096] = {};
        ::GetWindowTextA(hWnd, szText, sizeof(szText));
        Control& control = self->m_controls[::GetDlgCtrlID(hWnd)];
        control.text = szText;
        control.visible = ::IsWindowVisible(hWnd);
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (CString(szClass).CompareNoCase("Static") == 0 && control.visible)
            self->m_text += szText;
        return TRUE;
    }

    DWORD m_dwProcessId;
    Options m_options;
    std::function<void(HWND)> m_onShown;
    std::set<HWND> m_existing;
    std::map<int, Control> m_controls;
    std::atomic<BOOL> m_bShown{FALSE};
    std::thread m_thread;
};

#endif // _WIN32
#endif // TANZO_TESTS_APP_WINTESTUTIL_H
