// The arithmetic of the icon menus: item data, measuring, columns and the
// colours of separators and disabled items.
#include "app/IconMenuRules.h"

#include <gtest/gtest.h>

TEST(IconMenuRules, ItemDataHoldsMenuNumberAndImageEntry)
{
    DWORD dwData = MakeMenuItemData(3, MENU_IMAGE_UNKNOWN);
    EXPECT_EQ(0x00031000u, dwData);
    EXPECT_EQ(3, MenuNumberOfItemData(dwData));
    EXPECT_EQ((UINT)MENU_IMAGE_UNKNOWN, ImageEntryOfItemData(dwData));
    EXPECT_EQ(0x2000u, ImageEntryOfItemData(MakeMenuItemData(0, MENU_IMAGE_NONE)));
    EXPECT_EQ(0xFFFF, MenuNumberOfItemData(MakeMenuItemData(0xFFFF, 7)));
}

TEST(IconMenuRules, MeasuresCapTheLabelAndAddTheColumns)
{
    EXPECT_EQ(600, CapMenuLabelWidth(800));
    EXPECT_EQ(599, CapMenuLabelWidth(599));

    struct Case
    {
        int nImage;
        int nLabel;
        int nAccel;
        int nWidth;
    } cases[] = {
        {16, 100, 30, 182}, // 16 + 14 + 100 + (30 + 18) + 4
        {16, 100, 0, 134},  // no accelerator column
        {0, 50, 0, 68},     // no image list: the margin alone
    };
    for (const Case& c : cases)
    {
        CMenuColumnWidths widths;
        widths.Grow(c.nLabel, c.nAccel);
        EXPECT_EQ(c.nWidth, MenuItemWidth(c.nImage, widths))
            << c.nImage << " " << c.nLabel << " " << c.nAccel;
    }
    EXPECT_EQ(24, MenuItemHeight(16, 12));
    EXPECT_EQ(30, MenuItemHeight(16, 22));
}

TEST(IconMenuRules, ColumnsOnlyGrowAndAMenuPastTheTableGrowsIt)
{
    CMenuColumnTable table;
    table.Reset(2);
    EXPECT_EQ(nullptr, table.Find(1));
    table.At(1).Grow(80, 20);
    table.At(1).Grow(60, 40);
    EXPECT_EQ(80, table.Find(1)->nLabel);
    EXPECT_EQ(40, table.Find(1)->nAccel);

    // A menu number past the count (a tree prepared with fewer menus).
    table.At(5).Grow(10, 0);
    EXPECT_EQ(6, table.GetCount());
    EXPECT_EQ(10, table.Find(5)->nLabel);
    EXPECT_EQ(nullptr, table.Find(6));
    EXPECT_EQ(nullptr, table.Find(-1));

    table.Reset(1);
    EXPECT_EQ(1, table.GetCount());
    EXPECT_EQ(nullptr, table.Find(1));
}

TEST(IconMenuRules, TextColumnsStandBesideTheImage)
{
    CMenuColumnWidths widths;
    widths.Grow(100, 30);
    CMenuTextColumns columns = GetMenuTextColumns(16, widths, 182);
    EXPECT_EQ(30, columns.nLabelLeft);
    EXPECT_EQ(130, columns.nLabelRight);
    EXPECT_EQ(148, columns.nAccelLeft);
    EXPECT_EQ(178, columns.nAccelRight);

    CString strLabel, strAccel;
    SplitMenuItemText("開く(&O)...\tCtrl+O\tx", strLabel, strAccel);
    EXPECT_STREQ("開く(&O)...", strLabel);
    EXPECT_STREQ("Ctrl+O\tx", strAccel);
    SplitMenuItemText("閉じる", strLabel, strAccel);
    EXPECT_STREQ("閉じる", strLabel);
    EXPECT_TRUE(strAccel.IsEmpty());

    EXPECT_TRUE(IsRecentFileCommand(0xE110));
    EXPECT_TRUE(IsRecentFileCommand(0xE11F));
    EXPECT_FALSE(IsRecentFileCommand(0xE120));
}

TEST(IconMenuRules, SeparatorsAndDisabledTextsShiftAwayFromTheBackground)
{
    struct Case
    {
        COLORREF background;
        COLORREF separator;
        COLORREF disabled;
    } cases[] = {
        {RGB(240, 240, 240), RGB(192, 192, 192), RGB(144, 144, 144)},
        {RGB(20, 20, 20), RGB(68, 68, 68), RGB(116, 116, 116)}, // near black: lighter
        {RGB(47, 0, 40), RGB(95, 48, 88), RGB(143, 96, 136)},
        {RGB(48, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0)},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.separator, MenuSeparatorColor(c.background)) << std::hex << c.background;
        EXPECT_EQ(c.disabled, MenuDisabledTextColor(c.background)) << std::hex << c.background;
    }
}
