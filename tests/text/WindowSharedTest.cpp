// The small shared classes that work on windows.
#ifdef _WIN32
#include "afx/Wnd.h"
#include "text/LazyPtrList.h"
#include "text/RedrawLock.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<WPARAM> g_redraws;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SETREDRAW)
        g_redraws.push_back(wParam);
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

// A shown top-level window with one button (id 100) in its client area.
class WindowSharedClasses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool registered = false;
        if (!registered)
        {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = RecordingProc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "TanzoSharedTestClass";
            registered = ::RegisterClassA(&wc) != 0;
        }
        m_hWnd = ::CreateWindowExA(0, "TanzoSharedTestClass", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400,
                                   300, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hWnd);
        m_hButton = ::CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 20, 20, 100, 40, m_hWnd,
                                      (HMENU)(INT_PTR)100, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hButton);
        g_redraws.clear();
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    POINT ButtonCentre() const
    {
        RECT rc;
        ::GetWindowRect(m_hButton, &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }

    HWND m_hWnd = nullptr;
    HWND m_hButton = nullptr;
};
} // namespace

TEST_F(WindowSharedClasses, RedrawLockTurnsRedrawingOffAndOnOnce)
{
    {
        CRedrawLock lock(CWnd::FromHandle(m_hWnd));
        EXPECT_EQ(std::vector<WPARAM>{FALSE}, g_redraws);
        lock.Release();
        EXPECT_EQ((std::vector<WPARAM>{FALSE, TRUE}), g_redraws);
    }
    EXPECT_EQ(2u, g_redraws.size()); // spent: nothing more at the end

    g_redraws.clear();
    {
        CRedrawLock lock(CWnd::FromHandle(m_hWnd));
        ::DestroyWindow(m_hWnd);
        g_redraws.clear();
        EXPECT_EQ(0, lock.Release()); // the window is gone: nothing sent
    }
    EXPECT_TRUE(g_redraws.empty());

    CRedrawLock none(nullptr);
    EXPECT_EQ(0, none.Release());
}

TEST_F(WindowSharedClasses, CursorOverAListedVisibleControl)
{
    CLazyPtrList list;
    EXPECT_TRUE(list.IsCursorOutside()); // nothing allocated, nothing listed
    EXPECT_EQ(nullptr, list.GetList());

    list.SetWindow(CWnd::FromHandle(m_hWnd));
    list.AddTail(999); // no such control
    POINT centre = ButtonCentre();
    ASSERT_TRUE(::SetCursorPos(centre.x, centre.y));
    EXPECT_TRUE(list.IsCursorOutside());

    list.AddTail(100);
    EXPECT_FALSE(list.IsCursorOutside());

    ::ShowWindow(m_hButton, SW_HIDE);
    EXPECT_TRUE(list.IsCursorOutside());
    ::ShowWindow(m_hButton, SW_SHOW);

    RECT rc;
    ::GetWindowRect(m_hButton, &rc);
    ASSERT_TRUE(::SetCursorPos(rc.right + 30, rc.bottom + 30));
    EXPECT_TRUE(list.IsCursorOutside());
}
#endif
