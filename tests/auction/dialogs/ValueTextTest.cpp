#include <gtest/gtest.h>

#include "afx/Collections.h"
#include "auction/dialogs/CodeTextPair.h"
#include "auction/dialogs/ValueTextConverter.h"
#include "controls/ChoiceValue.h"

namespace
{
// Texts of ints; 0 has none.
class CNumberTexts : public CValueTextConverter
{
public:
    BOOL GetText(const void* pValue, CString& out) override
    {
        const int n = *static_cast<const int*>(pValue);
        if (n == 0)
            return FALSE;
        out.Format("#%d", n);
        return TRUE;
    }
};
} // namespace

TEST(ValueText, JoinsTheTextsOfTheValuesThatHaveOne)
{
    int values[] = {3, 0, 12, 0};
    CPtrList list;
    CNumberTexts texts;
    CString out = "stale";
    EXPECT_FALSE(texts.JoinTexts(list, out));
    EXPECT_TRUE(out.IsEmpty());
    for (int& value : values)
        list.AddTail(&value);
    EXPECT_TRUE(texts.JoinTexts(list, out));
    EXPECT_STREQ("#3, #12", out);
    list.RemoveHead();
    list.RemoveTail();
    list.RemoveTail();
    EXPECT_FALSE(texts.JoinTexts(list, out));
    EXPECT_TRUE(out.IsEmpty());
}

TEST(ValueText, AppendsAFormattedValue)
{
    CChoiceValue value;
    value.Set(60);
    CString out = "サイズ: ";
    ASSERT_TRUE(AppendFormattedValue(value, 61001, out)); // "%dcm以下"
    EXPECT_STREQ("サイズ: 60cm以下", out);
    EXPECT_FALSE(AppendFormattedValue(value, 60999, out));
    EXPECT_STREQ("サイズ: 60cm以下", out);

    CCodeTextPair pair(3, "three");
    pair.Clear();
    EXPECT_EQ(0, pair.m_nCode);
    EXPECT_TRUE(pair.m_strText.IsEmpty());
}
