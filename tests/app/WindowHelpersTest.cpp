// The window helpers on real windows: placement in the work area, the busy
// cursor, the caption cache and the font variant.
#ifdef _WIN32
#include "TestAppComm.h"
#include "WinTestUtil.h"

#include "afx/DC.h"
#include "afx/Wnd.h"
#include "app/DialogFont.h"
#include "app/WindowHelpers.h"
#include "app/WindowTextCache.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
CRect WindowRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

CRect PrimaryWorkArea()
{
    CRect rc;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

// ---- MoveWindowInWorkArea ----

TEST(MoveWindowInWorkAreaTest, PlacesOnThePrimaryWorkArea)
{
    CCountingWindow window(UniqueName("TanzoMoveClass"), WS_POPUP | WS_VISIBLE);
    CWnd* pWnd = CWnd::FromHandle(window.m_hWnd);
    const CRect rcWork = PrimaryWorkArea();
    ASSERT_GT(rcWork.Width(), 200);
    ASSERT_GT(rcWork.Height(), 200);
    const int cx = 160, cy = 120;
    const CPoint ptCentre(rcWork.left + (rcWork.Width() - cx) / 2, rcWork.top + (rcWork.Height() - cy) / 2);

    const struct
    {
        const char* name;
        int left, top, width, height;
        BOOL center;
        CRect expected;
    } cases[] = {
        {"inside", rcWork.left + 10, rcWork.top + 20, cx, cy, FALSE,
         CRect(rcWork.left + 10, rcWork.top + 20, rcWork.left + 10 + cx, rcWork.top + 20 + cy)},
        {"centred", rcWork.left + 10, rcWork.top + 20, cx, cy, TRUE, CRect(ptCentre, CSize(cx, cy))},
        {"off every monitor", -30000, -30000, cx, cy, FALSE, CRect(ptCentre, CSize(cx, cy))},
        {"too big", rcWork.left, rcWork.top, rcWork.Width() + 500, rcWork.Height() + 500, FALSE, rcWork},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(MoveWindowInWorkArea(pWnd, c.left, c.top, c.width, c.height, c.center));
        EXPECT_EQ(c.expected, WindowRect(window.m_hWnd));
    }
}

TEST(MoveWindowInWorkAreaTest, NoSizeOrNoWindowMovesNothing)
{
    CCountingWindow window(UniqueName("TanzoNoMoveClass"), WS_POPUP | WS_VISIBLE);
    CWnd* pWnd = CWnd::FromHandle(window.m_hWnd);
    const CRect rcBefore = WindowRect(window.m_hWnd);
    EXPECT_FALSE(MoveWindowInWorkArea(pWnd, 10, 10, 0, 100, TRUE));
    EXPECT_FALSE(MoveWindowInWorkArea(pWnd, 10, 10, 100, -1, TRUE));
    EXPECT_EQ(rcBefore, WindowRect(window.m_hWnd));
    EXPECT_FALSE(MoveWindowInWorkArea(nullptr, 10, 10, 100, 100, TRUE));
}

// ---- CBusyCursor ----

TEST(BusyCursorTest, AppStartingWhileItLives)
{
    {
        CBusyCursor busy;
        EXPECT_EQ(::LoadCursorA(nullptr, IDC_APPSTARTING), ::GetCursor());
    }
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
}

// ---- CWindowTextCache ----

TEST(WindowTextCacheTest, SetsOnlyADifferentText)
{
    CCountingWindow window(UniqueName("TanzoCaptionClass"));
    CWnd* pWnd = CWnd::FromHandle(window.m_hWnd);
    ::SetWindowTextA(window.m_hWnd, "出品中");
    window.m_nSetText = 0;

    CWindowTextCache cache;
    EXPECT_FALSE(cache.Apply(pWnd)); // nothing held
    ASSERT_TRUE(cache.SetText("出品中"));
    EXPECT_TRUE(cache.Apply(pWnd));
    EXPECT_EQ(0, window.m_nSetText);

    ASSERT_TRUE(cache.SetText("落札済み"));
    EXPECT_TRUE(cache.Apply(pWnd));
    EXPECT_TRUE(cache.Apply(pWnd));
    EXPECT_EQ(1, window.m_nSetText);
    char szText[64] = {};
    ::GetWindowTextA(window.m_hWnd, szText, sizeof(szText));
    EXPECT_STREQ("落札済み", szText);

    EXPECT_FALSE(cache.Apply(nullptr));
}

TEST(WindowTextCacheTest, TakesOnlyNonEmptyTexts)
{
    CTestAppComm app("たんぞ");
    CString str550;
    str550.LoadString(550);
    ASSERT_FALSE(str550.IsEmpty());

    CWindowTextCache fromId(550);
    EXPECT_EQ(str550, fromId.GetText());

    CWindowTextCache cache;
    EXPECT_FALSE(cache.SetText(""));
    EXPECT_FALSE(cache.SetText(nullptr));
    EXPECT_TRUE(cache.GetText().IsEmpty());
    EXPECT_TRUE(cache.SetFromAppName());
    EXPECT_EQ(CString("たんぞ"), cache.GetText());
    EXPECT_FALSE(cache.LoadText(0x7FF1)); // no such string
    EXPECT_FALSE(cache.SetText(""));
    EXPECT_EQ(CString("たんぞ"), cache.GetText());
    EXPECT_TRUE(cache.LoadText(550));
    EXPECT_EQ(str550, cache.GetText());
}

// ---- CDialogFont ----

class DialogFontTest : public ::testing::Test
{
protected:
    DialogFontTest()
    {
        // A static control keeps the font it is given, as dialog controls do.
        m_hWnd = ::CreateWindowExA(0, "STATIC", "フォント", WS_POPUP, 0, 0, 200, 50, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        LOGFONTA lf = {};
        lf.lfHeight = -13;
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        std::strcpy(lf.lfFaceName, "TanzoWindowFace");
        m_windowFont.CreateFontIndirect(&lf);
        ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)m_windowFont.m_hObject, FALSE);
        m_pWnd = CWnd::FromHandle(m_hWnd);
    }
    ~DialogFontTest() override { ::DestroyWindow(m_hWnd); }

    LOGFONTA WindowLogFont()
    {
        LOGFONTA lf = {};
        ::GetObjectA((HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0), sizeof(lf), &lf);
        return lf;
    }

    HWND m_hWnd = nullptr;
    CFont m_windowFont;
    CWnd* m_pWnd = nullptr;
};

TEST_F(DialogFontTest, StyleBitsAndFaceOnTheWindowsFont)
{
    const struct
    {
        const char* name;
        UINT style;
        const char* face;
        const char* expectedFace;
        LONG weight;
        BYTE italic, underline, strikeOut;
    } cases[] = {
        {"bold keeps the face", CDialogFont::styleBold, "", "TanzoWindowFace", FW_BOLD, 0, 0, 0},
        {"italic and underline", CDialogFont::styleItalic | CDialogFont::styleUnderline, "",
         "TanzoWindowFace", FW_NORMAL, 1, 1, 0},
        {"strike-out with a face", CDialogFont::styleStrikeOut, "ＭＳ ゴシック", "ＭＳ ゴシック", FW_NORMAL,
         0, 0, 1},
        {"30-byte face is taken", CDialogFont::styleBold, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234",
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", FW_BOLD, 0, 0, 0},
        {"31-byte face keeps the window's", CDialogFont::styleBold, "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345",
         "TanzoWindowFace", FW_BOLD, 0, 0, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        // Each case starts from the window's own font.
        ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)m_windowFont.m_hObject, FALSE);
        CDialogFont font;
        font.SetStyle(c.style);
        font.SetFaceName(c.face);
        ASSERT_TRUE(font.Apply(m_pWnd, FALSE));
        EXPECT_EQ(font.GetFont().m_hObject, (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
        LOGFONTA lf = WindowLogFont();
        EXPECT_STREQ(c.expectedFace, lf.lfFaceName);
        EXPECT_EQ(c.weight, lf.lfWeight);
        EXPECT_EQ(c.italic, lf.lfItalic);
        EXPECT_EQ(c.underline, lf.lfUnderline);
        EXPECT_EQ(c.strikeOut, lf.lfStrikeOut);
        EXPECT_EQ(-13, lf.lfHeight);
        EXPECT_EQ(SHIFTJIS_CHARSET, lf.lfCharSet);
        ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)m_windowFont.m_hObject, FALSE);
    }
}

TEST_F(DialogFontTest, PointSizeSetsTheHeight)
{
    CDialogFont font;
    font.SetPointSize(180);
    ASSERT_TRUE(font.Apply(m_pWnd, TRUE));
    HDC hDC = ::GetDC(nullptr);
    const LONG expected = -::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), 180, 720);
    ::ReleaseDC(nullptr, hDC);
    LOGFONTA lf = WindowLogFont();
    EXPECT_EQ(expected, lf.lfHeight);
    EXPECT_STREQ("TanzoWindowFace", lf.lfFaceName);
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)m_windowFont.m_hObject, FALSE);
}

TEST_F(DialogFontTest, NothingToApplyLeavesTheWindow)
{
    CDialogFont font;
    font.SetFaceName("ＭＳ ゴシック"); // a face alone changes nothing
    EXPECT_TRUE(font.Apply(m_pWnd, FALSE));
    EXPECT_EQ(m_windowFont.m_hObject, (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    EXPECT_EQ(nullptr, font.GetFont().m_hObject);

    font.SetStyle(CDialogFont::styleBold);
    EXPECT_FALSE(font.Apply(nullptr, FALSE));
    EXPECT_EQ(m_windowFont.m_hObject, (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    EXPECT_TRUE(font.TestStyle(CDialogFont::styleBold | CDialogFont::styleItalic));
    EXPECT_FALSE(font.TestStyle(CDialogFont::styleItalic));
}

TEST_F(DialogFontTest, SelectIntoFollowsTheSettings)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ hOriginal = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);

    CDialogFont font;
    font.SetStyle(CDialogFont::styleItalic);
    CFont* pOld = font.SelectInto(m_pWnd, &dc);
    ASSERT_NE(nullptr, pOld);
    EXPECT_EQ(hOriginal, pOld->m_hObject);
    HGDIOBJ hFirst = ::GetCurrentObject(dc.m_hDC, OBJ_FONT);
    EXPECT_EQ(font.GetFont().m_hObject, hFirst);
    LOGFONTA lf = {};
    ::GetObjectA(hFirst, sizeof(lf), &lf);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_STREQ("TanzoWindowFace", lf.lfFaceName);

    // Unchanged settings reuse the font; a new style makes a new one.
    dc.SelectObject(pOld);
    font.SelectInto(m_pWnd, &dc);
    EXPECT_EQ(hFirst, ::GetCurrentObject(dc.m_hDC, OBJ_FONT));
    dc.SelectObject(pOld);
    font.SetStyle(CDialogFont::styleBold);
    font.SelectInto(m_pWnd, &dc);
    ::GetObjectA(::GetCurrentObject(dc.m_hDC, OBJ_FONT), sizeof(lf), &lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(0, lf.lfItalic);
    dc.SelectObject(pOld);

    EXPECT_EQ(nullptr, font.SelectInto(nullptr, &dc));
}
} // namespace
#endif // _WIN32
