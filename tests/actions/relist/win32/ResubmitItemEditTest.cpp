// The item edit hub and its field dialogs driven by control id as a user
// would, from the re-listing confirmation: several rows edited together
// and the checks of the field dialogs.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "actions/shared/win32/ActionDialogTestSupport.h"
#include "afx/TestText.h"
#include "client/TanzoAuctionItem.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ResubmitConfirmDialog.h"
#include "client/actions/relist/ResubmitEditFieldDialogs.h"
#include "client/actions/relist/ResubmitEditShipMethodDialog.h"
#include "client/actions/relist/ResubmitItemEditDialog.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "client/actions/relist/ResubmitResourceIds.h"

namespace
{
const char kRegistryKey[] = "Tanzo Resubmit Item Edit Test";

std::string Caption(HWND hWnd)
{
    char szText[256] = {};
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

void SelectCombo(HWND hWnd, int nID, int nIndex)
{
    HWND hCombo = FindControl(hWnd, nID);
    ::SendMessageA(hCombo, CB_SETCURSEL, nIndex, 0);
    ::SendMessageA(::GetParent(hCombo), WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)hCombo);
}

// The dialog hOwner opens over itself once it shows: steps run on it.
void WhenOpened(HWND hOwner, std::function<void(HWND)> steps)
{
    CallWhen([hOwner] { return FindOwnedWindow(hOwner) != nullptr; },
             [hOwner, steps] { steps(FindOwnedWindow(hOwner)); });
}

// A click on a button of hOwner that opens a dialog, which steps answer.
void ClickAnswered(HWND hOwner, int nID, std::function<void(HWND)> steps)
{
    WhenOpened(hOwner, steps);
    ClickControl(hOwner, nID);
}

std::unique_ptr<TanzoAuctionItem> MakeRow(int n, LONGLONG startPrice)
{
    std::unique_ptr<TanzoAuctionItem> item(new TanzoAuctionItem);
    CString id;
    id.Format("e10000000%d", n);
    item->SetAuctionID(id);
    item->SetTitle(CString("品物 ") + id);
    item->SetStartPrice(startPrice);
    item->SetNumber1(1);
    return item;
}

class ResubmitItemEdit : public ::testing::Test
{
protected:
    CProfileScope profile{kRegistryKey};
    CMessageBoxRecorder boxes;
};
} // namespace

TEST_F(ResubmitItemEdit, ThreeRowsEditedTogetherTakeTheSameEdits)
{
    CResubmitConfirmDialog confirm(1);
    const LONGLONG prices[3] = {1000, 2000, 3000};
    for (int i = 0; i < 3; ++i)
        confirm.AddItem(*MakeRow(i + 1, prices[i]));
    const char kDescription[] = "A&B &nbsp;<b>説明</b> \"引用\"";
    EXPECT_EQ(
        IDOK,
        RunModal(confirm,
                 [&]
                 {
                     HWND hConfirm = confirm.m_hWnd;
                     ClickControl(hConfirm, IDC_CONFIRM_UP); // nothing: the first row
                     ::SendMessageA(hConfirm, WM_COMMAND, ID_CONFIRM_SELECT_ALL, 0);
                     PumpPending();
                     ClickAnswered(
                         hConfirm, IDC_CONFIRM_EDIT,
                         [&](HWND hHub)
                         {
                             EXPECT_EQ(LoadText(902), Caption(hHub));
                             EXPECT_EQ(LoadText(903), ControlText(hHub, IDC_EDIT_TITLE));
                             EXPECT_FALSE(::IsWindowEnabled(FindControl(hHub, IDC_EDIT_TITLE)));
                             EXPECT_FALSE(::IsWindowEnabled(FindControl(hHub, IDC_EDIT_TITLE_CHANGE)));
                             // Values the rows do not share show blank.
                             for (int nID : {IDC_EDIT_BUY_NOW, IDC_EDIT_SALES_MODE, IDC_EDIT_SIZE_WEIGHT})
                                 EXPECT_EQ("", ControlText(hHub, nID)) << nID;

                             SetControlText(hHub, IDC_EDIT_START_PRICE, "5000");
                             ClickAnswered(hHub, IDC_EDIT_SALES_MODE_CHANGE,
                                           [](HWND h)
                                           {
                                               SelectCombo(h, IDC_SALES_MODE_LIST, 1);
                                               ClickControl(h, IDOK);
                                           });
                             EXPECT_EQ(LoadText(1080), ControlText(hHub, IDC_EDIT_SALES_MODE));
                             // A fixed price hides the buy-now row and names the price so.
                             EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hHub, IDC_EDIT_BUY_NOW_CHANGE)));
                             EXPECT_EQ(LoadText(1083), ControlText(hHub, IDC_EDIT_PRICE_LABEL));

                             ClickAnswered(hHub, IDC_EDIT_DESCRIPTION_CHANGE,
                                           [&](HWND h)
                                           {
                                               // Batch mode reads nothing from the service.
                                               EXPECT_TRUE(::IsWindowEnabled(FindControl(h, IDOK)));
                                               ClickControl(h, IDOK); // empty: 517
                                               SetControlText(h, IDC_DESCRIPTION_TEXT, kDescription);
                                               ClickControl(h, IDOK);
                                           });
                             ClickAnswered(hHub, IDC_EDIT_CONDITION_CHANGE,
                                           [](HWND h)
                                           {
                                               // The list of today: six conditions, no comment.
                                               EXPECT_EQ(6, (int)::SendMessageA(FindControl(h, 1815),
                                                                                CB_GETCOUNT, 0, 0));
                                               EXPECT_EQ(nullptr, FindControl(h, 1817));
                                               SelectCombo(h, 1815, 1);
                                               ClickControl(h, IDOK);
                                           });
                             ClickAnswered(hHub, IDC_EDIT_QUANTITY_CHANGE,
                                           [](HWND h)
                                           {
                                               EXPECT_EQ("1", ControlText(h, IDC_QUANTITY_EDIT));
                                               SetControlText(h, IDC_QUANTITY_EDIT, "3");
                                               ClickControl(h, IDOK);
                                           });
                             ClickAnswered(hHub, IDC_EDIT_SIZE_WEIGHT_CHANGE,
                                           [](HWND h)
                                           {
                                               SelectCombo(h, IDC_SIZE_COMBO, 2);   // up to 80 cm
                                               SelectCombo(h, IDC_WEIGHT_COMBO, 3); // up to 6 kg
                                               ClickControl(h, IDOK);
                                           });
                             ClickAnswered(hHub, IDC_EDIT_SHIPPING_CHANGE,
                                           [](HWND h)
                                           {
                                               EXPECT_EQ(LoadText(1216), Caption(h));
                                               ClickAnswered(h, IDC_SHIP_ADD,
                                                             [](HWND hEntry)
                                                             {
                                                                 EXPECT_EQ(LoadText(1052), Caption(hEntry));
                                                                 SetControlText(hEntry, IDC_ENTRY_NAME,
                                                                                "定形外郵便");
                                                                 SetControlText(hEntry, IDC_ENTRY_FEE, "300");
                                                                 ClickControl(hEntry, IDOK);
                                                             });
                                               ClickControl(h, IDOK);
                                           });
                             EXPECT_EQ("3", ControlText(hHub, IDC_EDIT_QUANTITY));
                             CString sizeWeight;
                             FormatSizeWeightText(CSelectValuePair(80, 1, 6, 1), sizeWeight);
                             EXPECT_EQ((LPCTSTR)sizeWeight, ControlText(hHub, IDC_EDIT_SIZE_WEIGHT));
                             ClickControl(hHub, IDOK);
                         });
                     ClickControl(hConfirm, IDOK);
                 }));
    ASSERT_EQ(std::vector<std::string>{LoadText(517)}, boxes.texts);

    CResubmitConfirmDialog::ItemList items;
    confirm.GetItems(items);
    ASSERT_EQ(3u, items.size());
    for (int i = 0; i < 3; ++i)
    {
        const TanzoAuctionItem& item = *items[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(5000, item.GetStartPrice());
        EXPECT_EQ(5000, item.GetBuyNowPrice());
        EXPECT_EQ((DWORD)CSalesMode::BuyNow, item.GetSalesMode().Get());
        EXPECT_STREQ(kDescription, item.GetEditedDescription());
        EXPECT_EQ(3, item.GetCondition());
        EXPECT_EQ(3, item.GetNumber1());
        EXPECT_EQ(80, item.GetFirst().GetNumber());
        EXPECT_EQ(6, item.GetSecond().GetNumber());
        ASSERT_EQ(1, item.GetShipMethodCount());
        EXPECT_STREQ("定形外郵便", item.GetShipMethodList().GetHead().GetName());
        EXPECT_EQ(300, item.GetShipMethodList().GetHead().GetFee());
        EXPECT_TRUE(item.TestEditFlags(TanzoAuctionItem::EditQuantity | TanzoAuctionItem::EditSizeWeight));
        EXPECT_FALSE(item.TestEditFlags(TanzoAuctionItem::EditTitle));
        EXPECT_EQ(CString("品物 ") + item.GetAuctionID(), item.GetTitle());
    }
}

TEST_F(ResubmitItemEdit, TheHubRefusesPricesAndKeepsItsRecord)
{
    const struct
    {
        BOOL multi;
        const char* price;
        LONGLONG buyNow; // -1: not edited
        const char* message;
    } cases[] = {
        {FALSE, "", -1, "900"},
        {TRUE, "", -1, nullptr},
        {FALSE, "3000", 2000, "901"},
        {FALSE, "3000", 0, nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.price);
        boxes.texts.clear();
        CResubmitItemEditDialog hub;
        hub.SetMultiEdit(c.multi);
        std::unique_ptr<TanzoAuctionItem> item = MakeRow(1, 1000);
        hub.SetItem(*item);
        const INT_PTR nResult =
            RunModal(hub,
                     [&]
                     {
                         if (c.buyNow >= 0)
                             ClickAnswered(hub.m_hWnd, IDC_EDIT_BUY_NOW_CHANGE,
                                           [&](HWND h)
                                           {
                                               if (c.buyNow > 0)
                                               {
                                                   ClickControl(h, 1753);
                                                   SetControlText(h, 1745, std::to_string(c.buyNow).c_str());
                                               }
                                               ClickControl(h, IDOK);
                                           });
                         // The start price raised past the buy-now price once that is set.
                         SetControlText(hub.m_hWnd, IDC_EDIT_START_PRICE, c.price);
                         ClickControl(hub.m_hWnd, IDOK);
                         if (c.message != nullptr)
                         {
                             EXPECT_TRUE(::IsWindow(hub.m_hWnd));
                             EXPECT_EQ(::GetFocus(), FindControl(hub.m_hWnd, IDC_EDIT_START_PRICE));
                             ClickControl(hub.m_hWnd, IDCANCEL);
                         }
                     });
        if (c.message == nullptr)
        {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_TRUE(boxes.texts.empty());
            TanzoAuctionItem row;
            row.CopyFrom(*item, AuctionItem::AllGroups);
            hub.GetResult(row);
            EXPECT_EQ(c.multi ? 1000 : 3000, row.GetStartPrice());
            if (c.buyNow == 0)
            {
                EXPECT_EQ((DWORD)CSalesMode::Auction, row.GetSalesMode().Get());
            }
        }
        else
        {
            EXPECT_EQ(IDCANCEL, nResult);
            ASSERT_EQ(1u, boxes.texts.size());
            const UINT nID = (UINT)atoi(c.message);
            if (nID == 901)
                EXPECT_EQ(LoadText(901), boxes.texts[0]);
            else
                EXPECT_NE(std::string::npos, boxes.texts[0].find("9999999999"));
        }
    }
}

TEST_F(ResubmitItemEdit, FieldDialogsCheckTheirInput)
{
    // The title: forbidden characters, the limit, the tip.
    CResubmitEditTitleDialog title;
    title.SetText("まえ");
    EXPECT_EQ(IDOK, RunModal(title,
                             [&]
                             {
                                 HWND h = title.m_hWnd;
                                 EXPECT_EQ("まえ", ControlText(h, IDC_TITLE_TEXT));
                                 EXPECT_EQ(130u, (UINT)::SendMessageA(FindControl(h, IDC_TITLE_TEXT),
                                                                      EM_GETLIMITTEXT, 0, 0));
                                 SetControlText(h, IDC_TITLE_TEXT, "箱<大>");
                                 ClickControl(h, IDOK);
                                 SetControlText(h, IDC_TITLE_TEXT, "ﾊﾝｶｸ");
                                 ClickControl(h, IDOK);
                                 SetControlText(h, IDC_TITLE_TEXT, "");
                                 ClickControl(h, IDOK);
                                 SetControlText(h, IDC_TITLE_TEXT, "新しい題a");
                                 CString tip;
                                 EXPECT_TRUE(title.GetToolTipText(IDC_TITLE_TEXT, tip));
                                 EXPECT_NE(-1, tip.Find("4.5"));
                                 ClickControl(h, IDOK);
                             }));
    EXPECT_EQ((std::vector<std::string>{LoadText(908), LoadText(1076), LoadText(517)}), boxes.texts);
    EXPECT_STREQ("新しい題a", title.GetText());

    // The quantity clamps to 1..99.
    for (int nGiven : {0, 150})
    {
        CResubmitEditQuantityDialog quantity;
        quantity.SetQuantity(nGiven);
        EXPECT_EQ(IDOK, RunModal(quantity,
                                 [&]
                                 {
                                     EXPECT_EQ(nGiven == 0 ? "1" : "99",
                                               ControlText(quantity.m_hWnd, IDC_QUANTITY_EDIT));
                                     ClickControl(quantity.m_hWnd, IDOK);
                                 }));
        EXPECT_EQ(nGiven == 0 ? 1 : 99, quantity.GetQuantity());
    }

    // The older condition list asks before a code going away.
    boxes.texts.clear();
    boxes.nAnswer = IDNO;
    CResubmitEditItemConditionDialog condition(0);
    EXPECT_EQ(IDOK, RunModal(condition,
                             [&]
                             {
                                 HWND h = condition.m_hWnd;
                                 EXPECT_EQ(8, (int)::SendMessageA(FindControl(h, 1815), CB_GETCOUNT, 0, 0));
                                 SelectCombo(h, 1815, 7); // その他 without a comment
                                 ClickControl(h, IDOK);
                                 SelectCombo(h, 1815, 6); // 中古: asked, No keeps it open
                                 ClickControl(h, IDOK);
                                 EXPECT_TRUE(::IsWindow(h));
                                 boxes.nAnswer = IDYES;
                                 ClickControl(h, IDOK);
                             }));
    ASSERT_EQ(3u, boxes.texts.size());
    EXPECT_EQ(LoadText(1010), boxes.texts[0]);
    EXPECT_NE(std::string::npos, boxes.texts[1].find(LoadText(1007)));
    EXPECT_EQ(0, condition.GetCondition().GetCondition());
}

TEST_F(ResubmitItemEdit, MethodEntryAndListingKindChecks)
{
    // A normal listing refuses regional fees and the service's own shipping.
    typedef CResubmitEditShipMethodControlTabbedBaseDialog CShipDialog;
    CShipDialog dialog(CShipDialog::ModeHub);
    CAuctionShipMethods methods;
    CShipMethod regional;
    regional.SetName("宅配便");
    regional.SetFeeType(CShipMethod::FeeRegional);
    regional.SetFee(800);
    regional.SetRegionFee1(1200);
    methods.AppendShipMethod(regional);
    dialog.SetShipMethods(methods);
    dialog.SetListingKind(ShipListingNormal);
    EXPECT_EQ(IDCANCEL, RunModal(dialog,
                                 [&]
                                 {
                                     HWND h = dialog.m_hWnd;
                                     EXPECT_EQ(LoadText(1216) + "（" + LoadText(1218) + "）", Caption(h));
                                     ClickControl(h, IDOK);
                                     EXPECT_TRUE(::IsWindow(h));
                                     // The entry's checks at their bounds.
                                     ClickAnswered(h, IDC_SHIP_ADD,
                                                   [](HWND e)
                                                   {
                                                       ClickControl(e, IDOK); // no name
                                                       SetControlText(e, IDC_ENTRY_NAME, "便");
                                                       SelectCombo(e, IDC_ENTRY_FEE_TYPE, 0);
                                                       SetControlText(e, IDC_ENTRY_FEE, "10000000");
                                                       ClickControl(e, IDOK);
                                                       SelectCombo(e, IDC_ENTRY_FEE_TYPE, 1);
                                                       SetControlText(e, IDC_ENTRY_FEE, "9999999");
                                                       ClickControl(e, IDOK); // no regional fee
                                                       SelectCombo(e, IDC_ENTRY_FEE_TYPE, 2);
                                                       SetControlText(e, IDC_ENTRY_LINK, "http://");
                                                       ClickControl(e, IDOK);
                                                       SetControlText(e, IDC_ENTRY_LINK, "example.jp/rates");
                                                       ClickControl(e, IDOK);
                                                       SetControlText(e, IDC_ENTRY_LINK, "http://例.jp/");
                                                       ClickControl(e, IDOK);
                                                       ClickControl(e, IDCANCEL);
                                                   });
                                     ClickControl(h, IDCANCEL);
                                 }));
    ASSERT_EQ(7u, boxes.texts.size());
    EXPECT_EQ(LoadText(1209), boxes.texts[0]);
    EXPECT_EQ(LoadText(517), boxes.texts[1]);
    EXPECT_NE(std::string::npos, boxes.texts[2].find("9999999"));
    EXPECT_EQ(LoadText(1221), boxes.texts[3]);
    EXPECT_EQ(LoadText(1050), boxes.texts[4]);
    EXPECT_EQ(LoadText(1051), boxes.texts[5]);
    EXPECT_EQ(LoadText(478), boxes.texts[6]);
}
