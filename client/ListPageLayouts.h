#ifndef TANZO_CLIENT_LISTPAGESPECS_H
#define TANZO_CLIENT_LISTPAGESPECS_H

// What sets the four item list pages apart: their templates and controls,
// tab captions, columns with their field kinds, the commands each offers,
// the default sort, colours, and what their removal and rating commands
// hand over; and what each keeps of the user's records at a refresh.

#include "afx/String.h"
#include "afx/wintypes.h"

class TanzoAuctionItem;
class TanzoAuctionItemUserEdit;

struct ListKind
{
    enum
    {
        Selling = 0,
        ClosedWinner = 1,
        ClosedNoWinner = 2,
        Won = 3,
        Count = 4
    };
};

// Column styles of the lists: a link's text (underlined), an image.
enum : int
{
    ListColumnLinkStyle = 0x10004,
    ListColumnImageStyle = 0x20000
};

// Column alignment, as the list view's format numbers it.
enum
{
    ListAlignLeft = 0,
    ListAlignRight = 1,
    ListAlignCenter = 2
};

struct ListColumnSpec
{
    UINT headingId;
    LPCTSTR profileName; // of its width, in the page's profile section
    int defaultWidth;
    int align;
    int kind; // ItemField
    int style;
};

struct ListPageLayout
{
    int listKind;
    UINT templateId;
    UINT listId;
    UINT emptyNoteId;
    UINT busyNoteId;
    UINT captionId;
    const ListColumnSpec* columns;
    int columnCount;
    // Field flags whose column commands never name.
    DWORD unnamedFlags;
    // Commands the page does not offer: ranges, ending with a 0 pair.
    const UINT (*disabledRanges)[2];
    int defaultSortKind;
    BOOL defaultSortDescending;
    // The options' colour of the page's background.
    int backgroundColor;
    // Remove: the list's status page (on the closed-list host) and the
    // removal kind; -1 where the page cannot remove.
    LPCTSTR removalListPath;
    int removalKind;
    // Rate: 1 as seller, 0 as buyer, -1 not offered.
    int rateAsSeller;
    // Rated and rating forbidden: 1 with the buyers, 0 without, -1 not
    // offered.
    int toggleWithBuyers;
};

// Null for a kind outside 0..3.
const ListPageLayout* GetListPageLayout(int listKind);

// The kind of a column, ItemField::None outside the page's columns.
int GetColumnFieldKind(const ListPageLayout& spec, int column);
// The column of a field flag or a field kind; -1 for none.
int GetColumnOfFieldFlag(const ListPageLayout& spec, DWORD flag);
int GetColumnOfFieldKind(const ListPageLayout& spec, int kind);
// FALSE for the commands the page does not offer.
BOOL IsCommandOffered(const ListPageLayout& spec, UINT id);

// Whether a stored record's item is shown at a refresh (the selling page
// hides items an early close or a cancel has ended, the closed page
// without a winner those that were re-listed).
BOOL KeepListItem(int listKind, const TanzoAuctionItemUserEdit& record);
// What a refresh makes of a stored record before it is stored back and
// taken into the item: the action flags go, it is touched now, and each
// page drops the winners it does not keep.
void MergeListUserData(int listKind, TanzoAuctionItemUserEdit& record, const TanzoAuctionItem& item);

#endif // TANZO_CLIENT_LISTPAGESPECS_H
