#ifndef TANZO_CLIENT_ITEMFIELDS_H
#define TANZO_CLIENT_ITEMFIELDS_H

// What the item lists show of an item, by field kind: every list maps its
// columns to these kinds, and from the kind come the cell's text, link and
// image, the order of a sort and the hover text.

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/TieOrder.h"

class TanzoAuctionItem;

struct ItemField
{
    enum
    {
        AuctionID = 0,
        Title = 1,
        StartPrice = 2,
        CurrentPrice = 3,
        BidCount = 4,
        WatchCount = 5,
        Buyer = 6,
        Seller = 7,
        RemainingTime = 8,
        EndTime = 9,
        FeaturedMark = 10,
        RatingMark = 11,
        Memo = 12,
        Mark = 13,
        ChargeOptions = 14,
        None = 15
    };
};

// The images of the lists: six icons, then the marks' command images.
struct ItemImage
{
    enum
    {
        None = -1,
        Featured = 0,     // a featured amount is set
        FeaturedDone = 1, // the featured job succeeded on the item
        Rated = 2,        // feedback left
        Forbidden = 3,    // feedback forbidden
        SomeBuyersRated = 4,
        BuyerForbidden = 5, // a winner is forbidden feedback
        FirstMark = 6,
        Count = 25
    };
};

// Action flags of an item (never stored): what a job did to it in this
// run. The featured mark shows the first; the pages hide items by the
// others until the next refresh.
enum : DWORD
{
    ActionFeaturedDone = 0x1,
    ActionResubmitted = 0x2,
    ActionEarlyClosed = 0x4,
    ActionCancelled = 0x8
};

// The cell text of a kind; TRUE when it is not empty.
BOOL GetItemFieldText(const TanzoAuctionItem& item, int kind, CString& out);
// The address a cell of the kind links to; TRUE when there is one.
BOOL GetItemFieldLink(const TanzoAuctionItem& item, int kind, CString& out);
// The image a cell of the kind shows, ItemImage::None for none.
int GetItemFieldImage(const TanzoAuctionItem& item, int kind);
int GetRatingMarkImage(const TanzoAuctionItem& item);
// The image of a mark value; None for 0 and for values no command sets.
int GetMarkImage(int mark);

// Kinds ordered by their cell texts; the others compare values.
BOOL IsTextSortKind(int kind);
// The order of two items by a kind of value, image or time, before the
// list applies the direction. Equal times keep the order the tie table
// holds in either direction: it is built ascending, and for a descending
// sort the places are compared the other way round.
int CompareItemFields(const TanzoAuctionItem& a, const TanzoAuctionItem& b, int kind,
                      const CTieOrderMap& ties, BOOL descending);
// Kinds whose sort runs again even when the sort column shows no text.
BOOL IsAlwaysResortKind(int kind);

// The field flag by which commands name a kind's column; 0 for kinds that
// have none (start price, paid options).
DWORD GetFieldFlagOfKind(int kind);
int GetKindOfFieldFlag(DWORD flag);

// Only an absolute http:// or https:// address goes to the shell.
BOOL IsOpenableLink(LPCTSTR url);

// What the status bar shows while the mouse is over a row: over a link
// cell (linkKind its kind, else -1) the link, or for the winners' cell of
// an item with several winners what a click does and who they are; else
// the item's memo. Empty without an item.
void BuildItemHoverText(const TanzoAuctionItem* item, int linkKind, CString& out);

#endif // TANZO_CLIENT_ITEMFIELDS_H
