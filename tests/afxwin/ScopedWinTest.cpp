// Scope objects undo what they began: drawing resumes, the capture, the
// timer, the DC, the selection, the clipboard, the wait cursor and COM go,
// on every way out of the scope.
#include "TestApp.h"
#include "app/WinTestUtil.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class CRedrawWnd : public CWnd
{
public:
    std::vector<int> m_redraws;

protected:
    afx_msg LRESULT OnSetRedraw(WPARAM wParam, LPARAM)
    {
        m_redraws.push_back((int)wParam);
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRedrawWnd, CWnd)
ON_MESSAGE(WM_SETREDRAW, OnSetRedraw)
END_MESSAGE_MAP()

TEST(ScopedWin, ScopesUndoWhatTheyBegan)
{
    CRedrawWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    {
        CRedrawLock redraw(&wnd);
        CScopedCapture capture(&wnd);
        EXPECT_EQ(wnd.m_hWnd, ::GetCapture());
    }
    EXPECT_EQ((std::vector<int>{FALSE, TRUE}), wnd.m_redraws);
    EXPECT_EQ(nullptr, ::GetCapture());

    CScopedTimer moved;
    {
        CScopedTimer timer(&wnd, 0x110A, 10000);
        EXPECT_TRUE(timer.IsRunning());
        moved = std::move(timer);
        EXPECT_FALSE(timer.IsRunning());
    }
    EXPECT_TRUE(moved.IsRunning());
    EXPECT_TRUE(::KillTimer(wnd.m_hWnd, 0x110A)); // still running after the first scope
    {
        CScopedTimer timer(&wnd, 0x110B, 10000);
    }
    EXPECT_FALSE(::KillTimer(wnd.m_hWnd, 0x110B)); // gone with its scope
    wnd.DestroyWindow();
}

TEST(ScopedWin, RedrawLockResumesOnceAndNeverOnAGoneWindow)
{
    CRedrawWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    {
        CRedrawLock lock(&wnd);
        EXPECT_EQ(std::vector<int>{FALSE}, wnd.m_redraws);
        lock.Release();
        EXPECT_EQ((std::vector<int>{FALSE, TRUE}), wnd.m_redraws);
    }
    EXPECT_EQ(2u, wnd.m_redraws.size()); // spent: nothing more at the end

    wnd.m_redraws.clear();
    {
        CRedrawLock lock(&wnd);
        wnd.DestroyWindow();
        wnd.m_redraws.clear();
        EXPECT_EQ(0, lock.Release()); // the window is gone: nothing sent
    }
    EXPECT_TRUE(wnd.m_redraws.empty());

    CRedrawLock none(nullptr);
    EXPECT_EQ(0, none.Release());
}

TEST(ScopedWin, SelectionAndDCComeBack)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "MS UI Gothic"));
    HDC hMemDC = ::CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, hMemDC);
    HGDIOBJ hBefore = ::GetCurrentObject(hMemDC, OBJ_FONT);
    {
        CScopedSelectObject select(hMemDC, font);
        EXPECT_EQ(hBefore, select.GetOld());
        EXPECT_EQ((HGDIOBJ)font, ::GetCurrentObject(hMemDC, OBJ_FONT));
    }
    EXPECT_EQ(hBefore, ::GetCurrentObject(hMemDC, OBJ_FONT));
    {
        CScopedSelectObject nothing(hMemDC, nullptr);
        EXPECT_EQ(nullptr, nothing.GetOld());
    }
    EXPECT_EQ(hBefore, ::GetCurrentObject(hMemDC, OBJ_FONT));
    {
        CScopedSelectObject keep(hMemDC, ::GetCurrentObject(hMemDC, OBJ_FONT));
        ::SelectObject(hMemDC, font);
    }
    EXPECT_EQ(hBefore, ::GetCurrentObject(hMemDC, OBJ_FONT));
    ::DeleteDC(hMemDC);

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    HDC hDC = nullptr;
    {
        CScopedGetDC dc(wnd.m_hWnd);
        hDC = dc;
        ASSERT_NE(nullptr, hDC);
        EXPECT_EQ(wnd.m_hWnd, ::WindowFromDC(hDC));
    }
    EXPECT_EQ(0, ::ReleaseDC(wnd.m_hWnd, hDC)); // released already
    wnd.DestroyWindow();
}

TEST(ScopedWin, WaitCursorClipboardAndCom)
{
    HCURSOR hWait = ::LoadCursorA(nullptr, IDC_WAIT);
    HCURSOR hBefore = ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    {
        CWaitCursor wait;
        EXPECT_EQ(hWait, ::GetCursor());
        {
            CWaitCursor inner;
            ::SetCursor(::LoadCursorA(nullptr, IDC_IBEAM)); // as a message box does
            inner.Restore();
            EXPECT_EQ(hWait, ::GetCursor());
        }
        EXPECT_EQ(hWait, ::GetCursor()); // the outer one still counts
    }
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
    ::SetCursor(hBefore);

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    {
        CClipboardTestLock lock;
        CScopedClipboard clipboard(wnd.m_hWnd);
        EXPECT_TRUE(clipboard.IsOpen());
        EXPECT_EQ(wnd.m_hWnd, ::GetOpenClipboardWindow());
    }
    EXPECT_EQ(nullptr, ::GetOpenClipboardWindow());
    wnd.DestroyWindow();

    // COM initialised by the scope is uninitialised with it: initialising
    // afterwards is a first time again (S_OK, not S_FALSE).
    {
        CScopedComInit com;
        EXPECT_TRUE(com.Succeeded());
    }
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(S_OK, hr);
    if (SUCCEEDED(hr))
        ::CoUninitialize();
}
} // namespace
