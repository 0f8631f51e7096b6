#include "client/actions/relist/ResubmitConfirmRules.h"

#include "app/DialogResourceIds.h"
#include "auction/records/AuctionChargeOption.h"
#include "client/TanzoAuctionItem.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "text/NumberText.h"

BOOL IsConfirmCommandEnabled(UINT nID, int nRows, int nSelected, int nSelectedRow)
{
    switch (nID)
    {
    case IDC_CONFIRM_EDIT:
    case IDC_CONFIRM_CHARGE:
    case ID_CONFIRM_EDIT:
    case ID_CONFIRM_CHARGE:
    case ID_LINK_COPY:
    case ID_LINK_OPEN:
        return nSelected > 0;
    case IDC_CONFIRM_UP:
    case ID_CONFIRM_UP:
        return nSelected == 1 && nRows > 1 && nSelectedRow > 0;
    case IDC_CONFIRM_DOWN:
    case ID_CONFIRM_DOWN:
        return nSelected == 1 && nRows > 1 && nSelectedRow >= 0 && nSelectedRow < nRows - 1;
    case ID_CONFIRM_SELECT_ALL:
    case ID_CONFIRM_FIND:
        return nRows > 0;
    case ID_CONFIRM_FIND_PREVIOUS:
    case ID_CONFIRM_FIND_NEXT:
        return nRows > 1;
    default:
        return FALSE;
    }
}

BOOL TakeCurrentPriceAsStart(TanzoAuctionItem& item)
{
    if (item.GetStartPrice() != 0 || item.GetCurrentPrice() <= 0)
        return FALSE;
    item.SetStartPrice(item.GetCurrentPrice());
    item.AddEditFlags(TanzoAuctionItem::EditStartPrice);
    return TRUE;
}

BOOL IsBuyNowBelowStart(const TanzoAuctionItem& item, CString& message)
{
    if (!item.TestEditFlags(TanzoAuctionItem::EditBuyNowPrice) || item.GetBuyNowPrice() <= 0 ||
        item.GetStartPrice() <= item.GetBuyNowPrice())
        return FALSE;
    CString title, start, buyNow, format;
    item.FormatTitleWithID(title, FALSE);
    FormatAmountWithUnit(item.GetStartPrice(), start);
    FormatAmountWithUnit(item.GetBuyNowPrice(), buyNow);
    format.LoadString(IDS_BUY_NOW_BELOW_START_ITEM);
    message.Format(format, (LPCTSTR)title, (LPCTSTR)start, (LPCTSTR)buyNow);
    return TRUE;
}

void BuildCommonItem(const std::vector<const TanzoAuctionItem*>& items, TanzoAuctionItem& out)
{
    if (items.empty())
        return;
    out.CopyFrom(*items.front(), AuctionItem::AllGroups);
    for (size_t i = 1; i < items.size(); ++i)
        out.KeepCommonFields(*items[i]);
}

LONGLONG GetLargestStartPrice(const std::vector<const TanzoAuctionItem*>& items)
{
    LONGLONG largest = 0;
    for (const TanzoAuctionItem* pItem : items)
        if (pItem->GetStartPrice() > largest)
            largest = pItem->GetStartPrice();
    return largest;
}

void ApplyChargeOption(TanzoAuctionItem& item, const CAuctionChargeOption& option)
{
    item.GetChargeOption().CopyFrom(option);
    item.AddEditFlags(TanzoAuctionItem::EditChargeOptions);
}
