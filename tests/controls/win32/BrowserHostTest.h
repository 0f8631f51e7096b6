#ifndef TANZO_TESTS_CONTROLS_WIN32_BROWSERHOSTTEST_H
#define TANZO_TESTS_CONTROLS_WIN32_BROWSERHOSTTEST_H

// A fixture with a top-level window standing for the dialog that hosts
// the browser, and a browser frame made over a placeholder's rectangle.

#include "BrowserTestApp.h"

#include "afx/afxwin.h"
#include "controls/HtmlFrame.h"

#include <gtest/gtest.h>

class BrowserHostTest : public ::testing::Test
{
protected:
    static constexpr UINT kFrameId = 4089;

    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50,
                                    50, 500, 400, nullptr, nullptr));
        m_pFrame = CreateHtmlFrame(&m_host, CRect(10, 20, 310, 220), kFrameId, TRUE);
        ASSERT_NE(nullptr, m_pFrame);
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        PumpPending();
    }

    CWnd m_host;
    CHtmlFrame* m_pFrame = nullptr;
};

#endif // TANZO_TESTS_CONTROLS_WIN32_BROWSERHOSTTEST_H
