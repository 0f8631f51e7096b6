// The shipping-method editor, the size/weight dialog and a service group
// on templates in the client's place, driven as a user would.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "EditorTestResources.h"
#include "EditorTestUtil.h"
#include "afx/DataExchange.h"
#include "app/DialogTestUtil.h"
#include "auction/shipping/AuctionShipMethodControlBaseDialog.h"
#include "auction/shipping/ShipServiceControlGroup.h"
#include "auction/shipping/ShipSizeWeightDialog.h"
#include "controls/ListTestHost.h"
#include "net/HttpTestSupport.h"

namespace
{
CShipMethod Method(LPCTSTR name, int feeType, LONGLONG fee, LPCTSTR link = "")
{
    CShipMethod m;
    m.SetName(name);
    m.SetFeeType(feeType);
    m.SetFee(fee);
    m.SetLink(link);
    return m;
}

// The entry dialog: it tells what it was given, and its step changes the
// method before it ends with OK (none: Cancel).
class CTestShipEntryDialog : public CShipMethodAddBaseDialog
{
public:
    CTestShipEntryDialog(CWnd* pParent, std::function<void(CShipMethod&)> change)
        : CShipMethodAddBaseDialog(IDD_TEST_SHIP_ENTRY, pParent), m_change(std::move(change))
    {
    }

    static int s_nValue;
    static CShipMethod s_given;

protected:
    BOOL OnInitDialog() override
    {
        CShipMethodAddBaseDialog::OnInitDialog();
        s_nValue = GetValue();
        s_given.CopyFrom(m_method);
        if (m_change)
        {
            m_change(m_method);
            PostMessage(WM_COMMAND, IDOK);
        }
        else
            PostMessage(WM_COMMAND, IDCANCEL);
        return TRUE;
    }

    std::function<void(CShipMethod&)> m_change;
};

int CTestShipEntryDialog::s_nValue = -1;
CShipMethod CTestShipEntryDialog::s_given;

class CTestShipMethodsDialog : public CAuctionShipMethodControlBaseDialog
{
public:
    CTestShipMethodsDialog() : CAuctionShipMethodControlBaseDialog(IDD_TEST_SHIP_METHODS) {}

    CShipMethodListCtrl& List() { return m_list; }

    std::function<void(CShipMethod&)> m_entryChange;
    UINT m_nDeleteQuestion = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CAuctionShipMethodControlBaseDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_SHIP_LIST, m_list);
        DDX_Control(pDX, IDC_TEST_SHIP_ADD, m_addButton);
        DDX_Control(pDX, IDC_TEST_SHIP_EDIT, m_editButton);
        DDX_Control(pDX, IDC_TEST_SHIP_DELETE, m_deleteButton);
        DDX_Control(pDX, IDC_TEST_SHIP_UP, m_upButton);
        DDX_Control(pDX, IDC_TEST_SHIP_DOWN, m_downButton);
    }
    CShipMethodAddBaseDialog* CreateEntryDialog(CWnd* pParent) override
    {
        return new CTestShipEntryDialog(pParent, m_entryChange);
    }
    UINT GetColumnTitleId(int nColumn) override
    {
        return nColumn == 0 ? IDS_TEST_SHIP_NAME : IDS_TEST_SHIP_FEE;
    }
    int CommandToAction(UINT nCommandId) override { return (int)(nCommandId - ID_SHIPMETHOD_MENU_FIRST); }
    UINT GetContextMenuId(int nWhich) override
    {
        return nWhich == 0 ? IDR_TEST_SHIP_MENU : IDR_TEST_SHIP_LINK_MENU;
    }
    UINT GetDeleteConfirmMessageId() override { return m_nDeleteQuestion; }
};

std::string Names(const CShipMethodList& methods)
{
    std::string names;
    for (POSITION pos = methods.GetHeadPosition(); pos != nullptr;)
        names += std::string(names.empty() ? "" : "|") + (LPCTSTR)methods.GetNext(pos).GetName();
    return names;
}

// "便1" .. "便n" with fees 100, 200, ...
void SetMethods(CAuctionShipMethodControlBaseDialog& dlg, int nCount)
{
    CShipMethodList methods;
    for (int i = 1; i <= nCount; ++i)
    {
        CString name;
        name.Format("便%d", i);
        methods.AddTail(Method(name, CShipMethod::FeeOne, 100 * i));
    }
    dlg.SetShipMethods(methods);
}

class ShipEditorDialogs : public EditorDialogs
{
};
} // namespace

TEST_F(ShipEditorDialogs, AddStartsAtFiveHundredAndStopsAtTen)
{
    CTestShipMethodsDialog dlg;
    SetMethods(dlg, 9);
    dlg.m_entryChange = [](CShipMethod& method) { method.SetName("追加便"); };
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 EXPECT_EQ(9, dlg.List().GetItemCount());
                                 EXPECT_EQ(0, dlg.List().GetFirstSelected());
                                 EXPECT_STREQ("100 円", dlg.List().GetItemText(0, 1));
                                 EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_SHIP_ADD));
                                 ClickButton(dlg, IDC_TEST_SHIP_ADD);
                                 EXPECT_EQ(0, CTestShipEntryDialog::s_nValue);
                                 EXPECT_EQ(CShipMethod::FeeOne, CTestShipEntryDialog::s_given.GetFeeType());
                                 EXPECT_EQ(500, CTestShipEntryDialog::s_given.GetFee());
                                 ASSERT_EQ(10, dlg.List().GetItemCount());
                                 EXPECT_STREQ("追加便", dlg.List().GetItemText(9, 0));
                                 EXPECT_STREQ("500 円", dlg.List().GetItemText(9, 1));
                                 EXPECT_TRUE(dlg.IsModified());
                                 // Ten methods: neither the button nor the menu adds.
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_SHIP_ADD));
                                 EXPECT_FALSE(dlg.IsCommandEnabled(ID_SHIPMETHOD_MENU_FIRST));
                                 EXPECT_TRUE(dlg.IsCommandEnabled(ID_SHIPMETHOD_MENU_FIRST + 1));
                                 dlg.SendMessage(WM_COMMAND, ID_SHIPMETHOD_MENU_FIRST);
                                 EXPECT_EQ(10, dlg.List().GetItemCount());
                                 ClickButton(dlg, IDOK);
                             }));
    EXPECT_EQ(10, dlg.GetShipMethods().GetCount());
    EXPECT_STREQ("追加便", dlg.GetShipMethods().GetTail().GetName());
}

TEST_F(ShipEditorDialogs, CancelledEntryAddsNothingAndEditChangesTheRow)
{
    CTestShipMethodsDialog dlg;
    SetMethods(dlg, 2);
    EXPECT_EQ(IDCANCEL, RunModal(dlg,
                                 [&]
                                 {
                                     ClickButton(dlg, IDC_TEST_SHIP_ADD); // the entry is cancelled
                                     EXPECT_EQ(2, dlg.List().GetItemCount());
                                     EXPECT_FALSE(dlg.IsModified());
                                     dlg.m_entryChange = [](CShipMethod& method) { method.SetFee(1200); };
                                     dlg.List().SelectSingleItem(1);
                                     ClickButton(dlg, IDC_TEST_SHIP_EDIT);
                                     EXPECT_EQ(1, CTestShipEntryDialog::s_nValue);
                                     EXPECT_STREQ("便2", CTestShipEntryDialog::s_given.GetName());
                                     EXPECT_STREQ("1,200 円", dlg.List().GetItemText(1, 1));
                                     EXPECT_TRUE(dlg.IsModified());
                                     ClickButton(dlg, IDCANCEL);
                                 }));
    // Cancel leaves the edited list as it was.
    EXPECT_EQ(200, dlg.GetShipMethods().GetTail().GetFee());
}

TEST_F(ShipEditorDialogs, LinkFeeIsBlueUnderlinedAndOpens)
{
    CTestShipMethodsDialog dlg;
    CShipMethodList methods;
    methods.AddTail(Method("定額", CShipMethod::FeeOne, 800));
    methods.AddTail(Method("料金表", CShipMethod::FeeLink, -1, "https://example.jp/rates"));
    dlg.SetShipMethods(methods);
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 CShipMethodListCtrl& list = dlg.List();
                                 EXPECT_STREQ("https://example.jp/rates", list.GetItemText(1, 1));
                                 EXPECT_EQ(RGB(0, 0, 255), list.GetColumnTextColor(1, 1, FALSE));
                                 EXPECT_EQ(0x10004, list.GetCellStyle(1, 1, FALSE) & 0x10004);
                                 EXPECT_NE(RGB(0, 0, 255), list.GetColumnTextColor(0, 1, FALSE));
                                 EXPECT_EQ(0, list.GetCellStyle(0, 1, FALSE) & 0x10004);
                                 EXPECT_EQ(0, list.GetCellStyle(1, 0, FALSE) & 0x10004);
                                 // Drawn so: blue pixels in the link's text, none in the plain fee.
                                 list.SelectSingleItem(-1);
                                 list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                                 CRect rcLink;
                                 ASSERT_TRUE(list.GetCellLinkRect(1, 1, &rcLink));
                                 CRect rcPlain;
                                 ASSERT_TRUE(list.GetCellRect(0, 1, LVIR_BOUNDS, &rcPlain));
                                 CClientPixels pixels(list.m_hWnd);
                                 EXPECT_LT(pixels.CountOtherThan(rcLink, RGB(0, 0, 255)),
                                           rcLink.Width() * rcLink.Height());
                                 int nBluePlain = 0;
                                 for (int y = rcPlain.top; y < rcPlain.bottom; ++y)
                                     for (int x = rcPlain.left; x < rcPlain.right; ++x)
                                         nBluePlain += pixels.At(x, y) == RGB(0, 0, 255) ? 1 : 0;
                                 EXPECT_EQ(0, nBluePlain);
                                 // A click on it opens the link with the shell.
                                 ClickAt(list, rcLink.CenterPoint());
                                 PumpPending();
                                 ClickButton(dlg, IDOK);
                             }));
    ASSERT_EQ(1u, s_opened.size());
    EXPECT_EQ("https://example.jp/rates", s_opened[0]);
}

// A rate link that is no web address (a file, a share) is shown as text and
// never reaches the shell.
TEST_F(ShipEditorDialogs, LinkFeeOtherThanAWebAddressIsPlainText)
{
    CTestShipMethodsDialog dlg;
    CShipMethodList methods;
    methods.AddTail(Method("ファイル", CShipMethod::FeeLink, -1, "file:///C:/Windows/notepad.exe"));
    methods.AddTail(Method("共有", CShipMethod::FeeLink, -1, "\\\\host\\share\\rates.exe"));
    dlg.SetShipMethods(methods);
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 CShipMethodListCtrl& list = dlg.List();
                                 for (int nRow = 0; nRow < 2; ++nRow)
                                 {
                                     EXPECT_NE(RGB(0, 0, 255), list.GetColumnTextColor(nRow, 1, FALSE));
                                     EXPECT_EQ(0, list.GetCellStyle(nRow, 1, FALSE) & 0x10004);
                                     CRect rcCell;
                                     ASSERT_TRUE(list.GetCellRect(nRow, 1, LVIR_BOUNDS, &rcCell));
                                     ClickAt(list, rcCell.CenterPoint());
                                     PumpPending();
                                 }
                                 ClickButton(dlg, IDOK);
                             }));
    EXPECT_TRUE(s_opened.empty());
}

TEST_F(ShipEditorDialogs, DeleteAsksWithTheNameAndKeepsASelection)
{
    CTestShipMethodsDialog dlg;
    dlg.m_nDeleteQuestion = IDS_TEST_SHIP_DELETE_QUESTION;
    SetMethods(dlg, 3);
    CMessageBoxes boxes({IDNO, IDYES});
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 CShipMethodListCtrl& list = dlg.List();
                                 list.SelectSingleItem(2);
                                 ClickButton(dlg, IDC_TEST_SHIP_DELETE); // No
                                 EXPECT_EQ(3, list.GetItemCount());
                                 ClickButton(dlg, IDC_TEST_SHIP_DELETE); // the last row
                                 EXPECT_EQ("便1|便2", ColumnTexts(list));
                                 EXPECT_EQ(1, list.GetFirstSelected());
                                 list.SelectSingleItem(0);
                                 ClickButton(dlg, IDC_TEST_SHIP_DELETE);
                                 EXPECT_EQ("便2", ColumnTexts(list));
                                 EXPECT_EQ(0, list.GetFirstSelected());
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_SHIP_UP));
                                 EXPECT_FALSE(IsEnabled(dlg, IDC_TEST_SHIP_DOWN));
                                 ClickButton(dlg, IDC_TEST_SHIP_DELETE); // the only row
                                 EXPECT_EQ(-1, list.GetFirstSelected());
                                 for (int nID : {IDC_TEST_SHIP_EDIT, IDC_TEST_SHIP_DELETE, IDC_TEST_SHIP_UP,
                                                 IDC_TEST_SHIP_DOWN})
                                     EXPECT_FALSE(IsEnabled(dlg, nID)) << nID;
                                 EXPECT_TRUE(IsEnabled(dlg, IDC_TEST_SHIP_ADD));
                                 ClickButton(dlg, IDOK);
                             }));
    ASSERT_EQ(4u, boxes.texts.size());
    EXPECT_EQ("配送方法「便3」を削除します。", boxes.texts[0]);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), boxes.types[0]);
    EXPECT_EQ(0, dlg.GetShipMethods().GetCount());
}

TEST_F(ShipEditorDialogs, MovesByButtonAndMenuAndKeepsColumnWidths)
{
    WriteDialogProfileInt(IDD_TEST_SHIP_METHODS, "ColumnWidthShipName", 150);
    CTestShipMethodsDialog dlg;
    SetMethods(dlg, 3);
    EXPECT_EQ(IDOK, RunModal(dlg,
                             [&]
                             {
                                 CShipMethodListCtrl& list = dlg.List();
                                 EXPECT_EQ(150, list.GetColumnWidth(0));
                                 EXPECT_EQ(207, list.GetColumnWidth(1));
                                 ClickButton(dlg, IDC_TEST_SHIP_DOWN);
                                 EXPECT_EQ("便2|便1|便3", ColumnTexts(list));
                                 EXPECT_EQ(1, list.GetFirstSelected());
                                 EXPECT_TRUE(dlg.IsModified());
                                 // The menu's "up" (the fourth command).
                                 dlg.SendMessage(WM_COMMAND, ID_SHIPMETHOD_MENU_FIRST + 3);
                                 dlg.SendMessage(WM_COMMAND, ID_SHIPMETHOD_MENU_FIRST + 3);
                                 EXPECT_EQ("便1|便2|便3", ColumnTexts(list));
                                 list.SetColumnWidth(1, 99);
                                 ClickButton(dlg, IDOK);
                             }));
    EXPECT_EQ("便1|便2|便3", Names(dlg.GetShipMethods()));
    EXPECT_EQ(150, GetDialogProfileInt(IDD_TEST_SHIP_METHODS, "ColumnWidthShipName", 0));
    EXPECT_EQ(99, GetDialogProfileInt(IDD_TEST_SHIP_METHODS, "ColumnWidthShipFee", 0));
}

namespace
{
class CTestSizeWeightDialog : public CShipSizeWeightDialog
{
public:
    CTestSizeWeightDialog() : CShipSizeWeightDialog(IDD_TEST_SIZE_WEIGHT) {}

    CComboBox& Sizes() { return m_sizeCombo; }
    CComboBox& Weights() { return m_weightCombo; }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CShipSizeWeightDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_SIZE, m_sizeCombo);
        DDX_Control(pDX, IDC_TEST_WEIGHT, m_weightCombo);
        DDX_Control(pDX, IDC_TEST_SIZE_HINT, m_hint);
    }
    const UINT* GetSizeStringIds() override
    {
        static UINT ids[11];
        for (UINT i = 0; i < 10; ++i)
            ids[i] = IDS_TEST_SIZE_FIRST + i;
        return ids;
    }
    const UINT* GetWeightStringIds() override
    {
        static UINT ids[18];
        for (UINT i = 0; i < 17; ++i)
            ids[i] = IDS_TEST_WEIGHT_FIRST + i;
        return ids;
    }
    int GetDefaultSizeIndex() override { return 2; }
};
} // namespace

TEST_F(ShipEditorDialogs, SizeWeightDialogSelectsTheStoredParcel)
{
    struct Case
    {
        CSelectValuePair pair;
        const char* size;
        const char* weight;
    } cases[] = {
        {CSelectValuePair(170, 1, 30, 1), "170cm以下", "30kg以下"},
        {CSelectValuePair(170, 0, 30, 0), "170cm超", "30kg超"},
        {CSelectValuePair(60, 1, 2, 1), "60cm以下", "2kg以下"},
        // Not in the lists: the derived dialog's size default, the base's weight default.
        {CSelectValuePair(65, 1, 3, 1), "80cm以下", "2kg以下"},
    };
    for (const Case& c : cases)
    {
        CTestSizeWeightDialog dlg;
        dlg.SetSizeWeight(c.pair);
        std::string size, weight;
        EXPECT_EQ(IDOK, RunModal(dlg,
                                 [&]
                                 {
                                     EXPECT_EQ(10, dlg.Sizes().GetCount());
                                     EXPECT_EQ(17, dlg.Weights().GetCount());
                                     size = WindowTextOf(dlg, IDC_TEST_SIZE);
                                     weight = WindowTextOf(dlg, IDC_TEST_WEIGHT);
                                     ClickButton(dlg, IDOK);
                                 }));
        EXPECT_EQ(c.size, size) << c.size;
        EXPECT_EQ(c.weight, weight) << c.weight;
        // OK reads nothing: that is the derived dialog's.
        EXPECT_TRUE(dlg.GetSizeWeight().IsEqual(c.pair));
    }
}

namespace
{
// The group of flags 0x01, 0x04 and 0x02 with six sizes and six weights.
class CTestOptionGroup : public CShipOptionControlGroup
{
public:
    const UINT* GetChoiceStringIds(int nWhich) override
    {
        static const UINT timings[] = {IDS_TEST_TIMING_NOW, IDS_TEST_TIMING_LATER, 0};
        static const UINT sizes[] = {61544, 61546, 61547, 61548, 61550, 61551, 0};
        static const UINT weights[] = {61554, 61556, 61559, 61563, 61566, 61568, 0};
        return nWhich == 0 ? timings : nWhich == 1 ? sizes : weights;
    }
};

// A page with the group's controls.
class CShipGroupPage : public CDialog
{
public:
    explicit CShipGroupPage(CShipServiceControlGroup& group) : CDialog(IDD_TEST_SHIP_GROUP), m_group(group) {}
    ~CShipGroupPage() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TEST_GROUP_CHECK1, m_group.m_checks[0]);
        DDX_Control(pDX, IDC_TEST_GROUP_CHECK2, m_group.m_checks[1]);
        DDX_Control(pDX, IDC_TEST_GROUP_CHECK3, m_group.m_checks[2]);
        DDX_Control(pDX, IDC_TEST_GROUP_TIMING, m_group.m_timingCombo);
        DDX_Control(pDX, IDC_TEST_GROUP_SIZE, m_group.m_sizeCombo);
        DDX_Control(pDX, IDC_TEST_GROUP_WEIGHT, m_group.m_weightCombo);
        DDX_Control(pDX, IDC_TEST_GROUP_TIMING_LABEL, m_group.m_timingLabel);
        DDX_Control(pDX, IDC_TEST_GROUP_SIZE_LABEL, m_group.m_sizeLabel);
        DDX_Control(pDX, IDC_TEST_GROUP_WEIGHT_LABEL, m_group.m_weightLabel);
    }

    CShipServiceControlGroup& m_group;
};
} // namespace

TEST_F(ShipEditorDialogs, ServiceGroupShowsAndStoresTheTerms)
{
    CTestOptionGroup group;
    CShipGroupPage page(group);
    ASSERT_TRUE(page.Create(IDD_TEST_SHIP_GROUP));
    page.ShowWindow(SW_SHOWNA);
    group.InitControls();
    EXPECT_EQ(2, group.m_timingCombo.GetCount());
    EXPECT_EQ(6, group.m_sizeCombo.GetCount());
    EXPECT_EQ(6, group.m_weightCombo.GetCount());

    CAuctionShipping terms;
    terms.SetShipFlags(0x01 | 0x02);
    terms.SetPair1(CSelectValuePair(65, 1, 7, 1));
    group.LoadFromRecord(terms);
    EXPECT_EQ(BST_CHECKED, group.m_checks[0].GetCheck());
    EXPECT_EQ(BST_UNCHECKED, group.m_checks[1].GetCheck());
    EXPECT_EQ(BST_CHECKED, group.m_checks[2].GetCheck());
    EXPECT_EQ(0, group.m_timingCombo.GetCurSel());
    EXPECT_EQ(1, group.m_sizeCombo.GetCurSel());   // 80 cm
    EXPECT_EQ(2, group.m_weightCombo.GetCurSel()); // 10 kg
    EXPECT_TRUE(group.m_sizeCombo.IsWindowVisible());
    EXPECT_TRUE(group.m_timingCombo.IsWindowEnabled());

    // Decided later: size and weight hide, and are stored cleared.
    group.m_timingCombo.SetCurSel(1);
    group.Refresh();
    EXPECT_FALSE(group.m_sizeCombo.IsWindowVisible());
    EXPECT_FALSE(group.m_weightLabel.IsWindowVisible());
    ASSERT_TRUE(group.StoreToRecord(terms, ShipOptionStoreAll));
    EXPECT_EQ(1, terms.GetChoice1());
    EXPECT_TRUE(terms.GetPair1().IsEqual(CSelectValuePair()));

    // The service unticked: its controls are disabled.
    group.m_checks[2].SetCheck(BST_UNCHECKED);
    group.UpdateEnabling(CShipServiceControlGroup::EnableParcel);
    EXPECT_FALSE(group.m_timingCombo.IsWindowEnabled());
    EXPECT_FALSE(group.m_sizeLabel.IsWindowEnabled());
    ASSERT_TRUE(group.StoreToRecord(terms, ShipOptionStore02));
    EXPECT_EQ(0x01u, terms.GetShipFlags());
    EXPECT_FALSE(group.StoreToRecord(terms, 0));
}
