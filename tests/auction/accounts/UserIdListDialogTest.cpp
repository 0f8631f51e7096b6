// The user-ID list dialog on real windows, driven by control id and
// message: its rows, columns and buttons, adding, editing and deleting with
// their questions, Cancel after a change, the links to the users' pages,
// the context menu, the log-in test of a row, and the account list edited
// through it.
#ifdef _WIN32
#include "AccountTestUtil.h"
#include "UserIdDialogTestUtil.h"

#include "afx/MsgMap.h"
#include "app/ClipboardShell.h"
#include "auction/accounts/UserAccountList.h"
#include "auction/accounts/UserIdListDialog.h"
#include "auction/records/AuctionItem.h"

namespace
{
class CTestListDialog : public CUserIdListDialog
{
public:
    explicit CTestListDialog(UINT nTemplate = IDD_TEST_USERID_LIST) : CUserIdListDialog(nTemplate, nullptr, 0)
    {
    }

    CUserIdEditDialog* CreateEditDialog(CWnd* pParent) override
    {
        ++m_nEditDialogs;
        return new CTestEditDialog(pParent);
    }
    UINT GetContextMenuId() override { return IDR_TEST_USERID_MENU; }
    BOOL OnInitDialog() override
    {
        CUserIdListDialog::OnInitDialog();
        if (m_script)
            CallWhenShown(&m_hWnd, [this] { m_script(this); });
        return TRUE;
    }

    std::function<void(CTestListDialog*)> m_script;
    int m_nEditDialogs = 0;
};

class UserIdListDialogTest : public UserIdDialogTest
{
protected:
    static void AddThree(CTestListDialog& dialog)
    {
        dialog.AddEntry(Account("alpha", "pw-a", "一つ目"));
        dialog.AddEntry(Account("Beta", "pw-b", "二つ目"));
        dialog.AddEntry(Account("gamma", "pw-c", ""));
    }
    static std::vector<std::string> Rows(CTestListDialog* pDialog)
    {
        std::vector<std::string> rows;
        CCommListCtrl& list = pDialog->GetList();
        for (int i = 0; i < list.GetItemCount(); ++i)
            rows.push_back(std::string(list.GetItemText(i, 0)) + "|" + (LPCTSTR)list.GetItemText(i, 1));
        return rows;
    }
    static BOOL IsEnabled(CDialog* pDialog, int nID)
    {
        return ::IsWindowEnabled(::GetDlgItem(pDialog->m_hWnd, nID));
    }
    static void Select(CTestListDialog* pDialog, int nRow) { pDialog->GetList().SelectSingleItem(nRow); }
};
} // namespace

TEST_F(UserIdListDialogTest, ListShowsTheEntriesWithTheirColumnsAndSelectsTheFirst)
{
    WriteDialogProfileInt(IDD_TEST_USERID_LIST, "ColumnWidth02", 120);
    std::vector<std::string> rows, headers;
    int nSelected = -1, nWidth0 = 0, nWidth1 = 0, nStyle0 = 0;
    CRect rcWindow;
    COLORREF crLink = 0;
    BOOL bEditEnabled = FALSE, bCheckEnabled = FALSE;
    CTestListDialog dialog;
    AddThree(dialog);
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        rows = Rows(pDialog);
        CCommListCtrl& list = pDialog->GetList();
        for (int i = 0; i < 2; ++i)
        {
            char szTitle[64] = {};
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT;
            column.pszText = szTitle;
            column.cchTextMax = sizeof(szTitle);
            list.SendMessage(LVM_GETCOLUMNA, (WPARAM)i, (LPARAM)&column);
            headers.push_back(szTitle);
        }
        nWidth0 = list.GetColumnWidth(0);
        nWidth1 = list.GetColumnWidth(1);
        nStyle0 = list.GetColumnStyle(0);
        crLink = list.FindColumnTextColor(0);
        nSelected = pDialog->GetSelectedRow();
        pDialog->GetWindowRect(rcWindow);
        bEditEnabled = IsEnabled(pDialog, IDC_USERID_EDIT);
        bCheckEnabled = IsEnabled(pDialog, IDC_USERID_CHECK);
        list.SetColumnWidth(0, 150);
        pDialog->EndDialog(IDCANCEL);
    };
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"alpha|一つ目", "Beta|二つ目", "gamma|"}), rows);
    EXPECT_EQ((std::vector<std::string>{LoadText(IDS_USERID_COLUMN_ID), LoadText(IDS_USERID_COLUMN_MEMO)}),
              headers);
    EXPECT_EQ(185, nWidth0);
    EXPECT_EQ(120, nWidth1);
    EXPECT_EQ(0x10004, nStyle0);
    EXPECT_EQ((COLORREF)0xFF0000, crLink);
    EXPECT_EQ(0, nSelected);
    // Larger than its template on the first run.
    EXPECT_EQ(510, rcWindow.Width());
    EXPECT_EQ(310, rcWindow.Height());
    EXPECT_TRUE(bEditEnabled);
    EXPECT_TRUE(bCheckEnabled);
    // The widths are kept for the next time.
    EXPECT_EQ(150, GetDialogProfileInt(IDD_TEST_USERID_LIST, "ColumnWidth01", 0));
    EXPECT_EQ(120, GetDialogProfileInt(IDD_TEST_USERID_LIST, "ColumnWidth02", 0));
    EXPECT_FALSE(dialog.IsChanged());
}

TEST_F(UserIdListDialogTest, EmptyListLeavesTheRowButtonsGreyed)
{
    for (UINT nTemplate : {IDD_TEST_USERID_LIST, IDD_TEST_USERID_LIST_PLAIN})
    {
        BOOL bEdit = TRUE, bDelete = TRUE, bCheck = TRUE, bAdd = FALSE;
        CTestListDialog dialog(nTemplate);
        dialog.m_script = [&](CTestListDialog* pDialog)
        {
            bAdd = IsEnabled(pDialog, IDC_USERID_ADD);
            bEdit = IsEnabled(pDialog, IDC_USERID_EDIT);
            bDelete = IsEnabled(pDialog, IDC_USERID_DELETE);
            bCheck = ::GetDlgItem(pDialog->m_hWnd, IDC_USERID_CHECK) != nullptr &&
                     IsEnabled(pDialog, IDC_USERID_CHECK);
            pDialog->EndDialog(IDCANCEL);
        };
        EXPECT_EQ(IDCANCEL, dialog.DoModal()) << nTemplate;
        EXPECT_TRUE(bAdd) << nTemplate;
        EXPECT_FALSE(bEdit) << nTemplate;
        EXPECT_FALSE(bDelete) << nTemplate;
        EXPECT_FALSE(bCheck) << nTemplate;
    }
}

TEST_F(UserIdListDialogTest, AddedEntryIsVerifiedAndComesBackAsAdded)
{
    std::string duplicate;
    std::vector<std::string> rows;
    g_editScripts.push_back(
        [&](CDialog* pDialog)
        {
            Fill(pDialog, "BETA", "pw", "");
            duplicate = PressAndAnswer(pDialog, IDOK, IDOK);
            Fill(pDialog, "delta", "pw-d", "四つ目");
            pDialog->SendMessage(WM_COMMAND, IDOK);
        });
    CTestListDialog dialog;
    AddThree(dialog);
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USERID_ADD, BN_CLICKED));
        rows = Rows(pDialog);
        pDialog->SendMessage(WM_COMMAND, IDOK);
    };
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(LoadText(IDS_USERID_EXISTS), duplicate);
    EXPECT_EQ((std::vector<std::string>{"delta/pw-d"}), g_verified);
    EXPECT_EQ((std::vector<std::string>{"alpha|一つ目", "Beta|二つ目", "gamma|", "delta|四つ目"}), rows);
    EXPECT_TRUE(dialog.IsChanged());
    EXPECT_EQ(3, dialog.GetEntryCount());
    EXPECT_FALSE(dialog.IsModified(-1));
    ASSERT_EQ(1, dialog.GetAddedCount());
    CUserAccount added;
    ASSERT_TRUE(dialog.GetAddedEntry(0, added));
    EXPECT_EQ(CString("delta"), added.GetID());
    EXPECT_EQ(CString("pw-d"), added.GetPassword());
}

TEST_F(UserIdListDialogTest, MemoEditOfTheSecondRowReportsEntryOneModified)
{
    std::vector<std::string> rows;
    g_editScripts.push_back(
        [&](CDialog* pDialog)
        {
            Fill(pDialog, nullptr, nullptr, "メモを変えた");
            pDialog->SendMessage(WM_COMMAND, IDOK);
        });
    CTestListDialog dialog;
    AddThree(dialog);
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        Select(pDialog, 1);
        pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USERID_EDIT, BN_CLICKED));
        rows = Rows(pDialog);
        pDialog->SendMessage(WM_COMMAND, IDOK);
    };
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(g_verified.empty()); // the password stayed
    EXPECT_EQ("Beta|メモを変えた", rows[1]);
    EXPECT_TRUE(dialog.IsModified(1));
    EXPECT_FALSE(dialog.IsModified(0));
    EXPECT_EQ(0, dialog.GetAddedCount());
    CUserAccount entry;
    ASSERT_TRUE(dialog.GetEntry(1, entry));
    EXPECT_EQ(CString("pw-b"), entry.GetPassword());
    EXPECT_EQ(CString("メモを変えた"), entry.GetMemo());
}

TEST_F(UserIdListDialogTest, DeleteAsksAndSelectsTheNewLastRow)
{
    std::string question;
    std::vector<std::string> afterNo, afterYes;
    int nSelected = -1;
    CTestListDialog dialog;
    AddThree(dialog);
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        Select(pDialog, 2);
        question = PressAndAnswer(pDialog, IDC_USERID_DELETE, IDNO);
        afterNo = Rows(pDialog);
        PressAndAnswer(pDialog, IDC_USERID_DELETE, IDYES);
        afterYes = Rows(pDialog);
        nSelected = pDialog->GetSelectedRow();
        pDialog->SendMessage(WM_COMMAND, IDOK);
    };
    ASSERT_EQ(IDOK, dialog.DoModal());
    CString strExpected;
    strExpected.FormatMessage(IDS_USERID_DELETE, "gamma");
    EXPECT_EQ(std::string(strExpected), question);
    EXPECT_EQ(3u, afterNo.size());
    EXPECT_EQ((std::vector<std::string>{"alpha|一つ目", "Beta|二つ目"}), afterYes);
    EXPECT_EQ(1, nSelected);
    EXPECT_EQ(2, dialog.GetEntryCount());
    EXPECT_FALSE(dialog.HasEntry("gamma"));
}

TEST_F(UserIdListDialogTest, CancelAfterAChangeAsksFirst)
{
    const struct
    {
        const char* name;
        BOOL bChange;
        std::vector<int> answers; // to the question, in order
        std::vector<std::string> shown;
    } cases[] = {
        {"no change", FALSE, {IDNO}, {""}},
        {"change, No then Yes",
         TRUE,
         {IDNO, IDYES},
         {LoadText(IDS_USERID_CANCEL_CHANGES), LoadText(IDS_USERID_CANCEL_CHANGES)}},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> shown;
        std::vector<BOOL> open;
        CTestListDialog dialog;
        AddThree(dialog);
        dialog.m_script = [&](CTestListDialog* pDialog)
        {
            if (c.bChange)
                PressAndAnswer(pDialog, IDC_USERID_DELETE, IDYES);
            for (int nAnswer : c.answers)
            {
                if (!::IsWindow(pDialog->m_hWnd))
                    break;
                // Without a change no box comes; a short wait shows it.
                shown.push_back(PressAndAnswer(pDialog, IDCANCEL, nAnswer, c.bChange ? 20000 : 1000));
                open.push_back(::IsWindowVisible(pDialog->m_hWnd));
            }
        };
        EXPECT_EQ(IDCANCEL, dialog.DoModal()) << c.name;
        EXPECT_EQ(c.shown, shown) << c.name;
        if (c.bChange)
        {
            EXPECT_TRUE(open[0]) << c.name;
        }
    }
}

TEST_F(UserIdListDialogTest, LinksOpenAndCopyTheSellerPage)
{
    static std::vector<std::string> opened;
    opened.clear();
    SHELL_OPEN_HOOK pfnOld = SetShellOpenHook(
        [](LPCTSTR target, HWND)
        {
            opened.push_back(target);
            return (INT_PTR)33;
        });
    CString strBeta, strGamma;
    ASSERT_TRUE(MakeSellerPageURL("Beta", strBeta));
    ASSERT_TRUE(MakeSellerPageURL("gamma", strGamma));
    std::string copied;
    BOOL bEnabledWithout = TRUE, bEnabledWith = FALSE;
    {
        CClipboardTestLock lock;
        CTestListDialog dialog;
        AddThree(dialog);
        dialog.m_script = [&](CTestListDialog* pDialog)
        {
            // A click on the link text of a row.
            pDialog->SendMessage(WM_LIST_LINKCLICKED, 2, 0);
            pDialog->SendMessage(WM_LIST_LINKCLICKED, 2, 1); // the memo is no link
            pDialog->GetList().SetItemState(-1, 0, LVIS_SELECTED);
            bEnabledWithout = pDialog->IsCommandEnabled(ID_LINK_COPY);
            Select(pDialog, 1);
            bEnabledWith = pDialog->IsCommandEnabled(ID_LINK_OPEN) && pDialog->IsCommandEnabled(ID_LINK_COPY);
            pDialog->SendMessage(WM_COMMAND, ID_LINK_OPEN);
            pDialog->SendMessage(WM_COMMAND, ID_LINK_COPY);
            CString strText;
            GetClipboardText(strText, pDialog->m_hWnd, FALSE);
            copied = (LPCTSTR)strText;
            pDialog->EndDialog(IDCANCEL);
        };
        dialog.DoModal();
    }
    SetShellOpenHook(pfnOld);
    EXPECT_EQ((std::vector<std::string>{std::string(strGamma), std::string(strBeta)}), opened);
    EXPECT_EQ(std::string(strBeta), copied);
    EXPECT_FALSE(bEnabledWithout);
    EXPECT_TRUE(bEnabledWith);
}

TEST_F(UserIdListDialogTest, ContextMenuOfTheListIsTheClientsMenu)
{
    std::vector<UINT> items;
    BOOL bShown = FALSE;
    CTestListDialog dialog;
    AddThree(dialog);
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        CloseMenuSoon(&bShown,
                      [&](HWND hMenuWindow)
                      {
                          HMENU hMenu = (HMENU)::SendMessageA(hMenuWindow, MN_GETHMENU, 0, 0);
                          for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
                              items.push_back(::GetMenuItemID(hMenu, i));
                      });
        pDialog->SendMessage(WM_CONTEXTMENU, (WPARAM)pDialog->GetList().m_hWnd, MAKELPARAM(-1, -1));
        pDialog->EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_TRUE(bShown);
    // Away from a cell the link items are not put on top.
    std::vector<UINT> tail(items.end() - std::min<size_t>(items.size(), 2), items.end());
    EXPECT_EQ((std::vector<UINT>{ID_TEST_USERID_ADD, ID_TEST_USERID_EDIT}), tail);
}

TEST_F(UserIdListDialogTest, CheckButtonTestsTheSelectedAccountWithoutTheEntryDialog)
{
    int nEditDialogs = 0;
    CTestListDialog dialog;
    AddThree(dialog);
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        Select(pDialog, 1);
        pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USERID_CHECK, BN_CLICKED));
        nEditDialogs = pDialog->m_nEditDialogs;
        pDialog->EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_EQ((std::vector<std::string>{"Beta/pw-b"}), g_verified);
    EXPECT_EQ(1, nEditDialogs);
    EXPECT_TRUE(g_editScripts.empty());
}

TEST_F(UserIdListDialogTest, AccountListIsEditedThroughTheListDialog)
{
    CUserAccountList accounts;
    accounts.Add(Account("alpha", "pw-a", ""));
    accounts.Add(Account("Beta", "pw-b", ""));
    accounts.SetCurrentUserID("alpha");
    g_editScripts.push_back(
        [&](CDialog* pDialog)
        {
            Fill(pDialog, nullptr, "pw-b2", nullptr);
            pDialog->SendMessage(WM_COMMAND, IDOK);
        });
    g_editScripts.push_back(
        [&](CDialog* pDialog)
        {
            Fill(pDialog, "carol", "pw-c", "新規");
            pDialog->SendMessage(WM_COMMAND, IDOK);
        });
    CTestListDialog dialog;
    dialog.m_script = [&](CTestListDialog* pDialog)
    {
        Select(pDialog, 0);
        PressAndAnswer(pDialog, IDC_USERID_DELETE, IDYES); // alpha goes
        Select(pDialog, 0);
        pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USERID_EDIT, BN_CLICKED));
        pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_USERID_ADD, BN_CLICKED));
        pDialog->SendMessage(WM_COMMAND, IDOK);
    };
    ASSERT_TRUE(accounts.EditWithDialog(dialog));
    ASSERT_EQ(2, accounts.GetCount());
    CUserAccount account;
    ASSERT_TRUE(accounts.GetAt(0, account));
    EXPECT_EQ(CString("Beta"), account.GetID());
    EXPECT_EQ(CString("pw-b2"), account.GetPassword());
    ASSERT_TRUE(accounts.GetAt(1, account));
    EXPECT_EQ(CString("carol"), account.GetID());
    EXPECT_EQ(CString("新規"), account.GetMemo());
    EXPECT_EQ(CString("Beta"), accounts.GetCurrentUserID());
    EXPECT_EQ((std::vector<std::string>{"Beta/pw-b2", "carol/pw-c"}), g_verified);
}
#endif // _WIN32
