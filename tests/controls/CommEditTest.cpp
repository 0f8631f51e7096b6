// The byte-limited edit on a real window: typing, pasting and setting text
// against the byte limit, line breaks, the accelerators and the context
// menu, undo and redo, change notifications and reconversion.
#ifdef _WIN32
#include "ControlsTestUtil.h"

#include "afx/Menu.h"
#include "afx/afxres.h"
#include "controls/EditText.h"

#include <imm.h>

#include <string>
#include <vector>

namespace
{
// What the input method does when the user confirms a composition.
void Compose(CWnd& edit, const wchar_t* text)
{
    HIMC hImc = ::ImmGetContext(edit.m_hWnd);
    ASSERT_NE(nullptr, hImc) << "the edit has an input context";
    ::ImmSetOpenStatus(hImc, TRUE);
    ASSERT_TRUE(::ImmSetCompositionStringW(hImc, SCS_SETSTR, (LPVOID)text,
                                           (DWORD)(wcslen(text) * sizeof(wchar_t)), nullptr, 0));
    ASSERT_TRUE(::ImmNotifyIME(hImc, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
    ::ImmReleaseContext(edit.m_hWnd, hImc);
    PumpPending();
}

class CommEditTest : public ControlsHostTest
{
};

TEST_F(CommEditTest, TypingStopsAtTheByteLimit)
{
    CTestEdit& edit = host.m_single;
    edit.LimitText(10);
    edit.SetText("abcdefgh");
    CaretAtEnd(edit);

    TypeText(edit, "あ");
    EXPECT_STREQ("abcdefghあ", WindowText(edit));
    EXPECT_EQ(0, edit.m_nBeeps);

    TypeText(edit, "い");
    EXPECT_STREQ("abcdefghあ", WindowText(edit));
    EXPECT_EQ(1, edit.m_nBeeps);
    TypeText(edit, "x");
    EXPECT_STREQ("abcdefghあ", WindowText(edit));
    EXPECT_EQ(2, edit.m_nBeeps);

    // Typed over a selection, the selection's bytes are free again.
    edit.SetSel(1, 3);
    TypeText(edit, "う");
    EXPECT_STREQ("aうdefghあ", WindowText(edit));
    EXPECT_EQ(2, edit.m_nBeeps);
}

TEST_F(CommEditTest, PasteAndSetTextKeepWithinTheByteLimit)
{
    CTestEdit& edit = host.m_single;
    edit.LimitText(10);
    struct Case
    {
        const char* name;
        const char* before;
        const char* clipboard;
        const char* after;
        int beeps;
    } cases[] = {
        {"three two-byte characters into 4 free bytes", "abcdef", "あいう", "abcdefあい", 1},
        {"a text exactly filling the room", "abcdef", "あい", "abcdefあい", 0},
        {"no room at all", "abcdefghij", "x", "abcdefghij", 1},
        {"a line break left out of a single-line edit", "ab", "c\r\nd", "abcd", 0},
    };
    for (const Case& c : cases)
    {
        edit.SetText(c.before);
        CaretAtEnd(edit);
        ASSERT_TRUE(SetClipboardText(c.clipboard, host.m_hWnd, FALSE, FALSE)) << c.name;
        edit.m_nBeeps = 0;
        edit.SendMessage(WM_PASTE);
        EXPECT_STREQ(c.after, WindowText(edit)) << c.name;
        EXPECT_EQ(c.beeps, edit.m_nBeeps) << c.name;
    }

    edit.m_nBeeps = 0;
    edit.SetText("abcdefghあい");
    EXPECT_STREQ("abcdefghあ", WindowText(edit));
    EXPECT_EQ(1, edit.m_nBeeps);
    edit.SetText("abcdefghij");
    EXPECT_STREQ("abcdefghij", WindowText(edit));
    EXPECT_EQ(1, edit.m_nBeeps);
}

TEST_F(CommEditTest, LineBreaksStayInMultiLineEdits)
{
    ASSERT_TRUE(SetClipboardText("一\r\n二", host.m_hWnd, FALSE, FALSE));
    for (CTestEdit* pEdit : {&host.m_multi, &host.m_multiPlain})
    {
        pEdit->SendMessage(WM_PASTE);
        EXPECT_STREQ("一\r\n二", WindowText(*pEdit)) << pEdit->GetDlgCtrlID();
    }
    host.m_single.SetText("一\r\n二\n三\r");
    EXPECT_STREQ("一二三", WindowText(host.m_single));
    host.m_multiPlain.SetText("一\r\n二");
    EXPECT_STREQ("一\r\n二", WindowText(host.m_multiPlain));
}

TEST_F(CommEditTest, CutCopyPasteAndSelectAllByKeys)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("表示テキスト");
    CHeldKeys ctrl{VK_CONTROL};
    PressKey(edit, 'A');
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(6, nEnd);

    edit.SetSel(2, 6);
    PressKey(edit, 'X');
    EXPECT_STREQ("表示", WindowText(edit));
    EXPECT_STREQ("テキスト", ClipboardText());

    edit.SetSel(0, 0);
    PressKey(edit, 'V');
    EXPECT_STREQ("テキスト表示", WindowText(edit));
}

TEST_F(CommEditTest, CutLeavesAReadOnlyEditsText)
{
    CTestEdit& edit = host.m_readOnly;
    edit.SetText("読み取り専用");
    ASSERT_TRUE(SetClipboardText("前から", host.m_hWnd, FALSE, FALSE));
    edit.SetSel(0, -1);
    {
        CHeldKeys ctrl{VK_CONTROL};
        PressKey(edit, 'X');
        PressKey(edit, 'V');
    }
    edit.SendMessage(WM_COMMAND, ID_EDIT_CUT);
    edit.SendMessage(WM_PASTE);
    TypeText(edit, "xあ");
    Compose(edit, L"漢字");
    EXPECT_STREQ("読み取り専用", WindowText(edit));
    EXPECT_STREQ("前から", ClipboardText());
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(6, nEnd - nStart);

    // Copy still works.
    {
        CHeldKeys ctrl{VK_CONTROL};
        PressKey(edit, 'C');
    }
    EXPECT_STREQ("読み取り専用", ClipboardText());
}

TEST_F(CommEditTest, ShiftDeleteAndCtrlBackspaceOnlyBeep)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("abc");
    edit.SetSel(1, 1);
    {
        CHeldKeys shift{VK_SHIFT};
        PressKey(edit, VK_DELETE);
    }
    {
        CHeldKeys ctrl{VK_CONTROL};
        PressKey(edit, VK_BACK);
    }
    EXPECT_STREQ("abc", WindowText(edit));
    EXPECT_EQ(2, edit.m_nBeeps);

    PressKey(edit, VK_BACK);
    PressKey(edit, VK_DELETE);
    EXPECT_STREQ("c", WindowText(edit));
}

// Sets the undo mode before the first paint, as the owners must.
class CommEditUndoTest : public CommEditTest
{
protected:
    void SetUp() override
    {
        host.m_single.SetUndoMode(CCommEdit::undoOwn);
        host.m_multi.SetUndoMode(CCommEdit::undoParent);
        CommEditTest::SetUp();
    }
    void Press(UINT nKey)
    {
        CHeldKeys ctrl{VK_CONTROL};
        PressKey(host.m_single, nKey);
    }
};

TEST_F(CommEditUndoTest, TypingOverASelectionUndoesInTwoSteps)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("表bc");
    edit.SetSel(1, 2);
    TypeText(edit, "あ");
    EXPECT_STREQ("表あc", WindowText(edit));
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_FALSE(edit.CanRedo());

    Press('Z');
    EXPECT_STREQ("表c", WindowText(edit));
    Press('Z');
    EXPECT_STREQ("表bc", WindowText(edit));
    EXPECT_FALSE(edit.CanUndo());
    Press('Z'); // nothing left
    EXPECT_STREQ("表bc", WindowText(edit));

    Press('Y');
    Press('Y');
    EXPECT_STREQ("表あc", WindowText(edit));
    EXPECT_FALSE(edit.CanRedo());

    // A new edit after an undo drops the redo step.
    Press('Z');
    TypeText(edit, "x");
    EXPECT_STREQ("表xc", WindowText(edit));
    EXPECT_FALSE(edit.CanRedo());
    Press('Y');
    EXPECT_STREQ("表xc", WindowText(edit));
}

TEST_F(CommEditUndoTest, DeletionsPastesAndCutsAreSteps)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("あいう");
    edit.SetSel(3, 3);
    PressKey(edit, VK_BACK);
    EXPECT_STREQ("あい", WindowText(edit));
    edit.SetSel(0, 0);
    PressKey(edit, VK_DELETE);
    EXPECT_STREQ("い", WindowText(edit));
    ASSERT_TRUE(SetClipboardText("えお", host.m_hWnd, FALSE, FALSE));
    edit.SetSel(1, 1);
    edit.SendMessage(WM_PASTE);
    EXPECT_STREQ("いえお", WindowText(edit));
    edit.SetSel(0, 1);
    Press('X');
    EXPECT_STREQ("えお", WindowText(edit));

    const char* steps[] = {"いえお", "い", "あい", "あいう"};
    for (const char* expected : steps)
    {
        Press('Z');
        EXPECT_STREQ(expected, WindowText(edit));
    }
    EXPECT_FALSE(edit.CanUndo());
}

TEST_F(CommEditUndoTest, ParentIsToldOfEachChangeWithItsByteOffsets)
{
    CTestEdit& edit = host.m_multi;
    edit.SetText("表示");
    edit.SetSel(1, 2);
    TypeText(edit, "x");
    ASSERT_EQ(4u, host.m_announced.size());
    struct Expected
    {
        UINT nMessage;
        int nKind;
        int nPosition, nLength;
        const char* text;
    } expected[] = {
        {WM_EDIT_CHANGING, EDIT_CHANGE_DELETE, 2, 2, ""},
        {WM_EDIT_CHANGED, EDIT_CHANGE_DELETE, 2, 2, "示"},
        {WM_EDIT_CHANGING, EDIT_CHANGE_INSERT, 2, 0, ""},
        {WM_EDIT_CHANGED, EDIT_CHANGE_INSERT, 2, 1, "x"},
    };
    for (size_t i = 0; i < 4; ++i)
    {
        const auto& got = host.m_announced[i];
        EXPECT_EQ(expected[i].nMessage, got.nMessage) << i;
        EXPECT_EQ(IDC_MULTI, got.nID) << i;
        EXPECT_EQ(expected[i].nKind, got.nKind) << i;
        EXPECT_EQ(expected[i].nPosition, got.change.nPosition) << i;
        EXPECT_EQ(expected[i].nLength, got.change.nLength) << i;
        EXPECT_STREQ(expected[i].text, got.change.strText) << i;
    }
    // Its own history stays empty: the parent records.
    EXPECT_FALSE(edit.CanRedo());
    EXPECT_STREQ("表x", WindowText(edit));
}

TEST_F(CommEditTest, WithoutHistoryCtrlZIsTheEditsOwnUndo)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("abc");
    edit.SetSel(3, 3);
    TypeText(edit, "d");
    ASSERT_STREQ("abcd", WindowText(edit));
    {
        CHeldKeys ctrl{VK_CONTROL};
        PressKey(edit, 'Z');
    }
    EXPECT_STREQ("abc", WindowText(edit));
}

// ---- the context menu ----

struct MenuItem
{
    UINT nID;
    std::string text;
    BOOL bGreyed;
    bool operator==(const MenuItem& other) const
    {
        return nID == other.nID && text == other.text && bGreyed == other.bGreyed;
    }
};

std::ostream& operator<<(std::ostream& os, const MenuItem& item)
{
    return os << item.nID << " \"" << item.text << "\"" << (item.bGreyed ? " greyed" : "");
}

std::vector<MenuItem> g_shownMenu;

// Reads the menu that is being tracked, then closes it.
void CALLBACK ReadTrackedMenu(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HMENU hMenu = AfxGetTrackingMenu();
    if (hMenu == nullptr)
        return;
    ::KillTimer(nullptr, nIDEvent);
    g_shownMenu.clear();
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        char szText[128] = {};
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        const BOOL bSeparator = (nState & MF_SEPARATOR) != 0;
        g_shownMenu.push_back({::GetMenuItemID(hMenu, i), szText, !bSeparator && (nState & MF_GRAYED) != 0});
    }
    ::EndMenu();
}

std::vector<MenuItem> RightClick(CWnd& edit)
{
    g_shownMenu.clear();
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, ReadTrackedMenu);
    edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    ::KillTimer(nullptr, nTimer);
    return g_shownMenu;
}

TEST_F(CommEditTest, ContextMenuWithoutHistoryHasNoUndoItems)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("");
    const std::vector<MenuItem> empty = {
        {ID_EDIT_CUT, "切り取り(&T)\tCtrl+X", TRUE},          {ID_EDIT_COPY, "コピー(&C)\tCtrl+C", TRUE},
        {ID_EDIT_PASTE, "貼り付け(&P)\tCtrl+V", FALSE},       {0, "", FALSE},
        {ID_EDIT_SELECT_ALL, "すべて選択(&A)\tCtrl+A", TRUE},
    };
    EXPECT_EQ(empty, RightClick(edit));

    edit.SetText("abc");
    edit.SetSel(0, 1);
    const std::vector<MenuItem> selected = {
        {ID_EDIT_CUT, "切り取り(&T)\tCtrl+X", FALSE},          {ID_EDIT_COPY, "コピー(&C)\tCtrl+C", FALSE},
        {ID_EDIT_PASTE, "貼り付け(&P)\tCtrl+V", FALSE},        {0, "", FALSE},
        {ID_EDIT_SELECT_ALL, "すべて選択(&A)\tCtrl+A", FALSE},
    };
    EXPECT_EQ(selected, RightClick(edit));

    host.m_readOnly.SetText("abc");
    host.m_readOnly.SetSel(0, 1);
    const std::vector<MenuItem> readOnly = {
        {ID_EDIT_CUT, "切り取り(&T)\tCtrl+X", TRUE},           {ID_EDIT_COPY, "コピー(&C)\tCtrl+C", FALSE},
        {ID_EDIT_PASTE, "貼り付け(&P)\tCtrl+V", TRUE},         {0, "", FALSE},
        {ID_EDIT_SELECT_ALL, "すべて選択(&A)\tCtrl+A", FALSE},
    };
    EXPECT_EQ(readOnly, RightClick(host.m_readOnly));
}

TEST_F(CommEditUndoTest, ContextMenuOffersUndoAndRedoOfTheHistory)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("ab");
    edit.SetSel(2, 2);
    TypeText(edit, "c");
    std::vector<MenuItem> items = RightClick(edit);
    ASSERT_EQ(8u, items.size());
    EXPECT_EQ((MenuItem{0, "", FALSE}), items[5]);
    EXPECT_EQ((MenuItem{ID_EDIT_UNDO, "やり直し(&Z)\tCtrl+Z", FALSE}), items[6]);
    EXPECT_EQ((MenuItem{ID_EDIT_REDO, "やり直しを元に戻す(&Y)\tCtrl+Y", TRUE}), items[7]);

    edit.Undo();
    items = RightClick(edit);
    ASSERT_EQ(8u, items.size());
    EXPECT_TRUE(items[6].bGreyed);
    EXPECT_FALSE(items[7].bGreyed);
}

// ---- reconversion ----

TEST_F(CommEditTest, ReconversionAnswersItsSizeAndNeverWritesPastTheBlock)
{
    CTestEdit& edit = host.m_single;
    edit.SetText("漢字変換");
    edit.SetSel(1, 3);
    EXPECT_EQ((LRESULT)ReconvertBlockSize(2), edit.SendMessage(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0));
    edit.SetSel(1, 1);
    EXPECT_EQ((LRESULT)ReconvertBlockSize(3), edit.SendMessage(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0));
    edit.SetSel(4, 4);
    EXPECT_EQ(0, edit.SendMessage(WM_IME_REQUEST, IMR_RECONVERTSTRING, 0));

    // A block too small for the range: answered 0, nothing written.
    edit.SetSel(0, 4);
    std::vector<BYTE> memory(256, 0xCD);
    RECONVERTSTRING* pBlock = (RECONVERTSTRING*)memory.data();
    pBlock->dwSize = sizeof(RECONVERTSTRING) + 4;
    EXPECT_EQ(0, edit.SendMessage(WM_IME_REQUEST, IMR_CONFIRMRECONVERTSTRING, (LPARAM)pBlock));
    for (size_t i = sizeof(DWORD); i < memory.size(); ++i)
        ASSERT_EQ(0xCD, memory[i]) << "written at " << i;

    // A block of the size asked for gets the range's text.
    pBlock->dwSize = ReconvertBlockSize(4);
    edit.SendMessage(WM_IME_REQUEST, IMR_CONFIRMRECONVERTSTRING, (LPARAM)pBlock);
    EXPECT_EQ(4u, pBlock->dwStrLen);
    EXPECT_EQ(32u, pBlock->dwStrOffset);
    EXPECT_EQ(0, memcmp(memory.data() + 32, L"漢字変換", 8));
    for (size_t i = ReconvertBlockSize(4); i < memory.size(); ++i)
        ASSERT_EQ(0xCD, memory[i]) << "written at " << i;
}
// ---- the input method ----

TEST_F(CommEditUndoTest, ComposedTextKeepsTheByteLimitAndIsAStep)
{
    CTestEdit& edit = host.m_single;
    edit.LimitText(6);
    edit.SetText("ab");
    CaretAtEnd(edit);
    Compose(edit, L"漢字変換");
    EXPECT_STREQ("ab漢字", WindowText(edit));
    EXPECT_EQ(1, edit.m_nBeeps);
    Press('Z');
    EXPECT_STREQ("ab", WindowText(edit));
}

TEST_F(CommEditTest, InputMethodFollowsTheModeWhileFocused)
{
    auto isOpen = [](CWnd& wnd)
    {
        HIMC hImc = ::ImmGetContext(wnd.m_hWnd);
        const BOOL bOpen = ::ImmGetOpenStatus(hImc);
        ::ImmReleaseContext(wnd.m_hWnd, hImc);
        return bOpen;
    };
    auto setOpen = [](CWnd& wnd, BOOL bOpen)
    {
        HIMC hImc = ::ImmGetContext(wnd.m_hWnd);
        ::ImmSetOpenStatus(hImc, bOpen);
        ::ImmReleaseContext(wnd.m_hWnd, hImc);
    };
    // The number edit closes it; the user's setting comes back after.
    setOpen(host.m_number, TRUE);
    host.m_number.SendMessage(WM_SETFOCUS, (WPARAM)host.m_single.m_hWnd);
    EXPECT_FALSE(isOpen(host.m_number));
    host.m_number.SendMessage(WM_KILLFOCUS, (WPARAM)host.m_single.m_hWnd);
    EXPECT_TRUE(isOpen(host.m_number));

    host.m_single.SetImeMode(CImeModeSwitch::modeOpen);
    setOpen(host.m_single, FALSE);
    host.m_single.SendMessage(WM_SETFOCUS, (WPARAM)host.m_number.m_hWnd);
    EXPECT_TRUE(isOpen(host.m_single));
    host.m_single.SendMessage(WM_KILLFOCUS, (WPARAM)host.m_number.m_hWnd);
    EXPECT_FALSE(isOpen(host.m_single));
}
} // namespace
#endif // _WIN32
