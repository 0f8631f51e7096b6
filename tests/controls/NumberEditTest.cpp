// The number edits on real windows: grouping, the digit limit by typing,
// pasting and setting, and the decimal and digit filters.
#ifdef _WIN32
#include "ControlsTestUtil.h"

namespace
{
class NumberEditTest : public ControlsHostTest
{
};

TEST_F(NumberEditTest, ValuesShowGroupedAndReadBackWithoutSeparators)
{
    CBeepCounting<CNumberEdit>& edit = host.m_number;
    const struct
    {
        LONGLONG value;
        const char* text;
        LONGLONG readBack;
    } cases[] = {
        {1234567, "1,234,567", 1234567},
        {999, "999", 999},
        {-4321, "4,321", 4321},
        {0, "0", 0},
        {9223372036854775807LL, "9,223,372,036,854,775,807", 9223372036854775807LL},
    };
    for (const auto& c : cases)
    {
        edit.SetValue(c.value);
        EXPECT_STREQ(c.text, WindowText(edit)) << c.value;
        EXPECT_EQ(c.readBack, edit.GetValue()) << c.value;
    }
    edit.SetWindowText("");
    EXPECT_EQ(0, edit.GetValue());
    EXPECT_EQ(0, edit.m_nBeeps);
}

TEST_F(NumberEditTest, DigitLimitRefusesLongerNumbersAndKeepsTheText)
{
    CBeepCounting<CNumberEdit>& edit = host.m_number;
    edit.SetDigitLimit(10);
    EXPECT_EQ(13u, edit.GetLimitText());
    edit.SetValue(1234567890);
    EXPECT_STREQ("1,234,567,890", WindowText(edit));

    ASSERT_TRUE(SetClipboardText("12345678901", host.m_hWnd, FALSE, FALSE));
    edit.SetSel(0, -1);
    edit.SendMessage(WM_PASTE);
    EXPECT_STREQ("1,234,567,890", WindowText(edit));
    EXPECT_EQ(1, edit.m_nBeeps);

    edit.SetValue(12345678901LL);
    EXPECT_STREQ("1,234,567,890", WindowText(edit));
    EXPECT_EQ(2, edit.m_nBeeps);

    // Pasting replaces the whole text.
    ASSERT_TRUE(SetClipboardText("¥98,765", host.m_hWnd, FALSE, FALSE));
    edit.SetSel(0, 0);
    edit.SendMessage(WM_PASTE);
    EXPECT_STREQ("98,765", WindowText(edit));
    EXPECT_EQ(2, edit.m_nBeeps);
}

TEST_F(NumberEditTest, TypedDigitsGroupWhenTheFocusLeaves)
{
    CBeepCounting<CNumberEdit>& edit = host.m_number;
    edit.SetDigitLimit(10);
    TypeText(edit, "1234567");
    EXPECT_STREQ("1234567", WindowText(edit));
    // The focus moves on (sent: other programs' windows may hold the
    // foreground while the tests run).
    edit.SendMessage(WM_KILLFOCUS, (WPARAM)host.m_single.m_hWnd);
    EXPECT_STREQ("1,234,567", WindowText(edit));

    // Ten digits fit; the eleventh is refused though the text, ungrouped,
    // is still shorter than 13 characters.
    edit.SetWindowText("");
    TypeText(edit, "12345678901");
    EXPECT_STREQ("1234567890", WindowText(edit));
    EXPECT_EQ(1, edit.m_nBeeps);
    edit.SendMessage(WM_KILLFOCUS, (WPARAM)host.m_single.m_hWnd);
    EXPECT_STREQ("1,234,567,890", WindowText(edit));
    EXPECT_EQ(1234567890, edit.GetValue());
}

TEST_F(NumberEditTest, DecimalAndDigitEditsKeepTheirCharacters)
{
    host.m_decimal.SetDecimalValue(12, 5);
    EXPECT_STREQ("12.5", WindowText(host.m_decimal));
    host.m_decimal.SetDecimalValue(12, 0);
    EXPECT_STREQ("12", WindowText(host.m_decimal));
    host.m_decimal.SetText("約3.14円");
    EXPECT_STREQ("3.14", WindowText(host.m_decimal));

    host.m_digit.SetText("0120-345-678");
    EXPECT_STREQ("0120345678", WindowText(host.m_digit));
    ASSERT_TRUE(SetClipboardText("９８７", host.m_hWnd, FALSE, FALSE));
    host.m_digit.SetSel(0, 0);
    host.m_digit.SendMessage(WM_PASTE);
    EXPECT_STREQ("987", WindowText(host.m_digit));
}
} // namespace
#endif // _WIN32
