// The send-target display dialog: one column of the entries that have a
// text, the first selected, the column fitted to the list, and its button
// closing the dialog with OK.
#ifdef _WIN32
#include "SendTargetTestResources.h"
#include "afx/Profile.h"
#include "app/DialogProfile.h"
#include "app/DialogTestUtil.h"
#include "app/TestAppComm.h"
#include "auction/dialogs/SendTargetDisplayBaseDialog.h"
#include "auction/dialogs/ValueTextConverter.h"

#include <gtest/gtest.h>

namespace
{
// Entries are texts; an empty one has no text.
class CTextConverter : public CValueTextConverter
{
public:
    BOOL GetText(const void* pValue, CString& out) override
    {
        out = (const char*)pValue;
        return !out.IsEmpty();
    }
};

class CTestSendTargetDialog : public CSendTargetDisplayBaseDialog
{
public:
    explicit CTestSendTargetDialog(CValueTextConverter* pConverter)
        : CSendTargetDisplayBaseDialog(IDD_TEST_SEND_TARGETS, pConverter, nullptr,
                                       IDD_TEST_SEND_TARGETS_SETTINGS)
    {
    }
    UINT GetColumnTitleId(int) override { return IDS_TEST_SEND_TARGET_TITLE; }
};
} // namespace

TEST(SendTargetDisplayDialog, ListsTheEntriesWithTextsAndClosesWithOk)
{
    CTestAppComm app;
    app.SetRegistryKey(g_szCompanyName);
    app.InitProfileName();
    AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(IDD_TEST_SEND_TARGETS_SETTINGS)),
                     nullptr);

    CTextConverter converter;
    CTestSendTargetDialog dialog(&converter);
    dialog.AddEntry((void*)"buyer_one");
    dialog.AddEntry((void*)"");
    dialog.AddEntry((void*)"落札者２");
    CTestSendTargetDialog* p = &dialog;
    CallWhenShown(&dialog.m_hWnd,
                  [p]
                  {
                      CRect rc;
                      p->GetWindowRect(&rc);
                      EXPECT_EQ(600, rc.Width());
                      EXPECT_EQ(400, rc.Height());
                      CCommListCtrl& list = p->GetList();
                      ASSERT_EQ(1, list.GetColumnCount());
                      char szTitle[64] = {};
                      LVCOLUMNA column = {};
                      column.mask = LVCF_TEXT;
                      column.pszText = szTitle;
                      column.cchTextMax = sizeof(szTitle);
                      list.GetColumn(0, &column);
                      CString strTitle;
                      strTitle.LoadString(IDS_TEST_SEND_TARGET_TITLE);
                      EXPECT_STREQ(strTitle, szTitle);
                      ASSERT_EQ(2, list.GetItemCount());
                      EXPECT_STREQ("buyer_one", list.GetItemText(0, 0));
                      EXPECT_STREQ("落札者２", list.GetItemText(1, 0));
                      EXPECT_TRUE(list.IsRowSelected(0));
                      CRect rcClient;
                      list.GetClientRect(&rcClient);
                      EXPECT_EQ(rcClient.Width(), list.GetColumnWidth(0));

                      // Wider: the column follows.
                      p->SetWindowPos(nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
                      list.GetClientRect(&rcClient);
                      EXPECT_EQ(rcClient.Width(), list.GetColumnWidth(0));
                      p->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_SEND_TARGET_CLOSE, BN_CLICKED),
                                     (LPARAM)p->GetDlgItem(IDC_SEND_TARGET_CLOSE)->m_hWnd);
                  });
    EXPECT_EQ(IDOK, dialog.DoModal());
    AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(IDD_TEST_SEND_TARGETS_SETTINGS)),
                     nullptr);
}
#endif // _WIN32
