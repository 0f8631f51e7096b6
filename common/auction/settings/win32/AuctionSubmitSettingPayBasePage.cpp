#include "auction/settings/AuctionSubmitSettingPayBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingPayBasePage, CAuctionSubmitSettingBasePage)

CAuctionSubmitSettingPayBasePage::CAuctionSubmitSettingPayBasePage(UINT nIDTemplate, int nPageMode,
                                                                   CWnd* pParentWnd)
    : CAuctionSubmitSettingBasePage(nIDTemplate, nPageMode, pParentWnd)
{
}
