// The most-recent-first history of a combo box's list, on a list of texts.
#include "controls/HistoryList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A list with the item operations of a combo box.
class CTextList
{
public:
    explicit CTextList(std::initializer_list<const char*> items) : m_items(items.begin(), items.end()) {}
    int GetCount() const { return (int)m_items.size(); }
    void GetLBText(int i, CString& text) const { text = m_items[i].c_str(); }
    int DeleteString(UINT i)
    {
        m_items.erase(m_items.begin() + i);
        return GetCount();
    }
    int InsertString(int i, LPCTSTR text)
    {
        m_items.insert(m_items.begin() + i, text);
        return i;
    }
    int SetCurSel(int i)
    {
        m_nSel = i;
        return i;
    }

    std::vector<std::string> m_items;
    int m_nSel = -1;
};

typedef std::vector<std::string> Items;
} // namespace

TEST(HistoryList, PushMovesTheTextToTheTop)
{
    struct Case
    {
        const char* name;
        CTextList list;
        const char* text;
        int max;
        Items after;
    } cases[] = {
        {"into an empty list", CTextList{}, "表示", 10, {"表示"}},
        {"a new text", CTextList{"a", "b"}, "c", 10, {"c", "a", "b"}},
        {"a text already there moves up", CTextList{"a", "b", "c"}, "c", 10, {"c", "a", "b"}},
        {"letter case does not duplicate", CTextList{"abc", "Tanzo"}, "TANZO", 10, {"TANZO", "abc"}},
        {"the eleventh text drops the oldest",
         CTextList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         "new",
         10,
         {"new", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"a known text in a full list drops nothing", CTextList{"1", "2", "3"}, "3", 3, {"3", "1", "2"}},
    };
    for (Case& c : cases)
    {
        PushHistoryItem(c.list, c.text, c.max);
        EXPECT_EQ(c.after, c.list.m_items) << c.name;
        EXPECT_EQ(0, c.list.m_nSel) << c.name;
    }
}

TEST(HistoryList, FindsTextsIgnoringTheCaseOfAsciiLettersOnly)
{
    const CTextList list{"ａｂｃ", "Abc", "表示"};
    EXPECT_EQ(1, FindHistoryText(list, "aBC"));
    EXPECT_EQ(0, FindHistoryText(list, "ａｂｃ"));
    EXPECT_EQ(-1, FindHistoryText(list, "ＡＢＣ"));
    EXPECT_EQ(2, FindHistoryText(list, "表示"));
    EXPECT_EQ(-1, FindHistoryText(list, "表"));
}
