#ifndef TANZO_CLIENT_LISTCOMMANDRULES_H
#define TANZO_CLIENT_LISTCOMMANDRULES_H

// The rules of the item commands of a list page, apart from its windows:
// which commands are enabled and checked for a selection, the question
// asked before a command that sends a job, and the rated and
// rating-forbidden toggles.

#include "afx/Array.h"
#include "afx/String.h"
#include "afx/wintypes.h"

class TanzoAuctionItem;

// The selected items of a list, in row order (not owned).
typedef CArray<TanzoAuctionItem*, TanzoAuctionItem*> CItemSelection;

// What the enabling of a page's commands looks at.
struct ListCommandState
{
    int listKind = 0;
    BOOL busy = FALSE;
    BOOL refreshing = FALSE;
    BOOL hasHelp = FALSE;
    int rowCount = 0;
    int selectedCount = 0;
    // Every selected item has rating forbidden.
    BOOL allSelectedForbidden = FALSE;
    // The one selected item has several winners.
    BOOL selectedHasWinners = FALSE;
};

// Fills the selection's part of the state.
void DescribeSelection(const CItemSelection& selection, ListCommandState& state);
BOOL IsListCommandEnabled(const ListCommandState& state, UINT id);
// 33009 and 33010 when every selected item has the state, a mark command
// when every selected item has that mark.
BOOL IsListCommandChecked(const CItemSelection& selection, UINT id);

// The question before a job over a selection: excluded state flags take
// items out; one item left asks oneId with its title and ID, several
// manyId with their count, and when some of several were taken out,
// partialId (when given) with both counts. FALSE, no question, when no
// item is left; kept then holds the indexes into the selection that stay.
BOOL BuildSelectionQuestion(const CItemSelection& selection, DWORD excludedFlags, UINT oneId, UINT manyId,
                            UINT partialId, CArray<int, int>& kept, CString& question);

// Rated (which 0, command 33009) and rating forbidden (which 1, 33010).
struct RatingToggle
{
    enum
    {
        Rated = 0,
        Forbidden = 1
    };
};
// The modes of the partner selection: the partners a feedback run rates,
// those marked rated, those marked rating forbidden.
struct PartnerMode
{
    enum
    {
        Rate = 0,
        Rated = 1,
        Forbidden = 2
    };
};
// The item state bit, the buyers' flag, the option that asks first and
// the partner selection's mode of a toggle.
DWORD GetToggleStateBit(int which);
DWORD GetToggleBuyerFlag(int which);
DWORD GetToggleConfirmOption(int which);
int GetTogglePartnerMode(int which);
// Every item of the selection has the state bit.
BOOL AllHaveToggleState(const CItemSelection& selection, int which);
// The question before the toggle; with withBuyers a single item with
// several winners is asked about its winners.
void BuildToggleQuestion(const CItemSelection& selection, int which, BOOL withBuyers, CString& question);
// The partner selection decides for this item: with the buyers, one row
// selected, and several winners.
BOOL TogglesThroughPartners(const TanzoAuctionItem& item, int selectedCount, BOOL withBuyers);
// The toggle of one item: the bit is cleared when the whole selection had
// it, else set; with the buyers, an item with several winners carries the
// buyers' flag along.
void ToggleItemState(TanzoAuctionItem& item, int which, BOOL allSet, BOOL withBuyers);
// After the partner selection: the bit is set when every buyer has the
// flag, else cleared.
void TakeToggleStateFromBuyers(TanzoAuctionItem& item, int which);

// The memo the memo dialog opens with: the first selected item's when
// every selected item has the same one; empty once an item without a
// memo is met.
void GetCommonMemo(const CItemSelection& selection, CString& memo);

#endif // TANZO_CLIENT_LISTCOMMANDRULES_H
