// Where the layout manager puts a registered control when the dialog's
// client area has grown: the first flag of each group counts, fractions
// multiply first, and a dialog smaller than its template puts everything
// back in place.
#include "app/DialogLayoutRules.h"

#include <gtest/gtest.h>

namespace
{
TEST(DialogLayoutRulesTest, AnchorsMoveAndStretchByTheirShare)
{
    const CRect rcTemplate(10, 20, 110, 70); // 100 x 50
    const struct
    {
        const char* name;
        DWORD anchors;
        int dx, dy;
        CRect expected;
    } cases[] = {
        {"0x1 with 0x4: the first flag wins", ANCHOR_MOVE_X | ANCHOR_MOVE_X_QUARTER, 100, 60,
         CRect(110, 20, 210, 70)},
        {"0x12: bottom, kept centred", ANCHOR_BOTTOM_CENTRE, 100, 60, CRect(60, 80, 160, 130)},
        {"0x30000: fill", ANCHOR_FILL, 100, 60, CRect(10, 20, 210, 130)},
        {"0x3: bottom-right corner", ANCHOR_BOTTOM_RIGHT, 100, 60, CRect(110, 80, 210, 130)},
        {"0x10002: across along the bottom", ANCHOR_STRETCH_X_BOTTOM, 100, 60, CRect(10, 80, 210, 130)},
        {"quarter of an odd growth rounds down", ANCHOR_MOVE_X_QUARTER | ANCHOR_MOVE_Y_QUARTER, 7, 11,
         CRect(11, 22, 111, 72)},
        {"two thirds multiply first", ANCHOR_MOVE_X_TWO_THIRDS | ANCHOR_MOVE_Y_TWO_THIRDS, 10, 10,
         CRect(16, 26, 116, 76)},
        {"three quarters", ANCHOR_MOVE_X_THREE_QUARTERS | ANCHOR_MOVE_Y_THREE_QUARTERS, 100, 60,
         CRect(85, 65, 185, 115)},
        {"a third of each axis", ANCHOR_MOVE_X_THIRD | ANCHOR_MOVE_Y_THIRD, 100, 60, CRect(43, 40, 143, 90)},
        {"grow by a half and a third", ANCHOR_GROW_X_HALF | ANCHOR_GROW_Y_THIRD, 100, 60,
         CRect(10, 20, 160, 90)},
        {"grow by a third and a half", ANCHOR_GROW_X_THIRD | ANCHOR_GROW_Y_HALF, 100, 60,
         CRect(10, 20, 143, 100)},
        {"grow by quarters", ANCHOR_GROW_X_QUARTER | ANCHOR_GROW_Y_QUARTER, 100, 60, CRect(10, 20, 135, 85)},
        {"whole growth wins over a part",
         ANCHOR_GROW_X | ANCHOR_GROW_X_HALF | ANCHOR_GROW_Y_QUARTER | ANCHOR_GROW_Y_HALF, 100, 60,
         CRect(10, 20, 210, 100)},
        {"no anchors stay", 0, 100, 60, rcTemplate},
        {"no growth stays", ANCHOR_FILL | ANCHOR_BOTTOM_RIGHT, 0, 0, rcTemplate},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, AnchoredControlRect(rcTemplate, c.anchors, c.dx, c.dy));
    }
}

TEST(DialogLayoutRulesTest, AShrunkDialogPutsControlsInTheirTemplatePlaces)
{
    const CRect rcTemplate(10, 20, 110, 70);
    const int dx = ClientGrowth(250, 300);
    const int dy = ClientGrowth(180, 200);
    EXPECT_EQ(0, dx);
    EXPECT_EQ(0, dy);
    for (DWORD anchors : {(DWORD)ANCHOR_FILL, (DWORD)ANCHOR_BOTTOM_RIGHT, (DWORD)ANCHOR_BOTTOM_CENTRE})
        EXPECT_EQ(rcTemplate, AnchoredControlRect(rcTemplate, anchors, dx, dy)) << anchors;
    EXPECT_EQ(1, ClientGrowth(301, 300));
    EXPECT_EQ(0, ClientGrowth(300, 300));
}

TEST(DialogLayoutRulesTest, ScrollPositionShiftsEveryPlace)
{
    EXPECT_EQ(CRect(5, 10, 105, 60), AnchoredControlRect(CRect(10, 20, 110, 70), 0, 0, 0, 5, 10));
    EXPECT_EQ(CRect(15, 10, 115, 60),
              AnchoredControlRect(CRect(10, 20, 110, 70), ANCHOR_MOVE_X, 10, 0, 5, 10));
}

TEST(DialogLayoutRulesTest, OpeningSizeNeverBelowTheTemplate)
{
    const struct
    {
        int wanted, templ, expected;
    } cases[] = {
        {700, 400, 700}, // the default or saved size
        {300, 400, 400}, // smaller than the template
        {0, 400, 0},     // no size of its own: the template's stays
        {-5, 400, -5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, OpeningExtent(c.wanted, c.templ)) << c.wanted;
}
} // namespace
