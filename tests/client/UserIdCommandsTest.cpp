// The main window's user-ID commands over the account list: when the
// management dialog asks for the lists to be read again, and the switch
// that only a confirmed log-in makes.
#include <gtest/gtest.h>

#include "auction/accounts/AccountTestUtil.h"
#include "auction/accounts/UserAccountList.h"
#include "client/UserIdCommands.h"

#include <string>
#include <vector>

namespace
{
void Fill(CUserAccountList& accounts)
{
    for (const char* id : {"demo_seller1", "demo_seller2", "other"})
        accounts.Add(Account(id));
    accounts.SetCurrentUserID("demo_seller1");
}
} // namespace

TEST(UserIdCommands, TheListsAreReadAgainOnlyWhenTheCurrentIdChanged)
{
    const struct
    {
        const char* name;
        std::function<void(CFakeAccountEditor&)> edit;
        BOOL refresh;
        const char* current;
    } cases[] = {
        {"memo edited", [](CFakeAccountEditor& d) { d.entries = d.handedIn; }, FALSE, "demo_seller1"},
        {"current deleted",
         [](CFakeAccountEditor& d) {
             d.entries = {d.handedIn[1], d.handedIn[2]};
         },
         TRUE, "demo_seller2"},
        {"other deleted",
         [](CFakeAccountEditor& d) {
             d.entries = {d.handedIn[0], d.handedIn[1]};
         },
         FALSE, "demo_seller1"},
        {"current deleted, then cancelled",
         [](CFakeAccountEditor& d)
         {
             d.entries = {d.handedIn[1]};
             d.result = IDCANCEL;
         },
         FALSE, "demo_seller1"},
        {"all deleted", [](CFakeAccountEditor& d) { d.entries = {}; }, TRUE, ""},
    };
    for (const auto& c : cases)
    {
        CUserAccountList accounts;
        Fill(accounts);
        CFakeAccountEditor dialog;
        dialog.edit = c.edit;
        EXPECT_EQ(c.refresh, ManageUserIds(accounts, dialog)) << c.name;
        EXPECT_STREQ(c.current, accounts.GetCurrentUserID()) << c.name;
    }
}

TEST(UserIdCommands, TheSwitchNeedsTheConfirmedLogIn)
{
    CUserAccountList accounts;
    Fill(accounts);
    std::vector<std::string> asked;
    BOOL bAnswer = FALSE;
    auto confirm = [&](const CUserAccount& account)
    {
        asked.push_back(std::string(account.GetID()) + "/" + (LPCTSTR)account.GetPassword());
        return bAnswer;
    };
    EXPECT_FALSE(SwitchUserId(accounts, 1, confirm));
    EXPECT_STREQ("demo_seller1", accounts.GetCurrentUserID());
    bAnswer = TRUE;
    EXPECT_FALSE(SwitchUserId(accounts, 3, confirm)) << "no account there";
    EXPECT_TRUE(SwitchUserId(accounts, 1, confirm));
    EXPECT_STREQ("demo_seller2", accounts.GetCurrentUserID());
    EXPECT_EQ((std::vector<std::string>{"demo_seller2/pw", "demo_seller2/pw"}), asked);
}
