// A resizable dialog on the layout manager: it opens at its saved size,
// else its default size, never smaller than its template; its controls
// follow their anchors; it keeps its size in "Dialog\<id>" when it closes.
#ifdef _WIN32
#include "DialogTestUtil.h"
#include "TestAppComm.h"
#include "TestResources.h"

#include "afx/Menu.h"
#include "afx/Profile.h"
#include "app/BaseDialog.h"

#include <gtest/gtest.h>

namespace
{
class CResizeDialog : public CBaseDialog
{
public:
    CResizeDialog(int cxDefault, int cyDefault) : CBaseDialog(IDD_TEST_RESIZE)
    {
        EnableResize(TRUE, cxDefault, cyDefault);
    }
    void RegisterLayoutControls() override
    {
        CBaseDialog::RegisterLayoutControls();
        AddControl(IDC_TEST_LIST, ANCHOR_FILL);
        AddControl(IDC_TEST_RIGHT, ANCHOR_MOVE_X | ANCHOR_MOVE_X_QUARTER);
        AddControl(IDC_TEST_CENTRED, ANCHOR_BOTTOM_CENTRE);
        AddControl(IDOK, ANCHOR_BOTTOM_RIGHT);
        m_bRegisteredMissing = AddControl(12345, ANCHOR_FILL);
    }
    BOOL m_bRegisteredMissing = TRUE;
};

class DialogLayoutTest : public ::testing::Test
{
protected:
    DialogLayoutTest()
    {
        app.SetRegistryKey(g_szCompanyName);
        app.InitProfileName();
        Cleanup();
        // The template's own size, measured without the layout manager.
        CBaseDialog plain(IDD_TEST_RESIZE);
        plain.CreateModeless(nullptr);
        plain.GetWindowRect(&m_rcTemplate);
        plain.DestroyWindow();
    }
    ~DialogLayoutTest() override { Cleanup(); }
    void Cleanup()
    {
        AfxProfileDelete(app.GetProfileSectionKey(GetDialogProfileSection(IDD_TEST_RESIZE)), nullptr);
    }

    static CRect ChildRect(CWnd& dlg, int nID)
    {
        CRect rc;
        dlg.GetDlgItem(nID)->GetWindowRect(&rc);
        dlg.ScreenToClient(&rc);
        return rc;
    }
    static CRect WindowRect(CWnd& dlg)
    {
        CRect rc;
        dlg.GetWindowRect(&rc);
        return rc;
    }

    CTestAppComm app;
    CRect m_rcTemplate;
};

TEST_F(DialogLayoutTest, OpensAtSavedElseDefaultSizeNeverBelowTheTemplate)
{
    ASSERT_GT(m_rcTemplate.Width(), 100);
    const struct
    {
        const char* name;
        int cxDefault, cyDefault;
        int savedWidth, savedHeight; // 0: none saved
        int cxExpected, cyExpected;  // 0: the template's
    } cases[] = {
        {"no size of its own", 0, 0, 0, 0, 0, 0},
        {"default size", 500, 400, 0, 0, 500, 400},
        {"saved size wins", 500, 400, 620, 290, 620, 290},
        {"saved size below the template", 500, 400, 50, 40, 0, 0},
        {"default below the template", 60, 50, 0, 0, 0, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Cleanup();
        if (c.savedWidth != 0)
        {
            WriteDialogProfileInt(IDD_TEST_RESIZE, "Width", c.savedWidth);
            WriteDialogProfileInt(IDD_TEST_RESIZE, "Height", c.savedHeight);
        }
        CResizeDialog dlg(c.cxDefault, c.cyDefault);
        ASSERT_TRUE(dlg.CreateModeless(nullptr));
        const CRect rc = WindowRect(dlg);
        EXPECT_EQ(c.cxExpected != 0 ? c.cxExpected : m_rcTemplate.Width(), rc.Width());
        EXPECT_EQ(c.cyExpected != 0 ? c.cyExpected : m_rcTemplate.Height(), rc.Height());
        if (c.cxExpected == 0 && c.cxDefault == 0)
        {
            EXPECT_EQ(m_rcTemplate.TopLeft(), rc.TopLeft()); // nothing moved
        }
        dlg.DestroyWindow();
    }
}

TEST_F(DialogLayoutTest, ControlsFollowTheirAnchorsAndSizeIsKept)
{
    CResizeDialog dlg(0, 0);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    EXPECT_FALSE(dlg.m_bRegisteredMissing);
    EXPECT_TRUE(dlg.IsAttached());
    ASSERT_EQ(4, dlg.GetLayout()->GetItemCount());
    const CRect rcList = ChildRect(dlg, IDC_TEST_LIST);
    const CRect rcRight = ChildRect(dlg, IDC_TEST_RIGHT);
    const CRect rcCentred = ChildRect(dlg, IDC_TEST_CENTRED);
    const CRect rcOk = ChildRect(dlg, IDOK);

    const CRect rcWindow = WindowRect(dlg);
    dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width() + 100, rcWindow.Height() + 60);
    EXPECT_EQ(CRect(rcList.left, rcList.top, rcList.right + 100, rcList.bottom + 60),
              ChildRect(dlg, IDC_TEST_LIST));
    EXPECT_EQ(CRect(rcRight.left + 100, rcRight.top, rcRight.right + 100, rcRight.bottom),
              ChildRect(dlg, IDC_TEST_RIGHT));
    EXPECT_EQ(CRect(rcCentred.left + 50, rcCentred.top + 60, rcCentred.right + 50, rcCentred.bottom + 60),
              ChildRect(dlg, IDC_TEST_CENTRED));
    EXPECT_EQ(CRect(rcOk.left + 100, rcOk.top + 60, rcOk.right + 100, rcOk.bottom + 60),
              ChildRect(dlg, IDOK));

    // Minimising moves nothing.
    dlg.SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_EQ(CRect(rcOk.left + 100, rcOk.top + 60, rcOk.right + 100, rcOk.bottom + 60),
              ChildRect(dlg, IDOK));

    // Back to the template's size, every control is in its template place.
    dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height());
    EXPECT_EQ(rcList, ChildRect(dlg, IDC_TEST_LIST));
    EXPECT_EQ(rcOk, ChildRect(dlg, IDOK));

    dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width() + 30, rcWindow.Height() + 20);
    dlg.DestroyWindow();
    EXPECT_EQ(rcWindow.Width() + 30, GetDialogProfileInt(IDD_TEST_RESIZE, "Width", 0));
    EXPECT_EQ(rcWindow.Height() + 20, GetDialogProfileInt(IDD_TEST_RESIZE, "Height", 0));
}

TEST_F(DialogLayoutTest, NeverSmallerThanTheTemplate)
{
    CResizeDialog dlg(0, 0);
    ASSERT_TRUE(dlg.CreateModeless(nullptr));
    MINMAXINFO info = {};
    dlg.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&info);
    EXPECT_EQ(m_rcTemplate.Width(), info.ptMinTrackSize.x);
    EXPECT_EQ(m_rcTemplate.Height(), info.ptMinTrackSize.y);

    const CRect rcOk = ChildRect(dlg, IDOK);
    const CRect rcWindow = WindowRect(dlg);
    dlg.MoveWindow(rcWindow.left, rcWindow.top, 60, 40);
    EXPECT_GE(WindowRect(dlg).Width(), m_rcTemplate.Width());
    EXPECT_GE(WindowRect(dlg).Height(), m_rcTemplate.Height());
    EXPECT_EQ(rcOk, ChildRect(dlg, IDOK));

    // Without Restore, Minimize and Maximize.
    CMenu* pSystemMenu = dlg.GetSystemMenu(FALSE);
    for (UINT nCommand : {(UINT)SC_RESTORE, (UINT)SC_MINIMIZE, (UINT)SC_MAXIMIZE})
        EXPECT_EQ((UINT)-1, pSystemMenu->GetMenuState(nCommand, MF_BYCOMMAND)) << nCommand;
    EXPECT_NE((UINT)-1, pSystemMenu->GetMenuState(SC_CLOSE, MF_BYCOMMAND));
    dlg.DestroyWindow();

    // Switched off, the dialog keeps no size.
    Cleanup();
    CResizeDialog off(500, 400);
    off.EnableResize(FALSE);
    ASSERT_TRUE(off.CreateModeless(nullptr));
    EXPECT_EQ(m_rcTemplate.Size(), WindowRect(off).Size());
    off.DestroyWindow();
    EXPECT_EQ(-1, GetDialogProfileInt(IDD_TEST_RESIZE, "Width", -1));
}
} // namespace
#endif // _WIN32
