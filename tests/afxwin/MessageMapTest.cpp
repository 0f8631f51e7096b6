// Message maps: window messages reach their handlers with the arguments
// cracked as MFC's handlers take them; windows we did not create are
// reached through temporary wrappers and can be subclassed and given back;
// control notifications are reflected to the control's own object first.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
const UINT s_msgRegistered = ::RegisterWindowMessageA("TanzoAfxWinTest");

class CRecordingWnd : public CWnd
{
public:
    CString m_strLast;
    int m_nCreates = 0;
    int m_nDestroys = 0;

    BOOL CreateTop()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "テスト", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                        nullptr);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++m_nCreates;
        m_strLast.Format("create %s", lpcs->lpszName);
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnDestroy()
    {
        ++m_nDestroys;
        CWnd::OnDestroy();
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { m_strLast.Format("size %u %d %d", nType, cx, cy); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { m_strLast.Format("timer %u", (UINT)nIDEvent); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_strLast.Format("lbutton %u %ld %ld", nFlags, point.x, point.y);
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_strLast.Format("key %u %u %u", nChar, nRepCnt, nFlags);
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        m_strLast.Format("context %d %ld %ld", pWnd == this, pos.x, pos.y);
    }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_strLast.Format("wheel %u %d %ld %ld", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        m_strLast.Format("syscommand %x %ld", nID, (long)lParam);
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        lpMMI->ptMinTrackSize.x = 123;
        CWnd::OnGetMinMaxInfo(lpMMI);
    }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM lParam)
    {
        m_strLast.Format("app %d %d", (int)wParam, (int)lParam);
        return 77;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM)
    {
        m_strLast.Format("registered %d", (int)wParam);
        return 88;
    }
    void PostNcDestroy() override { m_strLast = "postncdestroy"; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_CONTEXTMENU()
ON_WM_MOUSEWHEEL()
ON_WM_SYSCOMMAND()
ON_WM_GETMINMAXINFO()
ON_MESSAGE(WM_APP + 5, OnApp)
ON_REGISTERED_MESSAGE(s_msgRegistered, OnRegistered)
END_MESSAGE_MAP()

TEST(MessageMap, WindowMessagesReachTheirHandlersCracked)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop());
    // The creation hook attached the object before WM_CREATE.
    EXPECT_EQ(1, wnd.m_nCreates);
    EXPECT_EQ(CString("create テスト"), wnd.m_strLast);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));

    struct Case
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* expected;
        LRESULT result;
    };
    const Case cases[] = {
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), "size 2 640 480", 0},
        {WM_TIMER, 4356, 0, "timer 4356", 0},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 12), "lbutton 5 -3 12", 0},
        {WM_KEYDOWN, VK_F5, MAKELPARAM(2, 0x3F), "key 116 2 63", 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-120), MAKELPARAM(10, 20), "wheel 8 -120 10 20", 1},
        {WM_SYSCOMMAND, SC_CLOSE, 5, "syscommand f060 5", 0},
        {WM_APP + 5, 3, 4, "app 3 4", 77},
        {s_msgRegistered, 9, 0, "registered 9", 88},
    };
    for (const Case& c : cases)
    {
        LRESULT result = wnd.SendMessage(c.message, c.wParam, c.lParam);
        EXPECT_EQ(CString(c.expected), wnd.m_strLast) << "message " << std::hex << c.message;
        EXPECT_EQ(c.result, result) << "message " << std::hex << c.message;
    }

    // WM_CONTEXTMENU names the window as a temporary or permanent object.
    wnd.SendMessage(WM_CONTEXTMENU, (WPARAM)wnd.m_hWnd, MAKELPARAM(100, 200));
    EXPECT_EQ(CString("context 1 100 200"), wnd.m_strLast);

    // A handler that passes the message on reaches the default procedure.
    MINMAXINFO mmi = {};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(123, mmi.ptMinTrackSize.x);

    // Unmapped messages go to DefWindowProc.
    wnd.SetWindowText("題名");
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_EQ(CString("題名"), strText);

    HWND hWnd = wnd.m_hWnd;
    ASSERT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(1, wnd.m_nDestroys);
    EXPECT_EQ(CString("postncdestroy"), wnd.m_strLast);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(MessageMap, ObjectThatCreatedItsWindowDestroysIt)
{
    HWND hWnd;
    {
        CRecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateTop());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(MessageMap, ForeignWindowsGetTemporaryWrappers)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "外の窓", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pWnd);
    EXPECT_EQ(hWnd, pWnd->m_hWnd);
    EXPECT_EQ(hWnd, pWnd->GetSafeHwnd());
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd)); // one wrapper per handle until idle
    CString strText;
    pWnd->GetWindowText(strText);
    EXPECT_EQ(CString("外の窓"), strText);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    CWnd* volatile pNoWindow = nullptr; // GetParent() of a top-level window, say
    EXPECT_EQ(nullptr, pNoWindow->GetSafeHwnd());

    // Idle time frees the wrappers; the window is not touched.
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd));
    CWnd* pAgain = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pAgain);
    EXPECT_EQ(hWnd, pAgain->m_hWnd);
    ::DestroyWindow(hWnd);
    CWnd::DeleteTempMap();
}

TEST(MessageMap, RelativesFollowParentsAndOwners)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    HWND hTop = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, hInst, nullptr);
    HWND hOwned = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, hTop, nullptr, hInst, nullptr);
    HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, hOwned, nullptr, hInst, nullptr);
    ASSERT_TRUE(hTop && hOwned && hChild);
    CWnd* pChild = CWnd::FromHandle(hChild);
    // The parent chain stops at the first window that is no child...
    EXPECT_EQ(hOwned, pChild->GetParentOwner()->GetSafeHwnd());
    // ...the top-level parent goes on through owners.
    EXPECT_EQ(hTop, pChild->GetTopLevelParent()->GetSafeHwnd());
    EXPECT_EQ(hTop, CWnd::FromHandle(hTop)->GetTopLevelParent()->GetSafeHwnd());
    ::DestroyWindow(hTop);
    CWnd::DeleteTempMap();
}

class CCountingEdit : public CWnd
{
public:
    int m_nSetText = 0;
    int m_nChars = 0;

protected:
    afx_msg LRESULT OnSetText(WPARAM, LPARAM)
    {
        ++m_nSetText;
        return Default();
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CWnd)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(MessageMap, SubclassedWindowIsGivenBackItsProcedure)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hEdit);
    LONG_PTR pfnOriginal = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    {
        CCountingEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
        ::SendMessageA(hEdit, WM_SETTEXT, 0, (LPARAM) "かな");
        ::SendMessageA(hEdit, WM_CHAR, 'a', 1);
        EXPECT_EQ(1, edit.m_nSetText);
        EXPECT_EQ(1, edit.m_nChars);
        CString strText;
        edit.GetWindowText(strText);
        EXPECT_EQ(CString("aかな"), strText); // the edit's own procedure ran (caret at the start)
        // Going away without Unsubclass still gives the window back.
    }
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    ::SendMessageA(hEdit, WM_SETTEXT, 0, (LPARAM) "ok");

    CCountingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_FALSE(CCountingEdit().SubclassWindow(hEdit)); // one object per window
    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, edit.m_hWnd);

    // A window destroyed while subclassed lets its object go.
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    ::DestroyWindow(hEdit);
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

// Reflection: the parent's notification reaches the control's object first.
class CReflectButton : public CButton
{
public:
    BOOL m_bPassOn = FALSE;
    int m_nClicks = 0;
    int m_nDraws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_nDraws; }

protected:
    afx_msg BOOL OnClicked()
    {
        ++m_nClicks;
        return !m_bPassOn;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CReflectList : public CListCtrl
{
public:
    int m_nChanged = 0;

protected:
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
    {
        if (((NMLISTVIEW*)pNMHDR)->uNewState & LVIS_SELECTED)
            ++m_nChanged;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
END_MESSAGE_MAP()

class CReflectStatic : public CStatic
{
public:
    CBrush m_brush{RGB(1, 2, 3)};

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetTextColor(RGB(255, 0, 0));
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    int m_nParentClicks = 0;
    int m_nParentChanged = 0;
    int m_nParentCtlColor = 0;
    int m_nRangeID = 0;

protected:
    afx_msg void OnButton() { ++m_nParentClicks; }
    afx_msg void OnListChanged(NMHDR*, LRESULT*) { ++m_nParentChanged; }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++m_nParentCtlColor;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    afx_msg void OnRange(UINT nID) { m_nRangeID = (int)nID; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_BN_CLICKED(100, OnButton)
ON_NOTIFY(LVN_ITEMCHANGED, 101, OnListChanged)
ON_WM_CTLCOLOR()
ON_CONTROL_RANGE(EN_CHANGE, 110, 119, OnRange)
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "親", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                    nullptr, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CParentWnd parent;
};

TEST_F(ReflectionTest, CommandNotificationGoesToTheControlFirst)
{
    CReflectButton button;
    ASSERT_TRUE(button.Create("押す", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &parent, 100));
    struct Case
    {
        BOOL bPassOn;
        int nParentClicks;
    };
    const Case cases[] = {{FALSE, 0}, {TRUE, 1}};
    for (const Case& c : cases)
    {
        button.m_bPassOn = c.bPassOn;
        button.m_nClicks = 0;
        parent.m_nParentClicks = 0;
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), (LPARAM)button.m_hWnd);
        EXPECT_EQ(1, button.m_nClicks) << c.bPassOn;
        EXPECT_EQ(c.nParentClicks, parent.m_nParentClicks) << c.bPassOn;
    }

    // Owner-drawn items are drawn by the control's object.
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 100;
    dis.hwndItem = button.m_hWnd;
    EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 100, (LPARAM)&dis));
    EXPECT_EQ(1, button.m_nDraws);
}

TEST_F(ReflectionTest, NotifyIsReflectedAndNotSeenByTheParent)
{
    CReflectList list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 101));
    list.InsertColumn(0, "列", LVCFMT_LEFT, 100);
    ASSERT_EQ(0, list.InsertItem(0, "行"));
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(1, list.m_nChanged);
    EXPECT_EQ(0, parent.m_nParentChanged);

    // A list without a reflecting handler leaves it to the parent.
    CListCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), &parent, 101));
    plain.InsertColumn(0, "列", LVCFMT_LEFT, 100);
    plain.InsertItem(0, "行");
    plain.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_GE(parent.m_nParentChanged, 1);
}

TEST_F(ReflectionTest, ColourMessageIsAnsweredByTheControlThroughTheParent)
{
    CReflectStatic label;
    ASSERT_TRUE(label.Create("文字", WS_CHILD, CRect(0, 0, 50, 20), &parent, 102));
    CClientDC dc(&label);
    LRESULT hbr = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)label.m_hWnd);
    EXPECT_EQ((LRESULT)(HBRUSH)label.m_brush, hbr);
    EXPECT_EQ(RGB(255, 0, 0), dc.GetTextColor());
    EXPECT_EQ(1, parent.m_nParentCtlColor); // the parent's handler passed it on

    CStatic plain;
    ASSERT_TRUE(plain.Create("文字", WS_CHILD, CRect(0, 0, 50, 20), &parent, 103));
    hbr = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)plain.m_hWnd);
    EXPECT_NE((LRESULT)(HBRUSH)label.m_brush, hbr);
    EXPECT_EQ(2, parent.m_nParentCtlColor);
}

TEST_F(ReflectionTest, ControlRangeHandlerGetsTheId)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, parent.m_hWnd, (HMENU)113,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowTextA(hEdit, "x"); // EN_CHANGE from a control we did not wrap
    EXPECT_EQ(113, parent.m_nRangeID);
    EXPECT_EQ(hEdit, parent.GetDlgItem(113)->m_hWnd);
}
} // namespace
