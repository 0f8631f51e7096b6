// Scope objects undo what they began: drawing resumes, the capture and the
// timer go, on every way out of the scope.
#include "TestApp.h"

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
        CScopedRedraw redraw(&wnd);
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
} // namespace
