// The text a message box shows: ASCII question marks become full-width,
// nothing else changes, two-byte characters stay whole.
#include "app/PromptText.h"

#include <gtest/gtest.h>

namespace
{
TEST(PromptTextTest, QuestionMarksBecomeFullWidth)
{
    const struct
    {
        const char* prompt;
        const char* shown;
    } cases[] = {
        {"削除しますか?", "削除しますか？"},
        {"?", "？"},
        {"??", "？？"},
        {"Continue? (y/n)?", "Continue？ (y/n)？"},
        {"終了します。", "終了します。"},
        {"既に全角？です", "既に全角？です"},
        {"ｶﾀｶﾅ?", "ｶﾀｶﾅ？"},
        {"", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.prompt);
        EXPECT_EQ(CString(c.shown), MakePromptText(c.prompt));
    }
}

TEST(PromptTextTest, NullPromptIsEmpty)
{
    EXPECT_TRUE(MakePromptText(nullptr).IsEmpty());
}

TEST(PromptTextTest, LeadByteAtTheEndIsKept)
{
    // A cut two-byte character stays as it was; the "?" before it changes.
    const char prompt[] = {'?', (char)0x82, '\0'};
    const char shown[] = {(char)0x81, (char)0x48, (char)0x82, '\0'};
    EXPECT_EQ(CString(shown), MakePromptText(prompt));
}
} // namespace
