// The user-ID commands of the main window against the stand-in: the
// management dialog that adds, edits and deletes IDs (a deleted ID takes
// only its own data folder), its limit of twenty, and the switch from the
// ID menu that asks, tests the log-in and keeps each ID's records apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClientAppFixture.h"

#include "auction/accounts/AccountTestUtil.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/LoginTestDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoResourceIds.h"
#include "client/UserIdManageDialog.h"
#include "client/UserIdManageResourceIds.h"
#include "net/HttpTestSupport.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include <shlobj.h>

namespace
{
const int kUserEditSet = 3;

std::string Formatted(UINT nID, LPCTSTR insert)
{
    CString text;
    text.FormatMessage(nID, insert);
    return (LPCTSTR)text;
}

bool FolderExists(const CString& path)
{
    const DWORD dwAttributes = ::GetFileAttributesA(path);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class UserIdWindows : public ClientAppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(Start());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        ASSERT_TRUE(Doc()->Add(Account("demo_seller1", "pass-seller1", "main")));
        ASSERT_TRUE(Doc()->Add(Account("demo_seller2", "pass-seller2")));
        Doc()->SetCurrentUserID("demo_seller1");
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }
    // The user's memo on an auction, stored for the current ID.
    void StoreMemo(const char* auctionID, const char* memo)
    {
        TanzoAuctionItem item;
        item.SetAuctionID(auctionID);
        item.SetMemo(memo);
        Doc()->StoreUserEdit(TanzoAuctionItemUserEdit(item));
    }
    std::string MemoOf(const char* auctionID)
    {
        TanzoAuctionItem item;
        item.SetAuctionID(auctionID);
        TanzoAuctionItemUserEdit record(item);
        return Doc()->LookupUserEdit(record) ? (LPCTSTR)record.GetMemo() : "(none)";
    }
    std::string Ids()
    {
        std::string ids;
        CUserAccount account;
        for (int i = 0; Doc()->GetAt(i, account); ++i)
            ids += std::string(i > 0 ? " " : "") + (LPCTSTR)account.GetID();
        return ids;
    }
    void Switch(int nIndex) { Frame()->SendMessage(WM_COMMAND, ID_USER_ID_FIRST + nIndex); }
};

int RowOf(HWND hList, const char* id)
{
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = id;
    return (int)::SendMessageA(hList, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
}

void SelectRow(HWND hList, int nRow)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(hList, LVM_SETITEMSTATE, (WPARAM)nRow, (LPARAM)&item);
}
} // namespace

TEST_F(UserIdWindows, TheDialogAddsEditsAndDeletesIdsAndADeletedIdTakesOnlyItsFolder)
{
    ASSERT_TRUE(Doc()->RemoveAt(1));
    ASSERT_TRUE(Doc()->Add(Account("kept_id", "pw-kept")));
    ASSERT_TRUE(Doc()->Add(Account("old_id", "pw-old")));
    CString oldFolder, keptFolder;
    ASSERT_TRUE(Doc()->GetDataFolder(oldFolder, kUserEditSet, "old_id"));
    ASSERT_TRUE(Doc()->GetDataFolder(keptFolder, kUserEditSet, "kept_id"));
    for (const CString& folder : {oldFolder, keptFolder})
        ASSERT_TRUE(::SHCreateDirectoryExA(nullptr, folder, nullptr) == ERROR_SUCCESS) << (LPCTSTR)folder;

    CMessageBoxes boxes({IDYES, IDOK, IDYES});
    std::string caption;
    int nRowsShown = -1;
    WhenDialogShows(IDC_USERID_ADD,
                    [&](HWND hDialog)
                    {
                        caption = WindowText(hDialog);
                        const HWND hList = ::GetDlgItem(hDialog, IDC_USERID_LIST);
                        nRowsShown = (int)::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0);
                        // A new ID, tested when its dialog ends.
                        WhenDialogShows(IDC_USERID_PASSWORD,
                                        [](HWND hAdd)
                                        {
                                            ::SetDlgItemTextA(hAdd, IDC_USERID_ID, "demo_seller2");
                                            ::SetDlgItemTextA(hAdd, IDC_USERID_PASSWORD, "pass-seller2");
                                            Click(hAdd, IDOK);
                                        });
                        Click(hDialog, IDC_USERID_ADD);
                        // The memo of another ID.
                        SelectRow(hList, RowOf(hList, "kept_id"));
                        WhenDialogShows(IDC_USERID_PASSWORD,
                                        [](HWND hEdit)
                                        {
                                            ::SetDlgItemTextA(hEdit, IDC_USERID_MEMO, "sub");
                                            Click(hEdit, IDOK);
                                        });
                        Click(hDialog, IDC_USERID_EDIT);
                        SelectRow(hList, RowOf(hList, "old_id"));
                        Click(hDialog, IDC_USERID_DELETE);
                        Click(hDialog, IDOK);
                    });
    Frame()->SendMessage(WM_COMMAND, ID_USER_ID_MANAGE);

    EXPECT_EQ("ユーザーIDの管理", caption);
    EXPECT_EQ(3, nRowsShown);
    EXPECT_EQ((std::vector<std::string>{Formatted(873, "demo_seller2"), LoadText(874),
                                        Formatted(IDS_USERID_DELETE_WITH_DATA, "old_id")}),
              boxes.texts);
    EXPECT_EQ("demo_seller1 kept_id demo_seller2", Ids());
    CUserAccount account;
    ASSERT_TRUE(Doc()->GetAt(1, account));
    EXPECT_STREQ("sub", account.GetMemo());
    EXPECT_FALSE(FolderExists(oldFolder)) << (LPCTSTR)oldFolder;
    EXPECT_TRUE(FolderExists(keptFolder)) << (LPCTSTR)keptFolder;
    EXPECT_STREQ("demo_seller1", Doc()->GetCurrentUserID());
}

TEST_F(UserIdWindows, TwentyIdsLeaveNoRoomToAddAndEditOrDeleteNeedARow)
{
    for (int i = 3; i <= 19; ++i)
        ASSERT_TRUE(Doc()->Add(Account(("id" + std::to_string(i)).c_str())));
    std::vector<bool> states;
    auto read = [&](CUserIdManageDialog& dialog)
    {
        states.push_back(::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, IDC_USERID_ADD)) != FALSE);
        for (UINT nID : {ID_USERID_MANAGE_ADD, ID_USERID_MANAGE_EDIT, ID_USERID_MANAGE_DELETE})
            states.push_back(dialog.IsCommandEnabled(nID) != FALSE);
    };
    CMessageBoxes boxes({IDYES});
    CUserIdManageDialog dialog(Frame());
    WhenDialogShows(IDC_USERID_ADD,
                    [&](HWND hDialog)
                    {
                        read(dialog); // 19 IDs, the first selected
                        WhenDialogShows(IDC_USERID_PASSWORD,
                                        [](HWND hAdd)
                                        {
                                            ::SetDlgItemTextA(hAdd, IDC_USERID_ID, "id20");
                                            ::SetDlgItemTextA(hAdd, IDC_USERID_PASSWORD, "pw");
                                            Click(hAdd, IDCANCEL);
                                        });
                        Click(hDialog, IDC_USERID_ADD);
                        dialog.GetList().SelectSingleItem(-1);
                        read(dialog);
                        Click(hDialog, IDCANCEL);
                    });
    Doc()->EditWithDialog(dialog);
    EXPECT_EQ((std::vector<bool>{true, true, true, true, true, true, false, false}), states);

    ASSERT_TRUE(Doc()->Add(Account("id20")));
    states.clear();
    CUserIdManageDialog full(Frame());
    WhenDialogShows(IDC_USERID_ADD,
                    [&](HWND hDialog)
                    {
                        read(full);
                        SelectRow(::GetDlgItem(hDialog, IDC_USERID_LIST), 19);
                        Click(hDialog, IDC_USERID_DELETE);
                        read(full);
                        Click(hDialog, IDCANCEL);
                    });
    Doc()->EditWithDialog(full);
    EXPECT_EQ((std::vector<bool>{false, false, true, true, true, true, true, true}), states);
}

TEST_F(UserIdWindows, ASwitchAsksTestsAndKeepsEachIdsRecordsApart)
{
    StoreMemo("x100", "first's memo");
    CMessageBoxes boxes({IDYES, IDOK, IDYES, IDOK, IDYES, IDOK});
    std::string caption;
    WhenDialogShows(IDC_LOGIN_TEST_ABORT, [&](HWND hTest) { caption = WindowText(hTest); });
    Switch(1);
    EXPECT_STREQ("demo_seller2", Doc()->GetCurrentUserID());
    EXPECT_EQ((std::vector<std::string>{Formatted(876, "demo_seller2"), LoadText(877)}), boxes.texts);
    boxes.texts.clear();
    CString expected;
    expected.Format(LoadText(IDS_SWITCHING_CAPTION).c_str(), "demo_seller2");
    EXPECT_EQ(std::string(expected), caption);
    EXPECT_EQ("(none)", MemoOf("x100"));
    StoreMemo("x100", "second's memo");

    Switch(0);
    EXPECT_STREQ("demo_seller1", Doc()->GetCurrentUserID());
    EXPECT_EQ("first's memo", MemoOf("x100"));
    Switch(1);
    EXPECT_EQ("second's memo", MemoOf("x100"));
}

TEST_F(UserIdWindows, NoOrARefusedPasswordLeavesTheCurrentId)
{
    ASSERT_TRUE(Doc()->Add(Account("demo_seller2b", "wrong")));
    StoreMemo("x100", "first's memo");
    struct Case
    {
        const char* name;
        int nIndex;
        std::deque<int> answers;
        std::vector<std::string> texts;
    } cases[] = {
        {"No", 1, {IDNO}, {Formatted(876, "demo_seller2")}},
        {"refused password",
         2,
         {IDYES, IDOK},
         {Formatted(876, "demo_seller2b"),
          LoadText(IDS_LOGIN_SERVER_ERROR, "IDまたはパスワードが正しくありません。"), LoadText(878)}},
    };
    for (Case& c : cases)
    {
        ASSERT_TRUE(StandIn::Reset());
        CMessageBoxes boxes(c.answers);
        Switch(c.nIndex);
        EXPECT_EQ(c.texts, boxes.texts) << c.name;
        EXPECT_STREQ("demo_seller1", Doc()->GetCurrentUserID()) << c.name;
        EXPECT_EQ("first's memo", MemoOf("x100")) << c.name;
        if (c.answers.front() == IDNO)
        {
            EXPECT_TRUE(StandIn::Log().empty()) << c.name << ": no log-in runs";
        }
    }
}
