#ifndef TANZO_CLIENT_ACTIONS_RATETARGETTEXT_H
#define TANZO_CLIENT_ACTIONS_RATETARGETTEXT_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/dialogs/ValueTextConverter.h"

class AuctionItem;

// To whom a feedback run on an item goes, as the rating dialog shows it:
// as seller the IDs of the buyers chosen as targets, joined by ", "; as
// buyer the item's seller; then " ＜title＞". FALSE for no item.
BOOL FormatRateTargetText(const AuctionItem* pItem, BOOL bAsSeller, CString& out);

// The same for the lists of the rating dialogs, whose values are items.
class CRateTargetTextConverter : public CValueTextConverter
{
public:
    explicit CRateTargetTextConverter(BOOL bAsSeller = TRUE) : m_bAsSeller(bAsSeller) {}

    void SetAsSeller(BOOL bAsSeller) { m_bAsSeller = bAsSeller; }
    BOOL GetText(const void* pValue, CString& out) override;

private:
    BOOL m_bAsSeller;
};

#endif // TANZO_CLIENT_ACTIONS_RATETARGETTEXT_H
