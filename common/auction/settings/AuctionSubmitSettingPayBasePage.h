#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYBASEPAGE_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYBASEPAGE_H

// The base of the two payment settings pages (Windows builds).

#include "auction/settings/AuctionSubmitSettingBasePage.h"

class CAuctionSubmitSettingPayBasePage : public CAuctionSubmitSettingBasePage
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingPayBasePage)
public:
    CAuctionSubmitSettingPayBasePage(UINT nIDTemplate, int nPageMode, CWnd* pParentWnd = nullptr);

    // TRUE when the mode's payment choices are all off.
    virtual BOOL HasNoPaymentChoice() = 0;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGPAYBASEPAGE_H
