// The texts of the main window's status panes.
#include <gtest/gtest.h>

#include <string>

#include "client/StatusPaneTexts.h"

TEST(StatusPaneTexts, TheLogInSetting)
{
    EXPECT_EQ("", std::string(FormatLoginSettingText(0)));
    EXPECT_EQ("ログイン設定：半手動", std::string(FormatLoginSettingText(1)));
    EXPECT_EQ("ログイン設定：手動", std::string(FormatLoginSettingText(2)));
    EXPECT_EQ("", std::string(FormatLoginSettingText(3)));
    EXPECT_EQ("", std::string(FormatLoginSettingText(-1)));
}

TEST(StatusPaneTexts, TheProgressPaneHoldsAtMostTwentyTwoMarks)
{
    CString marks;
    for (int i = 1; i <= 22; ++i)
    {
        AddProgressMark(10, marks);
        EXPECT_EQ(std::string(i, '>'), std::string(marks));
    }
    // The next status starts again at one.
    AddProgressMark(11, marks);
    EXPECT_EQ(">", std::string(marks));
    AddProgressMark(11, marks);
    EXPECT_EQ(">>", std::string(marks));
    // The handle's closing empties it.
    AddProgressMark(70, marks);
    EXPECT_EQ("", std::string(marks));
    // A pane that somebody filled past the limit starts again too.
    marks = CString('>', 30);
    AddProgressMark(10, marks);
    EXPECT_EQ(">", std::string(marks));
}
