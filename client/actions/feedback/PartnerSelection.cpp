#include "client/actions/feedback/PartnerSelection.h"

#include "client/TanzoAuctionItem.h"

DWORD GetPartnerModeFlag(int nMode)
{
    switch (nMode)
    {
    case PartnerModeChoose:
        return TanzoAuctionBuyer::FlagTarget;
    case PartnerModeRated:
        return TanzoAuctionBuyer::FlagRated;
    case PartnerModeForbidden:
        return TanzoAuctionBuyer::FlagForbidden;
    default:
        return 0;
    }
}

void GetPartnerCheckStates(int nMode, const CTanzoAuctionBuyerList& partners, CArray<int, int>& states)
{
    states.RemoveAll();
    const DWORD flag = GetPartnerModeFlag(nMode);
    int nFirstNew = -1, nFirstChosen = -1;
    for (POSITION pos = partners.GetHeadPosition(); pos != nullptr;)
    {
        const TanzoAuctionBuyer& partner = partners.GetNext(pos);
        const int nIndex = (int)states.GetSize();
        if (nMode != PartnerModeChoose)
        {
            states.Add(flag != 0 && partner.TestFlags(flag) != 0 ? PartnerChecked : PartnerUnchecked);
            continue;
        }
        if (partner.TestFlags(TanzoAuctionBuyer::FlagForbidden) != 0)
        {
            states.Add(PartnerFixed);
            continue;
        }
        states.Add(PartnerUnchecked);
        if (nFirstNew < 0 && partner.TestFlags(TanzoAuctionBuyer::FlagRated) == 0)
            nFirstNew = nIndex;
        if (nFirstChosen < 0 && partner.TestFlags(TanzoAuctionBuyer::FlagTarget) != 0)
            nFirstChosen = nIndex;
    }
    const int nPick = nFirstNew >= 0 ? nFirstNew : nFirstChosen;
    if (nPick >= 0)
        states[nPick] = PartnerChecked;
}

BOOL StorePartnerChecks(int nMode, CTanzoAuctionBuyerList& partners, const CArray<int, int>& states)
{
    const DWORD flag = GetPartnerModeFlag(nMode);
    if (flag == 0)
        return TRUE;
    auto isChecked = [&](INT_PTR i) { return i < states.GetSize() && states[i] == PartnerChecked; };
    if (nMode == PartnerModeChoose)
    {
        BOOL bAny = FALSE;
        for (INT_PTR i = 0; i < partners.GetCount() && !bAny; ++i)
            bAny = isChecked(i);
        if (!bAny)
            return FALSE;
    }
    INT_PTR i = 0;
    for (POSITION pos = partners.GetHeadPosition(); pos != nullptr; ++i)
    {
        TanzoAuctionBuyer& partner = partners.GetNext(pos);
        if (isChecked(i))
            partner.AddFlags(flag);
        else
            partner.ClearFlags(flag);
    }
    return TRUE;
}

BOOL HasWinnerListLink(const TanzoAuctionItem& item)
{
    CTanzoAuctionBuyerList buyers;
    item.GetBuyers(buyers);
    for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
    {
        if (IsWinnerListText(buyers.GetNext(pos).GetName()))
            return TRUE;
    }
    return FALSE;
}

BOOL GetKnownPartners(const TanzoAuctionItem& item, CTanzoAuctionBuyerList& out)
{
    out.RemoveAll();
    if (HasWinnerListLink(item))
        return FALSE;
    return item.GetBuyers(out);
}

void RebuildPartners(const CStringList& ids, const CTanzoAuctionBuyerList& known,
                     const TanzoAuctionItem& item, CTanzoAuctionBuyerList& out)
{
    out.RemoveAll();
    DWORD inherited = 0;
    if (known.IsEmpty() && HasWinnerListLink(item))
    {
        if (item.GetUserState().TestFlags(CItemUserState::StateRated) != 0)
            inherited |= TanzoAuctionBuyer::FlagRated;
        if (item.GetUserState().TestFlags(CItemUserState::StateForbidden) != 0)
            inherited |= TanzoAuctionBuyer::FlagForbidden;
    }
    for (POSITION pos = ids.GetHeadPosition(); pos != nullptr;)
    {
        TanzoAuctionBuyer partner(ids.GetNext(pos), 0, 1, 1);
        partner.SetFlags(inherited);
        for (POSITION k = known.GetHeadPosition(); k != nullptr;)
        {
            const TanzoAuctionBuyer& other = known.GetNext(k);
            // The service answers in either letter case: a "forbidden"
            // mark must not get lost to a change of spelling.
            if (other.GetName().CompareNoCase(partner.GetName()) == 0)
            {
                partner.SetFlags(other.GetFlags());
                break;
            }
        }
        out.AddTail(partner);
    }
}
