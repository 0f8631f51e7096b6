// The find dialog over a list, as Ctrl+F, F3 and Shift+F3 run it: the
// text typed, the match-case box, the row selected, the status text, the
// history and the option kept, and Cancel.
#include <gtest/gtest.h>

#include "afx/MessageBox.h"
#include "afx/Profile.h"
#include "app/DialogProfile.h"
#include "app/DialogResourceIds.h"
#include "app/DialogTestUtil.h"
#include "app/ProfileTestUtil.h"
#include "app/TestAppComm.h"
#include "client/FindController.h"
#include "client/FindResourceIds.h"
#include "client/OptionSettings.h"
#include "controls/ControlsResourceIds.h"
#include "controls/ListTestHost.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
const char kRegistryKey[] = "Tanzo Find Dialog Test";
const char kRoot[] = "Software\\Tanzo Find Dialog Test";

// Searches the rows of a list as the pages do.
class CListFind : public CFindController
{
public:
    explicit CListFind(CCommListCtrl& list) : m_list(list) {}
    BOOL FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward, int nStartRow) override
    {
        return m_list.FindNextAndSelect(lpszText, nStartRow, -1, bMatchCase, bUpward);
    }
    void ShowFindStatus(LPCTSTR lpszText) override { statuses.push_back(lpszText); }

    std::vector<std::string> statuses;

private:
    CCommListCtrl& m_list;
};

BOOL CALLBACK TakeFindDialog(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, IDC_FIND_SEARCH) != nullptr)
    {
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The find dialog of this thread once it shows.
HWND FindDialogWindow()
{
    HWND hFound = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeFindDialog, (LPARAM)&hFound);
    return hFound;
}

// Runs steps inside the find dialog once it shows.
void WhenFindDialogShows(std::function<void(HWND)> steps, int nTries = 500)
{
    CallSoon(
        [=]
        {
            HWND hDlg = FindDialogWindow();
            if (hDlg != nullptr)
            {
                EndDialogAfter(hDlg);
                steps(hDlg);
            }
            else if (nTries > 0)
                WhenFindDialogShows(steps, nTries - 1);
        },
        20);
}

void Click(HWND hDlg, int nID)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nID));
}

std::string Status(const char* text)
{
    CString status;
    status.Format(IDS_FIND_STATUS, text);
    return (LPCTSTR)status;
}

class FindDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxProfileDelete(kRoot, nullptr);
        app.SetRegistryKey(kRegistryKey);
        app.InitProfileName();
        options = std::make_unique<COptionSettings>();
        ASSERT_TRUE(host.Open());
        AddColumns(list, {100, 100});
        AddRows(list, {{"Camera body", "a"}, {"camera lens", "b"}, {"Tripod", "c"}, {"bag", "CAMERA"}});
        find.SetOptions(options.get());
    }
    void TearDown() override
    {
        host.DestroyWindow();
        PumpPending();
        options.reset();
        AfxProfileDelete(kRoot, nullptr);
    }
    // Ctrl+F with the text typed and the box ticked or not; what the dialog
    // showed first.
    BOOL FindTyped(const char* text, bool matchCase, std::string* pCaption = nullptr, bool* pTicked = nullptr)
    {
        WhenFindDialogShows(
            [=](HWND hDlg)
            {
                char szCaption[64] = {};
                ::GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
                if (pCaption != nullptr)
                    *pCaption = szCaption;
                if (pTicked != nullptr)
                    *pTicked = ::IsDlgButtonChecked(hDlg, IDC_FIND_MATCH_CASE) == BST_CHECKED;
                ::SetDlgItemTextA(hDlg, IDC_FIND_TEXT, text);
                ::CheckDlgButton(hDlg, IDC_FIND_MATCH_CASE, matchCase ? BST_CHECKED : BST_UNCHECKED);
                Click(hDlg, IDC_FIND_SEARCH);
            });
        return find.Find(&host);
    }

    CTestAppComm app{"FindDialogTest"};
    std::unique_ptr<COptionSettings> options;
    CCommListCtrl list;
    CListHost host{list, kTestListStyle & ~LVS_OWNERDRAWFIXED};
    CListFind find{list};
};
} // namespace

TEST_F(FindDialog, FindsFromTheFirstRowThenGoesOnDownAndUp)
{
    list.SelectSingleItem(2);
    std::string caption;
    bool ticked = true;
    EXPECT_TRUE(FindTyped("camera", false, &caption, &ticked));
    EXPECT_EQ("検索", caption);
    EXPECT_FALSE(ticked);
    EXPECT_EQ(0, list.GetCurrentRow());
    EXPECT_TRUE(find.FindAgain(FALSE));
    EXPECT_EQ(1, list.GetCurrentRow());
    EXPECT_TRUE(find.FindAgain(FALSE));
    EXPECT_EQ(3, list.GetCurrentRow());
    // Nothing below the last row: the selection stays, the status clears.
    EXPECT_FALSE(find.FindAgain(FALSE));
    EXPECT_EQ(3, list.GetCurrentRow());
    EXPECT_TRUE(find.FindAgain(TRUE));
    EXPECT_EQ(1, list.GetCurrentRow());
    EXPECT_EQ((std::vector<std::string>{Status("camera"), Status("camera"), Status("camera"), "",
                                        Status("camera")}),
              find.statuses);
    EXPECT_EQ("camera", StoredProfileValue(app, GetDialogProfileSection(IDD_FIND_SECTION), "FindString01"));
}

TEST_F(FindDialog, TheMatchCaseBoxIsKeptForTheNextSearches)
{
    EXPECT_TRUE(FindTyped("camera", true));
    EXPECT_EQ(1, list.GetCurrentRow());
    EXPECT_FALSE(find.FindAgain(FALSE)) << "CAMERA does not match";
    EXPECT_EQ(1, list.GetCurrentRow());

    bool ticked = false;
    EXPECT_TRUE(FindTyped("CAMERA", true, nullptr, &ticked));
    EXPECT_TRUE(ticked);
    EXPECT_EQ(3, list.GetCurrentRow());
    options.reset();
    EXPECT_EQ("1", StoredProfileValue(app, "Settings", "FindOption"));
}

TEST_F(FindDialog, CancelSearchesNothingAndAnEmptyTextKeepsTheDialogOpen)
{
    list.SelectSingleItem(2);
    std::vector<bool> stillOpen;
    WhenFindDialogShows(
        [&](HWND hDlg)
        {
            Click(hDlg, IDC_FIND_SEARCH);
            stillOpen.push_back(::IsWindowVisible(hDlg) != FALSE);
            Click(hDlg, IDCANCEL);
        });
    static std::vector<std::string> boxes;
    boxes.clear();
    AFX_MESSAGEBOX_HOOK pfnOld = AfxSetMessageBoxHook(
        [](LPCTSTR lpszText, UINT nType, void*)
        {
            boxes.push_back(lpszText);
            return AfxDefaultMessageBoxAnswer(nType);
        });
    EXPECT_FALSE(find.Find(&host));
    AfxSetMessageBoxHook(pfnOld);
    EXPECT_EQ(1u, boxes.size());
    EXPECT_EQ(std::vector<bool>{true}, stillOpen);
    EXPECT_EQ(2, list.GetCurrentRow());
    EXPECT_TRUE(find.statuses.empty());
}
