#ifndef TANZO_CLIENT_ACTIONS_PARTNERSELECTION_H
#define TANZO_CLIENT_ACTIONS_PARTNERSELECTION_H

#include "afx/Array.h"
#include "afx/Collections.h"
#include "afx/wintypes.h"
#include "client/TanzoAuctionBuyer.h"

class TanzoAuctionItem;

// The rules of the partner dialogs apart from their windows: which flag a
// dialog edits, how its check boxes start and what OK stores, and the
// partners made of the IDs that an item page names.

// What a partner dialog is for.
enum
{
    PartnerModeChoose = 0,    // the partners a feedback run rates (buyer flag 1)
    PartnerModeRated = 1,     // mark partners as rated (flag 2)
    PartnerModeForbidden = 2, // mark partners as excluded from feedback (flag 4)
    PartnerModeShow = 3       // the winner list only, no check boxes
};

// States of a partner's check box.
enum
{
    PartnerUnchecked = 0,
    PartnerChecked = 1,
    PartnerFixed = 2 // feedback forbidden: cannot be chosen
};

// The buyer flag the mode's check boxes edit; 0 in the show mode.
DWORD GetPartnerModeFlag(int nMode);

// The check box of each partner in order as the dialog opens. Choosing:
// forbidden partners are fixed, and the first partner allowed and not yet
// rated is checked, else the first allowed one chosen before. Marking:
// checked where the partner has the flag.
void GetPartnerCheckStates(int nMode, const CTanzoAuctionBuyerList& partners, CArray<int, int>& states);

// OK: each partner gets the mode's flag where its box is checked and
// loses it elsewhere (a fixed box counts as not checked). FALSE, changing
// nothing, when a choice is asked for and no box is checked.
BOOL StorePartnerChecks(int nMode, CTanzoAuctionBuyerList& partners, const CArray<int, int>& states);

// The item's buyers hold the winner list's link where names belong: the
// status page shows it alone, or after the top bidder. Its partners are
// then read from the item page.
BOOL HasWinnerListLink(const TanzoAuctionItem& item);

// The partners the item knows by name: its buyers, or none when the status
// page gave the winner list's link (the link is no partner). TRUE when any.
BOOL GetKnownPartners(const TanzoAuctionItem& item, CTanzoAuctionBuyerList& out);

// The partners after a fetch: one per ID in order, each with the flags of
// the known partner of that ID (letter case aside). Without known partners
// an item shown by the winner list's link hands its rated and forbidden
// states to every partner.
void RebuildPartners(const CStringList& ids, const CTanzoAuctionBuyerList& known,
                     const TanzoAuctionItem& item, CTanzoAuctionBuyerList& out);

#endif // TANZO_CLIENT_ACTIONS_PARTNERSELECTION_H
