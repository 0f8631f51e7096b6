// The search behind Ctrl+F, F3 and Shift+F3: when it asks for the text,
// where it starts, what it tells and the match-case choice it keeps.
#include <gtest/gtest.h>

#include "afx/Profile.h"
#include "app/ProfileTestUtil.h"
#include "app/TestAppComm.h"
#include "client/ClientTestSupport.h"
#include "client/FindController.h"
#include "client/FindResourceIds.h"
#include "client/OptionSettings.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace
{
const char kRegistryKey[] = "Tanzo Find Test";
const char kRoot[] = "Software\\Tanzo Find Test";

struct Search
{
    std::string text;
    bool matchCase;
    bool upward;
    int startRow;
    bool operator==(const Search& o) const
    {
        return text == o.text && matchCase == o.matchCase && upward == o.upward && startRow == o.startRow;
    }
};
void PrintTo(const Search& s, std::ostream* os)
{
    *os << "{" << s.text << (s.matchCase ? ", case" : "") << (s.upward ? ", up" : "") << ", from "
        << s.startRow << "}";
}

// A target that finds what the test says, and a dialog answered from a
// queue (an empty text for Cancel) that records the tick it was shown.
class CFakeFind : public CFindController
{
public:
    BOOL FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward, int nStartRow) override
    {
        searches.push_back({lpszText, bMatchCase != FALSE, bUpward != FALSE, nStartRow});
        return found;
    }
    void ShowFindStatus(LPCTSTR lpszText) override { statuses.push_back(lpszText); }

    struct Answer
    {
        std::string text;
        bool matchCase;
    };
    std::deque<Answer> answers;
    std::vector<bool> shownTicks;
    std::vector<Search> searches;
    std::vector<std::string> statuses;
    BOOL found = TRUE;
    int beeps = 0;

protected:
    BOOL AskSearchText(CWnd*, CString& strText, BOOL& bMatchCase) override
    {
        shownTicks.push_back(bMatchCase != FALSE);
        if (answers.empty() || answers.front().text.empty())
        {
            if (!answers.empty())
                answers.pop_front();
            return FALSE;
        }
        strText = answers.front().text.c_str();
        bMatchCase = answers.front().matchCase;
        answers.pop_front();
        return TRUE;
    }
    void Beep() override { ++beeps; }
};

std::string Status(const char* text)
{
    CString status;
    status.Format(IDS_FIND_STATUS, text);
    return (LPCTSTR)status;
}

class Find : public ::testing::Test
{
protected:
    Find()
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey(kRegistryKey);
        app.InitProfileName();
        options = std::make_unique<COptionSettings>();
        find.SetOptions(options.get());
    }
    ~Find() override
    {
        options.reset();
        AfxProfileDelete(kRoot, nullptr);
    }

    CTestAppComm app{"FindTest"};
    std::unique_ptr<COptionSettings> options;
    CFakeFind find;
};
} // namespace

TEST_F(Find, CtrlFAsksAndSearchesFromTheFirstRowThenF3GoesOnFromTheSelection)
{
    find.answers = {{"Camera", false}};
    EXPECT_TRUE(find.Find());
    EXPECT_TRUE(find.FindAgain(FALSE));
    EXPECT_TRUE(find.FindAgain(TRUE));
    EXPECT_EQ(1u, find.shownTicks.size());
    EXPECT_EQ((std::vector<Search>{
                  {"Camera", false, false, 0}, {"Camera", false, false, -1}, {"Camera", false, true, -1}}),
              find.searches);
    EXPECT_EQ(std::vector<std::string>(3, Status("Camera")), find.statuses);
    EXPECT_EQ(0, find.beeps);
    EXPECT_EQ("Camera", std::string((LPCTSTR)find.GetSearchText()));

    // Ctrl+F forgets the text and asks again, even when the user cancels.
    find.answers = {{"", false}};
    EXPECT_FALSE(find.Find());
    EXPECT_EQ(2u, find.shownTicks.size());
    EXPECT_EQ(3u, find.searches.size());
    EXPECT_TRUE(find.GetSearchText().IsEmpty());
}

TEST_F(Find, F3AndShiftF3WithoutATextAskForOne)
{
    for (BOOL bUpward : {FALSE, TRUE})
    {
        find.answers = {{"", false}, {"lens", false}};
        EXPECT_FALSE(find.FindAgain(bUpward)) << bUpward;
        EXPECT_TRUE(find.searches.empty()) << "a cancelled dialog searches nothing";
        EXPECT_TRUE(find.statuses.empty());
        EXPECT_TRUE(find.FindAgain(bUpward)) << bUpward;
        ASSERT_EQ(1u, find.searches.size());
        EXPECT_EQ((Search{"lens", false, bUpward != FALSE, -1}), find.searches[0]);
        EXPECT_EQ(2u, find.shownTicks.size());
        find.Find(); // cancelled: forgets the text
        find.searches.clear();
        find.statuses.clear();
        find.shownTicks.clear();
    }
}

TEST_F(Find, NoMatchClearsTheStatusAndBeeps)
{
    find.answers = {{"tripod", false}};
    find.found = FALSE;
    EXPECT_FALSE(find.Find());
    EXPECT_FALSE(find.FindAgain(FALSE));
    EXPECT_EQ((std::vector<std::string>{"", ""}), find.statuses);
    EXPECT_EQ(2, find.beeps);
    find.found = TRUE;
    EXPECT_TRUE(find.FindAgain(TRUE));
    EXPECT_EQ(Status("tripod"), find.statuses.back());
    EXPECT_EQ(2, find.beeps);
}

TEST_F(Find, TheMatchCaseTickIsKeptInTheOptionsForLaterSearches)
{
    find.answers = {{"Lens", true}, {"Lens", false}};
    find.Find();
    find.FindAgain(FALSE);
    EXPECT_EQ(COptionSettings::FindMatchCase, options->TestFindOptions(COptionSettings::FindMatchCase));
    // The dialog opens ticked; unticked, the option goes.
    find.Find();
    find.FindAgain(TRUE);
    EXPECT_EQ((std::vector<bool>{false, true}), find.shownTicks);
    EXPECT_EQ((std::vector<Search>{{"Lens", true, false, 0},
                                   {"Lens", true, false, -1},
                                   {"Lens", false, false, 0},
                                   {"Lens", false, true, -1}}),
              find.searches);
    EXPECT_EQ(0u, options->TestFindOptions(COptionSettings::FindMatchCase));

    find.answers = {{"Lens", true}};
    find.Find();
    options.reset();
    EXPECT_EQ("1", StoredProfileValue(app, "Settings", "FindOption"));
}

TEST_F(Find, WithoutOptionsCaseIsIgnored)
{
    CFakeFind alone;
    alone.answers = {{"Lens", true}};
    alone.Find();
    alone.FindAgain(FALSE);
    EXPECT_EQ((std::vector<bool>{false}), alone.shownTicks);
    EXPECT_EQ((std::vector<Search>{{"Lens", false, false, 0}, {"Lens", false, false, -1}}), alone.searches);
}
