#include "client/actions/feedback/RateTargetText.h"

#include "client/TanzoAuctionItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"

BOOL FormatRateTargetText(const AuctionItem* pItem, BOOL bAsSeller, CString& out)
{
    out.Empty();
    if (pItem == nullptr)
        return FALSE;
    if (!bAsSeller)
    {
        out = pItem->GetSellerID();
    }
    else if (IsTanzoAuctionItem(pItem))
    {
        CTanzoAuctionBuyerList buyers;
        static_cast<const TanzoAuctionItem*>(pItem)->GetBuyers(buyers);
        for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
        {
            const TanzoAuctionBuyer& buyer = buyers.GetNext(pos);
            if (buyer.TestFlags(TanzoAuctionBuyer::FlagTarget) == 0)
                continue;
            if (!out.IsEmpty())
                out += ", ";
            out += buyer.GetName();
        }
    }
    CString format, title;
    format.LoadString(IDS_RATE_TARGET_TITLE);
    title.Format(format, (LPCTSTR)pItem->GetTitle());
    out += title;
    return TRUE;
}

BOOL CRateTargetTextConverter::GetText(const void* pValue, CString& out)
{
    return FormatRateTargetText(static_cast<const AuctionItem*>(pValue), m_bAsSeller, out);
}
