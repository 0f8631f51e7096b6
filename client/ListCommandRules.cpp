#include "client/ListCommandRules.h"

#include "client/ListPageLayouts.h"
#include "client/ListResourceIds.h"
#include "client/MarkCommands.h"
#include "client/OptionSettings.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoResourceIds.h"

#include "afx/afxres.h"
#include "app/DialogResourceIds.h"

namespace
{
void FormatOne(UINT id, const TanzoAuctionItem& item, CString& out)
{
    CString title;
    item.FormatTitleWithID(title, FALSE);
    out.FormatMessage(id, (LPCTSTR)title);
}
} // namespace

void DescribeSelection(const CItemSelection& selection, ListCommandState& state)
{
    const int count = (int)selection.GetSize();
    state.selectedCount = count;
    state.allSelectedForbidden = count > 0;
    for (int i = 0; i < count; ++i)
    {
        if (!selection[i]->GetUserState().TestFlags(CItemUserState::StateForbidden))
            state.allSelectedForbidden = FALSE;
    }
    state.selectedHasWinners = count == 1 && selection[0]->HasSeveralWinners();
}

BOOL IsListCommandEnabled(const ListCommandState& state, UINT id)
{
    const ListPageLayout* spec = GetListPageLayout(state.listKind);
    if (spec == nullptr || !IsCommandOffered(*spec, id))
        return FALSE;
    switch (id)
    {
    case ID_DIALOG_HELP:
        return state.hasHelp;
    case ID_LIST_STOP:
        return state.busy && state.refreshing;
    default:
        break;
    }
    if (state.busy)
        return FALSE;
    switch (id)
    {
    case ID_ITEM_RATE:
        return state.selectedCount > 0 && !state.allSelectedForbidden;
    case ID_USER_ID_MANAGE:
    case ID_RESUBMIT_SETTINGS:
    case ID_LIST_REFRESH:
    case ID_APP_EXIT:
        return TRUE;
    case ID_LIST_SELECT_ALL:
    case ID_LIST_FIND:
        return state.rowCount >= 1;
    case ID_LIST_SHOW_IN_BROWSER:
        return state.selectedCount == 1;
    case ID_LIST_FIND_PREVIOUS:
    case ID_LIST_FIND_NEXT:
        return state.rowCount >= 2;
    case ID_LIST_WINNERS:
        return state.selectedCount == 1 && state.selectedHasWinners;
    default:
        return state.selectedCount > 0;
    }
}

BOOL IsListCommandChecked(const CItemSelection& selection, UINT id)
{
    const int count = (int)selection.GetSize();
    if (count == 0)
        return FALSE;
    if (id == ID_ITEM_RATED || id == ID_ITEM_RATING_FORBIDDEN)
        return AllHaveToggleState(selection,
                                  id == ID_ITEM_RATED ? RatingToggle::Rated : RatingToggle::Forbidden);
    int mark = 0;
    if (!MarkValueOfCommand(id, mark))
        return FALSE;
    for (int i = 0; i < count; ++i)
    {
        if (selection[i]->GetUserState().GetMark() != mark)
            return FALSE;
    }
    return TRUE;
}

BOOL BuildSelectionQuestion(const CItemSelection& selection, DWORD excludedFlags, UINT oneId, UINT manyId,
                            UINT partialId, CArray<int, int>& kept, CString& question)
{
    kept.RemoveAll();
    question.Empty();
    const int selected = (int)selection.GetSize();
    for (int i = 0; i < selected; ++i)
    {
        if (excludedFlags == 0 || !selection[i]->GetUserState().TestFlags(excludedFlags))
            kept.Add(i);
    }
    const int remaining = (int)kept.GetSize();
    if (remaining == 0)
        return FALSE;
    if (selected > 1 && remaining < selected && partialId != 0)
        question.FormatMessage(partialId, selected, remaining);
    else if (remaining == 1)
        FormatOne(oneId, *selection[kept[0]], question);
    else
        question.FormatMessage(manyId, remaining);
    return TRUE;
}

DWORD GetToggleStateBit(int which)
{
    return which == RatingToggle::Rated ? CItemUserState::StateRated : CItemUserState::StateForbidden;
}

DWORD GetToggleBuyerFlag(int which)
{
    return which == RatingToggle::Rated ? TanzoAuctionBuyer::FlagRated : TanzoAuctionBuyer::FlagForbidden;
}

DWORD GetToggleConfirmOption(int which)
{
    return which == RatingToggle::Rated ? COptionSettings::OptionConfirmRated
                                        : COptionSettings::OptionConfirmForbidden;
}

int GetTogglePartnerMode(int which)
{
    return which == RatingToggle::Rated ? PartnerMode::Rated : PartnerMode::Forbidden;
}

BOOL AllHaveToggleState(const CItemSelection& selection, int which)
{
    const int count = (int)selection.GetSize();
    const DWORD bit = GetToggleStateBit(which);
    for (int i = 0; i < count; ++i)
    {
        if (!selection[i]->GetUserState().TestFlags(bit))
            return FALSE;
    }
    return count > 0;
}

void BuildToggleQuestion(const CItemSelection& selection, int which, BOOL withBuyers, CString& question)
{
    question.Empty();
    const int count = (int)selection.GetSize();
    if (count == 0)
        return;
    const BOOL rated = which == RatingToggle::Rated;
    const BOOL allSet = AllHaveToggleState(selection, which);
    if (count == 1)
    {
        UINT id;
        if (withBuyers && selection[0]->HasSeveralWinners())
            id = rated ? IDS_ASK_RATED_WINNERS : IDS_ASK_FORBID_WINNERS;
        else if (rated)
            id = allSet ? IDS_ASK_UNRATED_ONE : IDS_ASK_RATED_ONE;
        else
            id = allSet ? IDS_ASK_ALLOW_ONE : IDS_ASK_FORBID_ONE;
        FormatOne(id, *selection[0], question);
        return;
    }
    UINT id;
    if (rated)
        id = allSet ? IDS_ASK_UNRATED_MANY : IDS_ASK_RATED_MANY;
    else
        id = allSet ? IDS_ASK_ALLOW_MANY : IDS_ASK_FORBID_MANY;
    question.FormatMessage(id, count);
}

BOOL TogglesThroughPartners(const TanzoAuctionItem& item, int selectedCount, BOOL withBuyers)
{
    return withBuyers && selectedCount == 1 && item.HasSeveralWinners();
}

void ToggleItemState(TanzoAuctionItem& item, int which, BOOL allSet, BOOL withBuyers)
{
    const DWORD bit = GetToggleStateBit(which);
    const DWORD buyerFlag = GetToggleBuyerFlag(which);
    const BOOL buyersToo = withBuyers && item.HasSeveralWinners();
    if (allSet)
    {
        item.GetUserState().RemoveFlags(bit);
        if (buyersToo)
            item.ClearFlagsOfAllBuyers(buyerFlag);
    }
    else
    {
        item.GetUserState().AddFlags(bit);
        if (buyersToo)
            item.AddFlagsToAllBuyers(buyerFlag);
    }
}

void TakeToggleStateFromBuyers(TanzoAuctionItem& item, int which)
{
    const DWORD bit = GetToggleStateBit(which);
    if (item.AllBuyersHaveFlags(GetToggleBuyerFlag(which)))
        item.GetUserState().AddFlags(bit);
    else
        item.GetUserState().RemoveFlags(bit);
}

void GetCommonMemo(const CItemSelection& selection, CString& memo)
{
    memo.Empty();
    const int count = (int)selection.GetSize();
    for (int i = 0; i < count; ++i)
    {
        const CString& own = selection[i]->GetMemo();
        if (own.IsEmpty())
        {
            memo.Empty();
            return;
        }
        if (i == 0)
            memo = own;
        else if (own != memo)
        {
            memo.Empty();
            return;
        }
    }
}
