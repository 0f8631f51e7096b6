// The user's accounts: the list's rules, its profile, the log-in of the
// current user over a fake log-in, and the edit through a fake dialog.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AccountTestUtil.h"
#include "afx/Profile.h"
#include "afx/String.h"
#include "app/TestAppComm.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountEditor.h"
#include "auction/accounts/UserAccountList.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressSink.h"
#include "text/Scramble.h"

#ifdef _WIN32
#include "afx/Menu.h"
#endif

namespace
{
// A profile of its own, so that no other test program's settings meet ours.
const char kSettingsKey[] = "Software\\Velmar Soft\\AccountListTest\\Settings";

std::vector<std::string> Ids(const CUserAccountList& list)
{
    std::vector<std::string> ids;
    CUserAccount account;
    for (int i = 0; list.GetAt(i, account); ++i)
        ids.push_back((LPCTSTR)account.GetID());
    return ids;
}

// Records how the current ID was switched, as the document's override
// sees it.
class CRecordingList : public CUserAccountList
{
public:
    void SetCurrentUserID(LPCTSTR id) override
    {
        switches.push_back(id != nullptr ? id : "(null)");
        CUserAccountList::SetCurrentUserID(id);
    }
    std::vector<std::string> switches;
};

class AccountListProfile : public ::testing::Test
{
protected:
    AccountListProfile()
    {
        app.m_strProfileName = "AccountListTest";
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        AfxProfileDelete(kSettingsKey, nullptr);
    }
    ~AccountListProfile() override { AfxProfileDelete(kSettingsKey, nullptr); }

    void StoreAccounts(int count, int stored)
    {
        app.WriteSettingInt("UserCount", count);
        for (int i = 1; i <= stored; ++i)
        {
            CString key, value, scrambled;
            key.Format("UserID%02d", i);
            value.Format("user%02d", i);
            app.WriteSettingString(key, value);
            key.Format("UserPswd%02d", i);
            value.Format("secret%02d", i);
            ASSERT_TRUE(EncodeScrambledText32(value, scrambled));
            app.WriteSettingString(key, scrambled);
            key.Format("UserMemo%02d", i);
            value.Format("memo %d", i);
            app.WriteSettingString(key, value);
        }
    }
    std::string Setting(const char* key) { return (LPCTSTR)app.GetSettingString(key, "(missing)"); }

    CTestAppComm app;
};
} // namespace

TEST(UserAccountList, RemovingTheCurrentAccountSwitchesThroughTheOverride)
{
    CRecordingList list;
    ASSERT_TRUE(list.Add(Account("first")));
    ASSERT_TRUE(list.Add(Account("second")));
    EXPECT_EQ("first", std::string(list.GetCurrentUserID()));
    list.switches.clear();

    // Another account than the current one leaves it alone.
    list.SetCurrentUserID("SECOND");
    EXPECT_EQ("SECOND", std::string(list.GetCurrentUserID()));
    ASSERT_TRUE(list.RemoveAt(0));
    EXPECT_EQ("SECOND", std::string(list.GetCurrentUserID()));

    ASSERT_TRUE(list.Add(Account("third")));
    list.switches.clear();
    ASSERT_TRUE(list.RemoveAt(0)); // "second", current without regard to case
    EXPECT_EQ(std::vector<std::string>{"third"}, list.switches);
    EXPECT_EQ("third", std::string(list.GetCurrentUserID()));
    ASSERT_TRUE(list.RemoveAt(0));
    EXPECT_EQ((std::vector<std::string>{"third", ""}), list.switches);
    EXPECT_EQ("", std::string(list.GetCurrentUserID()));
    EXPECT_FALSE(list.RemoveAt(0));
}

TEST(UserAccountList, AddsUpToTwentyAndTheFirstBecomesCurrent)
{
    CUserAccountList list;
    EXPECT_FALSE(list.IsChanged());
    for (int i = 0; i < CUserAccountList::MaxAccounts; ++i)
    {
        CString id;
        id.Format("user%02d", i);
        ASSERT_TRUE(list.Add(Account(id)));
    }
    EXPECT_TRUE(list.IsChanged());
    EXPECT_FALSE(list.Add(Account("twentyfirst")));
    EXPECT_EQ(20, list.GetCount());
    EXPECT_EQ(-1, list.FindByID("twentyfirst"));
    EXPECT_EQ("user00", std::string(list.GetCurrentUserID()));

    // The list keeps copies of its own.
    CUserAccount account = Account("user05", "new", "memo");
    EXPECT_TRUE(list.SetAt(5, account));
    account.SetPassword("changed");
    CUserAccount stored;
    ASSERT_TRUE(list.GetAt(5, stored));
    EXPECT_STREQ("new", stored.GetPassword());
    EXPECT_STREQ("memo", stored.GetMemo());
    EXPECT_FALSE(list.SetAt(20, account));
    EXPECT_FALSE(list.GetAt(-1, stored));
}

TEST(UserAccountList, FindsIdsWithoutRegardToCase)
{
    CUserAccountList list;
    list.Add(Account("Abc"));
    list.Add(Account("taro_2"));
    const struct
    {
        const char* id;
        int expected;
    } cases[] = {{"aBC", 0}, {"ABC", 0}, {"Taro_2", 1}, {"abcd", -1}, {"", -1}, {nullptr, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, list.FindByID(c.id)) << (c.id != nullptr ? c.id : "(null)");
}

TEST(UserAccountList, ProfileOutsideTheApplicationIsLeftAlone)
{
    CUserAccountList list;
    list.Add(Account("kept"));
    EXPECT_FALSE(list.LoadFromProfile());
    EXPECT_FALSE(list.SaveToProfile());
    EXPECT_EQ(std::vector<std::string>{"kept"}, Ids(list));
    EXPECT_TRUE(list.IsChanged());
}

TEST_F(AccountListProfile, LoadsAtMostTwentyWithTheirPasswords)
{
    StoreAccounts(25, 25);
    app.WriteSettingString("CurUserID", "user03");
    CUserAccountList list;
    list.Add(Account("dropped"));
    ASSERT_TRUE(list.LoadFromProfile());
    EXPECT_EQ(20, list.GetCount());
    EXPECT_EQ(-1, list.FindByID("dropped"));
    EXPECT_FALSE(list.IsChanged());
    EXPECT_EQ("user03", std::string(list.GetCurrentUserID()));
    CUserAccount account;
    ASSERT_TRUE(list.GetAt(19, account));
    EXPECT_STREQ("user20", account.GetID());
    EXPECT_STREQ("secret20", account.GetPassword());
    EXPECT_STREQ("memo 20", account.GetMemo());

    // Entries the count names but the profile lacks read as empty.
    StoreAccounts(3, 2);
    ASSERT_TRUE(list.LoadFromProfile());
    ASSERT_EQ(3, list.GetCount());
    ASSERT_TRUE(list.GetAt(2, account));
    EXPECT_STREQ("user03", account.GetID()); // left from the 25
    StoreAccounts(0, 0);
    ASSERT_TRUE(list.LoadFromProfile());
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(AccountListProfile, SavingFewerAccountsBlanksTheRest)
{
    StoreAccounts(4, 4);
    CUserAccountList list;
    ASSERT_TRUE(list.LoadFromProfile());
    ASSERT_TRUE(list.RemoveAt(3));
    ASSERT_TRUE(list.RemoveAt(2));
    ASSERT_TRUE(list.SetAt(1, Account("user02", "new-secret", "new memo")));
    list.SetCurrentUserID("USER02");
    ASSERT_TRUE(list.SaveToProfile());
    EXPECT_FALSE(list.IsChanged());

    EXPECT_EQ(2u, app.GetSettingInt("UserCount", -1));
    EXPECT_EQ("USER02", Setting("CurUserID"));
    EXPECT_EQ("user02", Setting("UserID02"));
    EXPECT_EQ("new memo", Setting("UserMemo02"));
    const std::string stored = Setting("UserPswd02");
    EXPECT_EQ(510u, stored.size());
    EXPECT_EQ(std::string::npos, stored.find("new-secret"));
    for (const char* key : {"UserID03", "UserPswd03", "UserMemo03", "UserID04", "UserPswd04", "UserMemo04"})
        EXPECT_EQ("", Setting(key)) << key;

    CUserAccountList again;
    ASSERT_TRUE(again.LoadFromProfile());
    CUserAccount account;
    ASSERT_TRUE(again.GetAt(1, account));
    EXPECT_STREQ("new-secret", account.GetPassword());
    EXPECT_EQ((std::vector<std::string>{"user01", "user02"}), Ids(again));
}

TEST_F(AccountListProfile, AnUnchangedListWritesNothing)
{
    CUserAccountList list;
    ASSERT_TRUE(list.LoadFromProfile());
    EXPECT_TRUE(list.SaveToProfile());
    EXPECT_EQ("(missing)", Setting("UserCount"));
    EXPECT_EQ("(missing)", Setting("CurUserID"));
}

#ifndef _WIN32
// The in-memory profile refuses writes on demand; the registry is not told
// to in the Windows tests.
TEST_F(AccountListProfile, ARefusedWriteKeepsTheListChanged)
{
    CUserAccountList list;
    list.Add(Account("user01"));
    AfxProfileSetReadOnly(TRUE);
    EXPECT_FALSE(list.SaveToProfile());
    AfxProfileSetReadOnly(FALSE);
    EXPECT_TRUE(list.IsChanged());
    EXPECT_EQ("(missing)", Setting("UserID01"));
    EXPECT_TRUE(list.SaveToProfile());
    EXPECT_FALSE(list.IsChanged());
    EXPECT_EQ("user01", Setting("UserID01"));
}
#endif

namespace
{
// The log-in as a test plays it; records what the list asked of it.
struct LoginScript
{
    BOOL logOut = TRUE;
    BOOL login = TRUE;
    BOOL cancelled = FALSE;
    int created = 0;
    std::vector<std::string> calls;
    CProgressSink* pSink = nullptr;
    int loginType = -1;
};

class CFakeLogin : public CAccountLogin
{
public:
    explicit CFakeLogin(LoginScript& script) : m_script(script) {}
    BOOL LogOut() override
    {
        m_script.calls.push_back("logout");
        return m_script.logOut;
    }
    BOOL Login(const CUserAccount& account, CWnd* pParent) override
    {
        m_script.calls.push_back(std::string("login ") + (LPCTSTR)account.GetID() + " " +
                                 (LPCTSTR)account.GetPassword() + (pParent != nullptr ? " parent" : ""));
        return m_script.login;
    }
    BOOL IsCancelled() const override { return m_script.cancelled; }

private:
    LoginScript& m_script;
};

class CFakeLoginList : public CUserAccountList
{
public:
    LoginScript script;

protected:
    CAccountLogin* CreateLogin(CHttpComm*, CProgressSink* pSink, int nLoginType) override
    {
        ++script.created;
        script.pSink = pSink;
        script.loginType = nLoginType;
        return new CFakeLogin(script);
    }
};
} // namespace

TEST(UserAccountList, LogsInTheCurrentUser)
{
    const struct
    {
        const char* name;
        std::vector<const char*> accounts;
        const char* current; // null: as Add left it
        BOOL logOut, login, cancelled;
        int expected;
        std::vector<std::string> calls;
    } cases[] = {
        {"no accounts", {}, nullptr, TRUE, TRUE, FALSE, CUserAccountList::LoginNoAccounts, {}},
        {"current not listed", {"taro"}, "hanako", TRUE, TRUE, FALSE, CUserAccountList::LoginIdNotFound, {}},
        {"signed in",
         {"taro", "hanako"},
         "HANAKO",
         TRUE,
         TRUE,
         FALSE,
         CUserAccountList::LoginDone,
         {"logout", "login hanako pw-hanako parent"}},
        {"first when none current",
         {"taro", "hanako"},
         "",
         TRUE,
         TRUE,
         FALSE,
         CUserAccountList::LoginDone,
         {"logout", "login taro pw-taro parent"}},
        {"log-out failed", {"taro"}, nullptr, FALSE, TRUE, FALSE, CUserAccountList::LoginFailed, {"logout"}},
        {"log-in failed",
         {"taro"},
         nullptr,
         TRUE,
         FALSE,
         FALSE,
         CUserAccountList::LoginFailed,
         {"logout", "login taro pw-taro parent"}},
        {"stopped by the user",
         {"taro"},
         nullptr,
         TRUE,
         FALSE,
         TRUE,
         CUserAccountList::LoginCancelled,
         {"logout", "login taro pw-taro parent"}},
    };
    for (const auto& c : cases)
    {
        CFakeLoginList list;
        for (const char* id : c.accounts)
            list.Add(Account(id, (std::string("pw-") + id).c_str()));
        if (c.current != nullptr)
            list.CUserAccountList::SetCurrentUserID(c.current);
        list.script.logOut = c.logOut;
        list.script.login = c.login;
        list.script.cancelled = c.cancelled;
        CHttpComm http;
        CRecordingProgressSink sink;
        CWnd* pParent = reinterpret_cast<CWnd*>(&sink); // only passed on
        EXPECT_EQ(c.expected, list.LogInCurrentUser(&http, &sink, pParent, 2)) << c.name;
        EXPECT_EQ(c.calls, list.script.calls) << c.name;
        if (!c.calls.empty())
        {
            EXPECT_EQ(&sink, list.script.pSink) << c.name;
            EXPECT_EQ(2, list.script.loginType) << c.name;
        }
        if (c.current != nullptr && *c.current == '\0')
        {
            EXPECT_EQ("taro", std::string(list.GetCurrentUserID())) << c.name;
        }
    }

    CFakeLoginList list;
    list.Add(Account("taro"));
    EXPECT_EQ(CUserAccountList::LoginFailed, list.LogInCurrentUser(nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(0, list.script.created);
}

TEST(UserAccountList, ShowsTheLogInErrorsThatTellTheUserSomething)
{
    CUserAccountList list;
    list.Add(Account("taro"));
    list.SetCurrentUserID("hanako");
    const struct
    {
        int code;
        std::string expected; // empty: nothing shown
    } cases[] = {
        {CUserAccountList::LoginNoAccounts, ""},
        {CUserAccountList::LoginIdNotFound, LoadText(IDS_LOGIN_ID_NOT_FOUND, "hanako")},
        {CUserAccountList::LoginCancelled, ""},
        {CUserAccountList::LoginFailed, LoadText(IDS_AUTO_LOGIN_FAILED)},
    };
    ASSERT_EQ("ユーザーID\"hanako\"が見つからないため、自動ログインに失敗しました。", cases[1].expected);
    for (const auto& c : cases)
    {
        CRecordingProgressSink sink;
        EXPECT_EQ(!c.expected.empty(), list.ShowLogInError(c.code, nullptr, &sink)) << c.code;
        EXPECT_EQ(c.expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.expected},
                  sink.messages)
            << c.code;
        if (!sink.types.empty())
        {
            EXPECT_EQ(0u, sink.types[0]);
        }

        // Without a sink in a message box; never for a cancelled request.
        CMessageBoxes boxes({IDOK});
        EXPECT_EQ(!c.expected.empty(), list.ShowLogInError(c.code, nullptr, nullptr)) << c.code;
        EXPECT_EQ(c.expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.expected},
                  boxes.texts)
            << c.code;
        CHttpComm cancelled;
        cancelled.SetCancel(TRUE);
        EXPECT_FALSE(list.ShowLogInError(c.code, &cancelled, &sink));
        EXPECT_EQ(c.expected.empty() ? 0u : 1u, sink.messages.size());
    }
}

namespace
{
std::string Describe(const CUserAccountList& list)
{
    std::string text;
    CUserAccount account;
    for (int i = 0; list.GetAt(i, account); ++i)
        text += std::string(account.GetID()) + "/" + (LPCTSTR)account.GetPassword() + "/" +
                (LPCTSTR)account.GetMemo() + " ";
    return text + "current " + (LPCTSTR)list.GetCurrentUserID();
}
} // namespace

TEST(UserAccountList, AppliesWhatTheDialogHolds)
{
    const struct
    {
        const char* name;
        std::function<void(CFakeAccountEditor&)> edit;
        BOOL ok;
        std::string expected;
    } cases[] = {
        {"memo of row 2",
         [](CFakeAccountEditor& d)
         {
             d.entries = d.handedIn;
             d.entries[1].SetMemo("new memo");
             d.modified = {1};
         },
         TRUE, "a/pa/ b/pb/new memo c/pc/ current a"},
        {"cancelled",
         [](CFakeAccountEditor& d)
         {
             d.entries = {};
             d.result = IDCANCEL;
         },
         FALSE, "a/pa/ b/pb/ c/pc/ current a"},
        {"OK without a change",
         [](CFakeAccountEditor& d)
         {
             d.entries = {};
             d.changed = FALSE;
         },
         TRUE, "a/pa/ b/pb/ c/pc/ current a"},
        {"current deleted, another edited, one added",
         [](CFakeAccountEditor& d)
         {
             d.entries = {d.handedIn[1], d.handedIn[2]};
             d.entries[1].SetPassword("new");
             d.modified = {1};
             d.added = {Account("d", "pd", "added")};
         },
         TRUE, "b/pb/ c/new/ d/pd/added current b"},
        {"all deleted, one added", [](CFakeAccountEditor& d) { d.added = {Account("e", "pe")}; }, TRUE,
         "e/pe/ current e"},
    };
    for (const auto& c : cases)
    {
        CUserAccountList list;
        for (const char* id : {"a", "b", "c"})
            list.Add(Account(id, (std::string("p") + id).c_str()));
        CFakeAccountEditor dialog;
        dialog.edit = c.edit;
        EXPECT_EQ(c.ok, list.EditWithDialog(dialog)) << c.name;
        ASSERT_EQ(3u, dialog.handedIn.size());
        EXPECT_STREQ("pc", dialog.handedIn[2].GetPassword());
        EXPECT_EQ(c.expected, Describe(list)) << c.name;
    }
}

TEST(UserAccountList, AddsFromTheDialogUpToTheLimit)
{
    CUserAccountList list;
    for (int i = 0; i < 19; ++i)
    {
        CString id;
        id.Format("user%02d", i);
        list.Add(Account(id));
    }
    CFakeAccountEditor dialog;
    dialog.edit = [](CFakeAccountEditor& d)
    {
        d.entries = d.handedIn;
        d.added = {Account("extra1"), Account("extra2")};
    };
    EXPECT_TRUE(list.EditWithDialog(dialog));
    EXPECT_EQ(20, list.GetCount());
    EXPECT_EQ(19, list.FindByID("extra1"));
    EXPECT_EQ(-1, list.FindByID("extra2"));
}

TEST(UserAccountList, AccountMenuTexts)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 12; ++i)
    {
        CString id;
        id.Format("id%d", i + 1);
        texts.push_back((LPCTSTR)FormatAccountMenuText(i, id));
    }
    EXPECT_EQ((std::vector<std::string>{"&1 id1...", "&2 id2...", "&3 id3...", "&4 id4...", "&5 id5...",
                                        "&6 id6...", "&7 id7...", "&8 id8...", "&9 id9...", "&10 id10...",
                                        "&0 id11...", "  id12..."}),
              texts);
}

#ifdef _WIN32
TEST(UserAccountList, AppendsTheAccountMenu)
{
    CUserAccountList list;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    list.AppendAccountMenu(&menu, 5000, "taro");
    EXPECT_EQ(0, ::GetMenuItemCount(menu));

    for (const char* id : {"taro", "Hanako", "jiro"})
        list.Add(Account(id));
    list.AppendAccountMenu(&menu, 5000, "HANAKO");
    ASSERT_EQ(4, ::GetMenuItemCount(menu));
    EXPECT_EQ(MF_SEPARATOR, ::GetMenuState(menu, 0, MF_BYPOSITION) & MF_SEPARATOR);
    const struct
    {
        UINT id;
        const char* text;
        BOOL checked;
    } items[] = {{5000, "&1 taro...", FALSE}, {5001, "&2 Hanako...", TRUE}, {5002, "&3 jiro...", FALSE}};
    for (const auto& item : items)
    {
        char text[64] = {};
        ::GetMenuStringA(menu, item.id, text, sizeof(text), MF_BYCOMMAND);
        EXPECT_STREQ(item.text, text);
        EXPECT_EQ(item.checked, (::GetMenuState(menu, item.id, MF_BYCOMMAND) & MF_CHECKED) != 0) << item.text;
    }
}
#endif
