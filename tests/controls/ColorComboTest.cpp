// The colour combo in a dialog: its entries, selecting colours of the
// shade and outside it, and the label drawn on the other entry's swatch.
#ifdef _WIN32
#include "controls/ColorCombo.h"
#include "ListTestHost.h"
#include "afx/DC.h"
#include "app/TestAppComm.h"

#include <memory>

namespace
{
const DWORD kComboStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;

class ColorComboTest : public ::testing::Test
{
protected:
    void Open(BOOL bOther, int nShade = COLOR_SHADE_NORMAL)
    {
        m_combo.SetOtherEntry(bOther);
        m_combo.SetShade(nShade);
        m_pHost = std::make_unique<CControlHost>(m_combo, L"ComboBox", kComboStyle, 100, 120);
        ASSERT_TRUE(m_pHost->Open());
        m_nHeightBefore = m_combo.GetItemHeight(0);
        m_combo.Init(0);
    }
    // Pixels of the swatch of an entry drawn 120 x 20 that are exactly c.
    int CountInSwatch(int nIndex, COLORREF c)
    {
        CWindowDC screen(nullptr);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 120, 20);
        HGDIOBJ hOld = dc.SelectObject((HGDIOBJ)bitmap.m_hObject);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = (UINT)nIndex;
        dis.hwndItem = m_combo.m_hWnd;
        dis.hDC = dc.m_hDC;
        dis.rcItem = CRect(0, 0, 120, 20);
        m_combo.DrawItem(&dis);
        int nCount = 0;
        for (int y = 3; y < 17; ++y)
            for (int x = 3; x < 117; ++x)
                nCount += dc.GetPixel(x, y) == c ? 1 : 0;
        dc.SelectObject(hOld);
        return nCount;
    }

    CTestAppComm m_app;
    CColorCombo m_combo;
    std::unique_ptr<CControlHost> m_pHost;
    int m_nHeightBefore = 0;
};
} // namespace

TEST_F(ColorComboTest, EntriesAndSelectionWithAnOtherEntry)
{
    Open(TRUE);
    EXPECT_EQ(15, m_combo.GetCount());
    EXPECT_EQ(m_nHeightBefore - 5, m_combo.GetItemHeight(0));
    EXPECT_EQ(0, m_combo.GetCurSel());
    EXPECT_EQ(0x0000FFu, m_combo.GetSelectedColor());

    m_combo.SelectColor(0x808080);
    EXPECT_EQ(12, m_combo.GetCurSel());
    EXPECT_FALSE(m_combo.IsOtherSelected());
    m_combo.SelectColor(0x123456);
    EXPECT_EQ(14, m_combo.GetCurSel());
    EXPECT_TRUE(m_combo.IsOtherSelected());
    EXPECT_EQ(0x123456u, m_combo.GetSelectedColor());

    // In the dark shade pure red is no fixed colour: the other entry holds it.
    m_combo.SetShade(COLOR_SHADE_DARK);
    m_combo.SelectColor(0x0000FF);
    EXPECT_EQ(14, m_combo.GetCurSel());
    EXPECT_EQ(0x0000FFu, m_combo.GetOtherColor());
    m_combo.SelectColor(0x0000B0);
    EXPECT_EQ(0, m_combo.GetCurSel());
}

TEST_F(ColorComboTest, WithoutAnOtherEntryAnUnknownColourLeavesTheSelection)
{
    Open(FALSE, COLOR_SHADE_LIGHT);
    EXPECT_EQ(14, m_combo.GetCount());
    m_combo.SelectColor(0xE0E0E0);
    EXPECT_EQ(11, m_combo.GetCurSel());
    m_combo.SelectColor(0x123456);
    EXPECT_EQ(11, m_combo.GetCurSel());
    EXPECT_FALSE(m_combo.IsOtherSelected());
}

TEST_F(ColorComboTest, OtherEntrysLabelIsBlackOnBrightAndWhiteOnDark)
{
    Open(TRUE);
    m_combo.SetOtherColor(0xFFFFFF);
    EXPECT_GT(CountInSwatch(14, RGB(0, 0, 0)), 10);
    m_combo.SetOtherColor(0x800000); // navy
    EXPECT_GT(CountInSwatch(14, RGB(255, 255, 255)), 10);
    EXPECT_EQ(0, CountInSwatch(14, RGB(0, 0, 0)));
    // A fixed entry: its swatch alone.
    EXPECT_EQ(0, CountInSwatch(13, RGB(255, 255, 255)));
}
#endif // _WIN32
