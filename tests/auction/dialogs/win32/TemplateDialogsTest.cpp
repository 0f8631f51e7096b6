// The template list dialog and the template menu on templates in the
// client's place, driven as a user would.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EditorTestResources.h"
#include "EditorTestUtil.h"
#include "afx/DataExchange.h"
#include "app/DialogTestUtil.h"
#include "auction/templates/TemplateListBaseDialog.h"
#include "auction/templates/TemplateMenuText.h"
#include "auction/templates/TemplateStringList.h"
#include "auction/templates/TemplateTextMenu.h"
#include "net/HttpTestSupport.h"

namespace
{
const UINT kYesNoQuestion = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;

// A management dialog as the client's description templates have: one
// column of the texts cut for a menu.
class CTestTemplateListDialog : public CTemplateListBaseDialog
{
public:
    explicit CTestTemplateListDialog(CWnd* pParent = nullptr, BOOL bResizable = FALSE)
        : CTemplateListBaseDialog(IDD_TEST_TEMPLATES, pParent)
    {
        if (bResizable)
            EnableResize(TRUE, 700, 400);
    }

    CCommListCtrl& List() { return m_list; }
    // The client's Add: a row of a new template.
    int AddRow(LPCTSTR lpszText)
    {
        const int nRow = InsertTemplateRow(-1, CTemplateStringItem(nullptr, lpszText));
        SetModified(TRUE);
        UpdateButtons(-1);
        return nRow;
    }

    int m_nMax = 20;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CTemplateListBaseDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_LIST, m_list);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_ADD, m_addButton);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_EDIT, m_editButton);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_DELETE, m_deleteButton);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_UP, m_upButton);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_DOWN, m_downButton);
    }
    int GetColumnCount() override { return 1; }
    int GetMaxCount() override { return m_nMax; }
    LPCTSTR GetColumnWidthKey(int) override { return "ColumnWidthDescription"; }
    int GetDefaultColumnWidth(int) override { return 300; }
    UINT GetColumnTitleId(int) override { return IDS_TEST_TEMPLATE_TITLE; }
    int GetColumnFormat(int) override { return LVCFMT_LEFT; }
    void GetRowText(int nRow, CString& strText) override { strText = m_list.GetItemText(nRow, 0); }
    void SetRowTexts(int nRow, const CTemplateStringItem& item) override
    {
        m_list.SetItemText(nRow, 0, MakeTemplateMenuText(item.GetText()));
    }
};

// A menu over a template set, inserting into the owner's edit.
class CTestTemplateMenu : public CTemplateTextMenu
{
public:
    CTestTemplateMenu(CTemplateStringList& set, CEdit* pEdit) : m_set(set), m_pEdit(pEdit) {}

    int GetCount() override { return m_set.GetCount(); }
    int GetMaxCount() override { return m_nMax; }
    BOOL GetItem(int nIndex, CTemplateStringItem& item) override { return m_set.GetAt(nIndex, item); }
    void AddItem(const CTemplateStringItem& item) override { m_set.Append(item.Clone()); }
    void DeleteAll() override
    {
        ++m_nDeleteAll;
        m_set.DeleteAll();
    }
    CTemplateListBaseDialog* CreateListDialog(CWnd* pOwner) override
    {
        auto* pDialog = new CTestTemplateListDialog(pOwner);
        if (m_onDialog)
            CallWhenShown(&pDialog->m_hWnd, [this, pDialog] { m_onDialog(*pDialog); });
        return pDialog;
    }
    CTemplateStringItem* CreateDefaultItem() override
    {
        CString text;
        m_pEdit->GetWindowText(text);
        return text.IsEmpty() ? nullptr : new CTemplateStringItem(nullptr, text);
    }
    void InsertIntoOwner(const CTemplateStringItem& item) override
    {
        m_pEdit->ReplaceSel(item.GetText(), TRUE);
    }
    UINT GetFirstCommandId() override { return m_nFirstId; }

    CTemplateStringList& m_set;
    CEdit* m_pEdit;
    int m_nMax = 20;
    UINT m_nFirstId = ID_TEST_TEMPLATE_FIRST;
    int m_nDeleteAll = 0;
    std::function<void(CTestTemplateListDialog&)> m_onDialog;
};

// The edit's dialog: it owns the menu and passes the menu's commands on.
class CTemplateOwnerDialog : public CDialog
{
public:
    CTemplateOwnerDialog() : CDialog(IDD_TEST_TEMPLATE_OWNER), m_menu(m_set, &m_edit) {}
    ~CTemplateOwnerDialog() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

    BOOL Open()
    {
        if (!Create(IDD_TEST_TEMPLATE_OWNER))
            return FALSE;
        ShowWindow(SW_SHOWNA);
        m_menu.SetOwnerWindow(this);
        return TRUE;
    }
    void AddTemplates(int nCount, LPCTSTR lpszPrefix = "定型")
    {
        for (int i = 1; i <= nCount; ++i)
        {
            CString text;
            text.Format("%s%d", lpszPrefix, i);
            m_set.Append(new CTemplateStringItem(nullptr, text));
        }
    }
    std::string Text()
    {
        CString text;
        m_edit.GetWindowText(text);
        return (LPCTSTR)text;
    }

    CTemplateStringList m_set;
    CEdit m_edit;
    CTestTemplateMenu m_menu;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_TEMPLATE_TEXT, m_edit);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT nID = LOWORD(wParam);
        const UINT nFirst = m_menu.GetFirstCommandId();
        if (nFirst != 0 && nID >= nFirst && nID < nFirst + (UINT)m_menu.GetCount())
        {
            m_menu.InsertTemplate((int)(nID - nFirst));
            return TRUE;
        }
        if (nID == ID_TEST_TEMPLATE_MANAGE)
        {
            m_menu.RunManagementDialog();
            return TRUE;
        }
        if (nID == ID_TEST_TEMPLATE_ADD_CURRENT)
        {
            m_menu.AddDefaultTemplate(IDS_TEST_TEMPLATE_ADD_QUESTION, IDS_TEST_TEMPLATE_ADDED);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

// One entry of an open menu: its text, id, and whether it is greyed or
// begins a column.
struct MenuEntry
{
    std::string text;
    UINT nID;
    bool bGrey;
    bool bBreak;
};

std::vector<MenuEntry> MenuEntries(HWND hMenuWnd)
{
    std::vector<MenuEntry> entries;
    HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        char szText[256] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = szText;
        info.cch = sizeof(szText);
        ::GetMenuItemInfoA(hMenu, i, TRUE, &info);
        entries.push_back(
            {szText, info.wID, (info.fState & MFS_GRAYED) != 0, (info.fType & MFT_MENUBARBREAK) != 0});
    }
    return entries;
}

// Types ch into the next pop-up menu of this thread as the keyboard would,
// which chooses the entry of that mnemonic.
void ChooseFromMenuSoon(char ch, BOOL* pbShown)
{
    WhenMenuShows(
        [=](HWND hMenu)
        {
            *pbShown = TRUE;
            ::PostMessageA(hMenu, WM_CHAR, (BYTE)ch, 1);
            // A menu that did not take the key is not left open.
            CallSoon(
                [hMenu]
                {
                    if (FindOpenMenu() == hMenu)
                        ::EndMenu();
                },
                10000);
        });
}

class TemplateDialogs : public EditorDialogs
{
protected:
    void SetUp() override { ASSERT_TRUE(owner.Open()); }

    // Shows the template menu; onShown sees its entries, then it closes
    // (or the keys chose an entry).
    BOOL ShowMenu(std::function<void(HWND)> onShown)
    {
        BOOL bShown = FALSE;
        CloseMenuSoon(&bShown, onShown);
        owner.m_menu.ShowMenu(IDR_TEST_TEMPLATE_MENU, ID_TEST_TEMPLATE_ADD_CURRENT, 20, 20);
        PumpPending();
        return bShown;
    }

    CTemplateOwnerDialog owner;
};
} // namespace

TEST_F(TemplateDialogs, MenuNumbersTheTemplatesAndBreaksPastTen)
{
    owner.AddTemplates(10);
    owner.m_set.Append(new CTemplateStringItem(nullptr, "A&B"));
    owner.m_set.Append(new CTemplateStringItem("題だけ", ""));
    owner.m_set.Append(new CTemplateStringItem(nullptr, "一行目\r\n二行目"));
    std::vector<MenuEntry> entries;
    ASSERT_TRUE(ShowMenu([&](HWND hMenu) { entries = MenuEntries(hMenu); }));
    // Two entries of its own, a separator and 13 templates: the second
    // column begins with the ninth entry, the sixth template.
    ASSERT_EQ(16u, entries.size());
    EXPECT_EQ(ID_TEST_TEMPLATE_MANAGE, entries[0].nID);
    EXPECT_FALSE(entries[1].bGrey);
    EXPECT_EQ("", entries[2].text);
    struct Expected
    {
        size_t nEntry;
        const char* text;
        UINT nID;
        bool bBreak;
    } expected[] = {
        {3, "&1 定型1", ID_TEST_TEMPLATE_FIRST, false},
        {7, "&5 定型5", ID_TEST_TEMPLATE_FIRST + 4, false},
        {8, "&6 定型6", ID_TEST_TEMPLATE_FIRST + 5, true},
        {12, "&0 定型10", ID_TEST_TEMPLATE_FIRST + 9, false},
        {13, "11 A&&B", ID_TEST_TEMPLATE_FIRST + 10, false},
        {14, "12 題だけ", ID_TEST_TEMPLATE_FIRST + 11, false},
        {15, "13 一行目二行目", ID_TEST_TEMPLATE_FIRST + 12, false},
    };
    for (const Expected& e : expected)
    {
        EXPECT_EQ(e.text, entries[e.nEntry].text) << e.nEntry;
        EXPECT_EQ(e.nID, entries[e.nEntry].nID) << e.nEntry;
        EXPECT_EQ(e.bBreak, entries[e.nEntry].bBreak) << e.nEntry;
    }
    int nBreaks = 0;
    for (const MenuEntry& entry : entries)
        nBreaks += entry.bBreak ? 1 : 0;
    EXPECT_EQ(1, nBreaks);
}

TEST_F(TemplateDialogs, MenuGreysAddingWhenTheSetIsFull)
{
    struct Case
    {
        int nTemplates;
        int nMax;
        bool bGrey;
        size_t nEntries;
    } cases[] = {{3, 3, true, 6}, {2, 3, false, 5}, {0, 0, true, 2}, {5, -1, false, 8}};
    for (const Case& c : cases)
    {
        owner.m_set.DeleteAll();
        owner.AddTemplates(c.nTemplates);
        owner.m_menu.m_nMax = c.nMax;
        std::vector<MenuEntry> entries;
        ASSERT_TRUE(ShowMenu([&](HWND hMenu) { entries = MenuEntries(hMenu); })) << c.nTemplates;
        ASSERT_EQ(c.nEntries, entries.size()) << c.nTemplates;
        EXPECT_EQ(c.bGrey, entries[1].bGrey) << c.nTemplates << "/" << c.nMax;
        EXPECT_FALSE(entries[0].bGrey);
    }
}

TEST_F(TemplateDialogs, MenuWithoutFirstCommandIdShowsNothing)
{
    owner.AddTemplates(2);
    owner.m_menu.m_nFirstId = 0;
    // Nothing is tracked: the call comes back at once with FALSE.
    EXPECT_FALSE(owner.m_menu.ShowMenu(IDR_TEST_TEMPLATE_MENU, ID_TEST_TEMPLATE_ADD_CURRENT, 20, 20));
    // The base itself answers 0.
    CTemplateStringList set;
    struct CBaseMenu : CTemplateTextMenu
    {
        int GetCount() override { return 1; }
        int GetMaxCount() override { return 1; }
        BOOL GetItem(int, CTemplateStringItem&) override { return TRUE; }
        void AddItem(const CTemplateStringItem&) override {}
        void DeleteAll() override {}
    } base;
    EXPECT_EQ(0u, base.GetFirstCommandId());
    base.SetOwnerWindow(&owner);
    EXPECT_FALSE(base.ShowMenu(IDR_TEST_TEMPLATE_MENU, ID_TEST_TEMPLATE_ADD_CURRENT, 20, 20));
}

TEST_F(TemplateDialogs, ChosenTemplateGoesIntoTheEdit)
{
    owner.AddTemplates(3, "お取引ありがとうございました");
    owner.m_edit.SetWindowText("前文。");
    const int nEnd = owner.m_edit.GetWindowTextLength();
    owner.m_edit.SetSel(nEnd, nEnd);
    // The mnemonic "2" chooses the second template.
    BOOL bShown = FALSE;
    ChooseFromMenuSoon('2', &bShown);
    EXPECT_TRUE(owner.m_menu.ShowMenu(IDR_TEST_TEMPLATE_MENU, ID_TEST_TEMPLATE_ADD_CURRENT, 20, 20));
    EXPECT_TRUE(bShown);
    ASSERT_TRUE(PumpUntil([&] { return owner.Text() != "前文。"; }));
    EXPECT_EQ("前文。お取引ありがとうございました2", owner.Text());
}

TEST_F(TemplateDialogs, ManagementDialogReplacesTheSetOnlyAfterAChange)
{
    owner.AddTemplates(3);
    // OK without a change keeps the set as it is.
    owner.m_menu.m_onDialog = [](CTestTemplateListDialog& dlg)
    {
        EXPECT_EQ("定型1|定型2|定型3", EditorDialogs::ColumnTexts(dlg.List()));
        ClickButton(dlg, IDOK);
    };
    ClickButton(owner, ID_TEST_TEMPLATE_MANAGE);
    EXPECT_EQ(0, owner.m_menu.m_nDeleteAll);

    // A move and an added row come back in the dialog's order.
    owner.m_menu.m_onDialog = [](CTestTemplateListDialog& dlg)
    {
        dlg.List().SelectSingleItem(2);
        ClickButton(dlg, IDC_TEST_TEMPLATE_UP);
        dlg.AddRow("新しい定型文");
        ClickButton(dlg, IDOK);
    };
    ClickButton(owner, ID_TEST_TEMPLATE_MANAGE);
    EXPECT_EQ(1, owner.m_menu.m_nDeleteAll);
    ASSERT_EQ(4, owner.m_set.GetCount());
    std::string texts;
    for (int i = 0; i < owner.m_set.GetCount(); ++i)
    {
        CTemplateStringItem item;
        owner.m_set.GetAt(i, item);
        texts += std::string(i > 0 ? "|" : "") + (LPCTSTR)item.GetText();
    }
    EXPECT_EQ("定型1|定型3|定型2|新しい定型文", texts);
}

TEST_F(TemplateDialogs, AddingTheCurrentTextAsksFirst)
{
    owner.m_edit.SetWindowText("いつもありがとうございます。");
    {
        CMessageBoxes boxes({IDNO});
        ClickButton(owner, ID_TEST_TEMPLATE_ADD_CURRENT);
        ASSERT_EQ(1u, boxes.texts.size());
        EXPECT_EQ("現在の編集内容を定型文として追加します。\r\nよろしいですか？", boxes.texts[0]);
        EXPECT_EQ(kYesNoQuestion, boxes.types[0]);
        EXPECT_EQ(0, owner.m_set.GetCount());
    }
    CMessageBoxes boxes({IDYES, IDOK});
    ClickButton(owner, ID_TEST_TEMPLATE_ADD_CURRENT);
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ("定型文の追加が完了しました。", boxes.texts[1]);
    EXPECT_EQ((UINT)MB_ICONINFORMATION, boxes.types[1]);
    ASSERT_EQ(1, owner.m_set.GetCount());
    CTemplateStringItem item;
    owner.m_set.GetAt(0, item);
    EXPECT_STREQ("いつもありがとうございます。", item.GetText());
}

TEST_F(TemplateDialogs, ListDeleteAsksAndKeepsASelection)
{
    CTestTemplateListDialog dlg;
    for (LPCTSTR text : {"一", "二", "三"})
        dlg.AddItemCopy(CTemplateStringItem(nullptr, text));
    CMessageBoxes boxes({IDNO, IDYES});
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 dlg.List().SelectSingleItem(1);
                                 ClickButton(dlg, IDC_TEST_TEMPLATE_DELETE); // No
                                 EXPECT_EQ("一|二|三", ColumnTexts(dlg.List()));
                                 EXPECT_FALSE(dlg.IsModified());
                                 ClickButton(dlg, IDC_TEST_TEMPLATE_DELETE); // Yes
                                 EXPECT_EQ("一|三", ColumnTexts(dlg.List()));
                                 EXPECT_EQ(1, dlg.List().GetFirstSelected());
                                 EXPECT_TRUE(dlg.IsModified());
                                 // The last row gone: the new last is selected.
                                 ClickButton(dlg, IDC_TEST_TEMPLATE_DELETE);
                                 EXPECT_EQ("一", ColumnTexts(dlg.List()));
                                 EXPECT_EQ(0, dlg.List().GetFirstSelected());
                                 ClickButton(dlg, IDC_TEST_TEMPLATE_DELETE);
                                 EXPECT_EQ(0, dlg.List().GetItemCount());
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_EDIT));
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_DELETE));
                                 ClickButton(dlg, IDOK);
                             }));
    ASSERT_EQ(4u, boxes.texts.size());
    EXPECT_EQ("定型文\"二\"を削除します。\r\nよろしいですか？", boxes.texts[0]);
    EXPECT_EQ(kYesNoQuestion, boxes.types[0]);
    EXPECT_EQ("定型文\"三\"を削除します。\r\nよろしいですか？", boxes.texts[2]);
    EXPECT_EQ(0, dlg.GetItemCount());
}

TEST_F(TemplateDialogs, ListButtonsFollowCountAndSelection)
{
    CTestTemplateListDialog dlg;
    dlg.m_nMax = 3;
    for (LPCTSTR text : {"一", "二", "三"})
        dlg.AddItemCopy(CTemplateStringItem(nullptr, text));
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     // The first row is selected at the start; the set is full.
                                     EXPECT_EQ(0, dlg.List().GetFirstSelected());
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_ADD));
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TEMPLATE_EDIT));
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_UP));
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TEMPLATE_DOWN));
                                     dlg.List().SelectSingleItem(2);
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TEMPLATE_UP));
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_DOWN));
                                     // Two rows selected: no move.
                                     dlg.List().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
                                     dlg.UpdateButtons(-1);
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_UP));
                                     EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_TEMPLATE_DOWN));
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TEMPLATE_DELETE));
                                     // No limit.
                                     dlg.m_nMax = -1;
                                     dlg.UpdateButtons(-1);
                                     EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_TEMPLATE_ADD));
                                     dlg.List().SetColumnWidth(0, 123);
                                     ClickButton(dlg, IDCANCEL); // no change: no question
                                 }));
    EXPECT_EQ(123, GetDialogProfileInt(IDD_TEST_TEMPLATES, "ColumnWidthDescription", 0));
}

TEST_F(TemplateDialogs, ListCancelAfterAMoveAsks)
{
    CTestTemplateListDialog dlg;
    for (LPCTSTR text : {"一", "二"})
        dlg.AddItemCopy(CTemplateStringItem(nullptr, text));
    CMessageBoxes boxes({IDNO, IDYES});
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     dlg.List().SelectSingleItem(1);
                                     ClickButton(dlg, IDC_TEST_TEMPLATE_UP);
                                     EXPECT_EQ("二|一", ColumnTexts(dlg.List()));
                                     EXPECT_TRUE(dlg.IsModified());
                                     ClickButton(dlg, IDCANCEL); // No: stays open
                                     EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
                                     ClickButton(dlg, IDCANCEL);
                                 }));
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ("キャンセル終了すると編集内容が反映されませんが、よろしいですか？\r\n（編集内容を反映するために"
              "は、OKボタンを押"
              "して終了する必要があります）",
              boxes.texts[0]);
    EXPECT_EQ(kYesNoQuestion, boxes.types[0]);
    // The templates are those it started with.
    CTemplateStringItem item;
    ASSERT_TRUE(dlg.GetItemAt(0, item));
    EXPECT_STREQ("一", item.GetText());
}

TEST_F(TemplateDialogs, ListOkKeepsEveryTextWhateverTheColumnShows)
{
    const std::string longText = std::string(70, 'x') + "\r\n" + "続き";
    CTestTemplateListDialog dlg;
    dlg.AddItemCopy(CTemplateStringItem("題", longText.c_str()));
    dlg.AddItemCopy(CTemplateStringItem(nullptr, "短い"));
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ(std::string(62, 'x') + "...",
                                           (LPCTSTR)dlg.List().GetItemText(0, 0));
                                 dlg.List().SelectSingleItem(0);
                                 ClickButton(dlg, IDC_TEST_TEMPLATE_DOWN);
                                 ClickButton(dlg, IDOK);
                             }));
    ASSERT_EQ(2, dlg.GetItemCount());
    EXPECT_STREQ("短い", dlg.GetItem(0)->GetText());
    EXPECT_EQ(longText, (LPCTSTR)dlg.GetItem(1)->GetText());
    EXPECT_STREQ("題", dlg.GetItem(1)->GetTitle());
}

TEST_F(TemplateDialogs, ResizableListHasTheInformationIconAndKeepsItsButtonsAtTheEdges)
{
    HICON hInformation = ::LoadIconA(nullptr, IDI_ASTERISK);
    for (BOOL bResizable : {FALSE, TRUE})
    {
        CTestTemplateListDialog dlg(nullptr, bResizable);
        HICON hIcon = nullptr;
        CRect rcAdd, rcAddAfter, rcOk, rcOkAfter;
        RunModal(dlg,
                 [&]
                 {
                     hIcon = (HICON)dlg.SendMessage(WM_GETICON, ICON_BIG);
                     dlg.GetDlgItem(IDC_TEST_TEMPLATE_ADD)->GetWindowRect(&rcAdd);
                     dlg.GetDlgItem(IDOK)->GetWindowRect(&rcOk);
                     CRect rcWindow;
                     dlg.GetWindowRect(&rcWindow);
                     dlg.MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width() + 40,
                                    rcWindow.Height() + 30);
                     dlg.GetDlgItem(IDC_TEST_TEMPLATE_ADD)->GetWindowRect(&rcAddAfter);
                     dlg.GetDlgItem(IDOK)->GetWindowRect(&rcOkAfter);
                     ClickButton(dlg, IDCANCEL);
                 });
        EXPECT_EQ(bResizable, hIcon == hInformation) << bResizable;
        if (bResizable)
        {
            // Add moves with the right edge, OK with the bottom.
            EXPECT_EQ(rcAdd.left + 40, rcAddAfter.left);
            EXPECT_EQ(rcAdd.top, rcAddAfter.top);
            EXPECT_EQ(rcOk.left, rcOkAfter.left);
            EXPECT_EQ(rcOk.top + 30, rcOkAfter.top);
        }
    }
}
