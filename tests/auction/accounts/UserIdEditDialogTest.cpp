// The user-ID entry dialog on real windows, driven by control id and
// message: what it refuses, where the focus goes then, its log-in test when
// a password changed, and an existing entry whose ID cannot change.
#ifdef _WIN32
#include "AccountTestUtil.h"
#include "UserIdDialogTestUtil.h"

using UserIdEditDialogTest = UserIdDialogTest;

TEST_F(UserIdEditDialogTest, EntryDialogRefusesWhatItCannotKeep)
{
    const std::string s33(33, 'p');
    const struct
    {
        const char* name;
        const char* id;
        const char* password;
        UINT nMessage;
        int nField;
    } cases[] = {
        {"empty ID", "", "pw", IDS_USERID_EMPTY, IDC_USERID_ID},
        {"two-byte ID", "たろう", "pw", IDS_USERID_NOT_ASCII, IDC_USERID_ID},
        {"half-width katakana", "ﾀﾛｳ", "pw", IDS_USERID_NOT_ASCII, IDC_USERID_ID},
        {"ID in the list in another case", "TARO", "pw", IDS_USERID_EXISTS, 0},
        {"empty password", "jiro", "", IDS_USERID_EMPTY, IDC_USERID_PASSWORD},
        {"two-byte password", "jiro", "パス", IDS_USERID_NOT_ASCII, IDC_USERID_PASSWORD},
        {"33-byte password", "jiro", s33.c_str(), IDS_PASSWORD_TOO_LONG, IDC_USERID_PASSWORD},
    };
    for (const auto& c : cases)
    {
        std::string shown;
        DWORD dwSelection = 0;
        int nFieldLength = 0;
        g_editScripts.push_back(
            [&](CDialog* pDialog)
            {
                Fill(pDialog, c.id, c.password, "メモ");
                shown = PressAndAnswer(pDialog, IDOK, IDOK);
                if (c.nField != 0)
                {
                    dwSelection = (DWORD)pDialog->SendDlgItemMessage(c.nField, EM_GETSEL);
                    WCHAR szField[64] = {};
                    nFieldLength = ::GetWindowTextW(::GetDlgItem(pDialog->m_hWnd, c.nField), szField, 64);
                }
                pDialog->EndDialog(IDCANCEL);
            });
        CTestEditDialog dialog(nullptr);
        dialog.AddExistingId("Taro");
        EXPECT_EQ(IDCANCEL, dialog.DoModal()) << c.name;
        EXPECT_EQ(LoadText(c.nMessage), shown) << c.name;
        EXPECT_TRUE(g_verified.empty()) << c.name;
        if (c.nField != 0)
        {
            // The field refused gets the focus with its whole text selected
            // (the focus itself goes with the foreground, which programs
            // running at once take from each other).
            EXPECT_EQ(0u, LOWORD(dwSelection)) << c.name;
            EXPECT_EQ((UINT)nFieldLength, (UINT)HIWORD(dwSelection)) << c.name;
        }
    }
}

TEST_F(UserIdEditDialogTest, NewEntryIsVerifiedEachTimeUntilItPasses)
{
    int nOpenAfterRefusal = 0;
    g_editScripts.push_back(
        [&](CDialog* pDialog)
        {
            Fill(pDialog, "jiro", "secret", "二郎");
            g_bVerifyResult = FALSE;
            pDialog->SendMessage(WM_COMMAND, IDOK);
            nOpenAfterRefusal = pDialog->ContinueModal();
            // The same password again is tested again.
            g_bVerifyResult = TRUE;
            pDialog->SendMessage(WM_COMMAND, IDOK);
        });
    CTestEditDialog dialog(nullptr);
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(nOpenAfterRefusal);
    EXPECT_EQ((std::vector<std::string>{"jiro/secret", "jiro/secret"}), g_verified);
    CUserAccount account;
    ASSERT_TRUE(dialog.GetEntry(account));
    EXPECT_EQ(CString("jiro"), account.GetID());
    EXPECT_EQ(CString("secret"), account.GetPassword());
    EXPECT_EQ(CString("二郎"), account.GetMemo());
}

TEST_F(UserIdEditDialogTest, ExistingEntryShowsItsIdReadOnlyAndIsVerifiedOnlyForANewPassword)
{
    const struct
    {
        const char* name;
        const char* password;
        std::vector<std::string> verified;
    } cases[] = {
        {"memo only", nullptr, {}},
        {"new password", "other", {"Taro/other"}},
    };
    for (const auto& c : cases)
    {
        g_verified.clear();
        std::string idShown, passwordShown, memoShown;
        BOOL bEditVisible = TRUE, bStaticVisible = FALSE;
        UINT nMemoLimit = 0, nPasswordLimit = 0;
        g_editScripts.push_back(
            [&](CDialog* pDialog)
            {
                HWND hWnd = pDialog->m_hWnd;
                idShown = Text(::GetDlgItem(hWnd, IDC_USERID_ID_STATIC));
                passwordShown = Text(::GetDlgItem(hWnd, IDC_USERID_PASSWORD));
                memoShown = Text(::GetDlgItem(hWnd, IDC_USERID_MEMO));
                bEditVisible = ::IsWindowVisible(::GetDlgItem(hWnd, IDC_USERID_ID));
                bStaticVisible = ::IsWindowVisible(::GetDlgItem(hWnd, IDC_USERID_ID_STATIC));
                nMemoLimit = (UINT)pDialog->SendDlgItemMessage(IDC_USERID_MEMO, EM_GETLIMITTEXT);
                nPasswordLimit = (UINT)pDialog->SendDlgItemMessage(IDC_USERID_PASSWORD, EM_GETLIMITTEXT);
                Fill(pDialog, nullptr, c.password, "新しいメモ");
                pDialog->SendMessage(WM_COMMAND, IDOK);
            });
        CTestEditDialog dialog(nullptr);
        dialog.SetEditExisting(1);
        dialog.SetEntry(Account("Taro", "pw", "前のメモ"));
        dialog.AddExistingId("taro"); // its own ID is no duplicate when it cannot change
        ASSERT_EQ(IDOK, dialog.DoModal()) << c.name;
        EXPECT_EQ("Taro", idShown) << c.name;
        EXPECT_EQ("pw", passwordShown) << c.name;
        EXPECT_EQ("前のメモ", memoShown) << c.name;
        EXPECT_FALSE(bEditVisible) << c.name;
        EXPECT_TRUE(bStaticVisible) << c.name;
        EXPECT_EQ(60u, nMemoLimit) << c.name;
        EXPECT_EQ(32u, nPasswordLimit) << c.name;
        EXPECT_EQ(c.verified, g_verified) << c.name;
        CUserAccount account;
        ASSERT_TRUE(dialog.GetEntry(account));
        EXPECT_EQ(CString("新しいメモ"), account.GetMemo()) << c.name;
        EXPECT_EQ(CString("Taro"), account.GetID()) << c.name;
    }
}
#endif // _WIN32
