#ifndef TANZO_CLIENT_ACTIONS_REMOVALBATCHES_H
#define TANZO_CLIENT_ACTIONS_REMOVALBATCHES_H

#include "afx/Collections.h"
#include "afx/List.h"
#include "afx/String.h"
#include "afx/wintypes.h"

class AuctionItem;

// How the removal job splits its targets into posts of the list's form.

enum
{
    RemovalBatchSize = 50 // auction IDs the form takes at once
};

typedef CTypedPtrList<CPtrList, AuctionItem*> CAuctionItemPtrList;

// Posts needed for the targets: those with an auction ID, 50 to a post.
int GetRemovalBatchCount(const CAuctionItemPtrList& targets);

// The IDs of the next post, from pos on: up to 50, a target without an ID
// skipped (it takes no place in the form); pos moves past the targets
// taken. FALSE at a target that is no item, with the IDs so far.
BOOL TakeRemovalBatch(const CAuctionItemPtrList& targets, POSITION& pos, CStringList& ids);

// The item line while a post is made: the first item's title and ID, and
// " 他" when more targets follow it.
void FormatRemovalItemLine(const AuctionItem& first, BOOL bMoreFollow, CString& out);

#endif // TANZO_CLIENT_ACTIONS_REMOVALBATCHES_H
