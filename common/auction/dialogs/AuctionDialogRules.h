#ifndef TANZO_AUCTION_AUCTIONDIALOGRULES_H
#define TANZO_AUCTION_AUCTIONDIALOGRULES_H

#include "afx/wintypes.h"

// The rules of the small dialogs of the auction library, apart from their
// windows.

// Amount dialog.
enum
{
    AmountCheckRange = 0x1, // OK checks minimum..MaxAmount
    AmountStartEmpty = 0x2, // the edit starts empty
};
const LONGLONG MaxAmount = 9999999999LL;
const int AmountDigits = 10;

// The smallest amount the dialog takes: the minimum, at least 1.
LONGLONG GetEffectiveMinimumAmount(LONGLONG minimum);
// The amount the edit starts with; FALSE when it starts empty.
BOOL GetInitialAmount(LONGLONG amount, LONGLONG minimum, DWORD options, LONGLONG& shown);
// Whether OK takes the value.
BOOL IsAmountAccepted(LONGLONG value, LONGLONG minimum, DWORD options);

// Item-condition dialog: what OK does with a condition code and comment.
enum ConditionOkStep
{
    ConditionOkStore,       // take them and close
    ConditionOkNeedComment, // the code wants a comment: say so, stay
    ConditionOkAskFirst,    // ask the derived dialog's question first
};
int DecideConditionOk(int code, BOOL hasComment);
// After a question answered other than Yes: TRUE when the condition combo
// gets the focus, FALSE for the comment.
BOOL FocusConditionAfterNo(int code);
// The combo index to select: the code's own (ownIndex), else, for a code
// other than the default condition, the default's; -1 when that does not
// lie in the list of count entries.
int SelectConditionIndex(int code, int ownIndex, int defaultIndex, int count);

#endif // TANZO_AUCTION_AUCTIONDIALOGRULES_H
