// The combo box with a byte-limited edit part: the edit part taken over
// when it paints, filling from the string table and the history.
#ifdef _WIN32
#include "ControlsTestUtil.h"

#include "controls/ControlsResourceIds.h"

#include <string>
#include <vector>

namespace
{
class CommComboBoxTest : public ControlsHostTest
{
protected:
    void SetUp() override
    {
        host.m_combo.SetTextLimit(6);
        ControlsHostTest::SetUp();
    }

    std::vector<std::string> Items()
    {
        std::vector<std::string> items;
        for (int i = 0; i < host.m_combo.GetCount(); ++i)
        {
            CString text;
            host.m_combo.GetLBText(i, text);
            items.push_back((LPCTSTR)text);
        }
        return items;
    }
};

TEST_F(CommComboBoxTest, EditPartKeepsTheByteLimit)
{
    CCommEdit* pEdit = host.m_combo.GetEditPart();
    ASSERT_NE(nullptr, pEdit);
    EXPECT_EQ(6u, pEdit->GetLimitText());
    TypeText(*pEdit, "あいうえ");
    EXPECT_STREQ("あいう", WindowText(host.m_combo));

    // The combo box's own window goes first; the edit part is let go.
    HWND hEdit = pEdit->m_hWnd;
    host.DestroyWindow();
    EXPECT_EQ(nullptr, host.m_combo.GetEditPart());
    EXPECT_FALSE(::IsWindow(hEdit));
}

TEST_F(CommComboBoxTest, FillsFromTheStringTable)
{
    CString str517, str425;
    ASSERT_TRUE(str517.LoadString(IDS_NOTHING_ENTERED));
    ASSERT_TRUE(str425.LoadString(IDS_PRODUCT_URL));
    const UINT ids[] = {IDS_NOTHING_ENTERED, IDS_PRODUCT_URL, 0};
    EXPECT_EQ(1, host.m_combo.FillFromStringIds(ids, 1));
    EXPECT_EQ(1, host.m_combo.GetCurSel());
    EXPECT_EQ((std::vector<std::string>{(LPCTSTR)str517, (LPCTSTR)str425}), Items());

    // An index beyond the items selects nothing and answers the count.
    host.m_combo.RemoveAllItems();
    host.m_combo.SetCurSel(-1);
    EXPECT_EQ(2, host.m_combo.FillFromStringIds(ids, 5));
    EXPECT_EQ(-1, host.m_combo.GetCurSel());

    const LPCTSTR texts[] = {"赤", "緑", "", "青"};
    host.m_combo.RemoveAllItems();
    EXPECT_EQ(2, host.m_combo.FillFromStrings(texts, 9));
    EXPECT_EQ((std::vector<std::string>{"赤", "緑"}), Items());

    EXPECT_EQ(1, host.m_combo.FillFromStringIds(nullptr, 0));
    CCommComboBox unattached;
    EXPECT_EQ(0, unattached.FillFromStringIds(ids, 0));
}

TEST_F(CommComboBoxTest, HistoryKeepsTheLatestTextsOnTop)
{
    for (const char* text : {"一", "二", "三"})
        host.m_combo.PushHistoryText(text, 3);
    EXPECT_EQ((std::vector<std::string>{"三", "二", "一"}), Items());
    host.m_combo.PushHistoryText("一", 3);
    EXPECT_EQ((std::vector<std::string>{"一", "三", "二"}), Items());
    host.m_combo.PushHistoryText("四", 3);
    EXPECT_EQ((std::vector<std::string>{"四", "一", "三"}), Items());
    EXPECT_EQ(0, host.m_combo.GetCurSel());
    EXPECT_STREQ("四", WindowText(host.m_combo));
    EXPECT_EQ(2, host.m_combo.FindTextNoCase("三"));
    host.m_combo.PushHistoryText("Abc", 3);
    EXPECT_EQ(0, host.m_combo.FindTextNoCase("aBC"));
    EXPECT_EQ(-1, host.m_combo.FindTextNoCase("二"));
}
} // namespace
#endif // _WIN32
