#include "auction/shipping/ShipEditorRules.h"

#include "text/NumberText.h"

namespace
{
const int kOptionSizes[] = {60, 80, 100, 120, 140, 160};
const int kExtraSizes[] = {60, 80, 100, 120, 140, 160, 170};
const int kGroupWeights[] = {2, 5, 10, 15, 20, 25};
const int kDialogSizes[] = {60, 70, 80, 100, 120, 130, 140, 160, 170};
const int kDialogWeights[] = {2, 4, 5, 6, 8, 10, 11, 12, 14, 15, 16, 18, 20, 21, 25, 30};

struct ParcelTable
{
    const int* pValues;
    int nCount;
};

template <size_t N> ParcelTable TableOf(const int (&values)[N])
{
    return ParcelTable{values, (int)N};
}

ParcelTable GetTable(int nTable)
{
    switch (nTable)
    {
    case ParcelOptionSizes:
        return TableOf(kOptionSizes);
    case ParcelExtraSizes:
        return TableOf(kExtraSizes);
    case ParcelGroupWeights:
        return TableOf(kGroupWeights);
    case ParcelDialogSizes:
        return TableOf(kDialogSizes);
    case ParcelDialogWeights:
        return TableOf(kDialogWeights);
    default:
        return ParcelTable{nullptr, 0};
    }
}

// The boxes, choice and parcel of a service group; the last box is the
// service that has a timing and a parcel.
struct ServiceGroup
{
    int nBoxes;
    DWORD boxFlags[3];
    DWORD storeBits[3];
    DWORD timingBit;
    DWORD sizeBit;
    DWORD weightBit;
    int nSizeTable;
};

const ServiceGroup kGroups[] = {
    {3,
     {0x01, 0x04, 0x02},
     {ShipOptionStore01, ShipOptionStore04, ShipOptionStore02},
     ShipOptionStoreTiming,
     ShipOptionStoreSize,
     ShipOptionStoreWeight,
     ParcelOptionSizes},
    {2,
     {0x40, 0x20, 0},
     {ShipExtraStore40, ShipExtraStore20, 0},
     ShipExtraStoreTiming,
     ShipExtraStoreSize,
     ShipExtraStoreWeight,
     ParcelExtraSizes},
};

const ServiceGroup* FindGroup(int nGroup)
{
    return nGroup == ShipGroupOption || nGroup == ShipGroupExtra ? &kGroups[nGroup] : nullptr;
}

int GetChoice(int nGroup, const CAuctionShipping& terms)
{
    return nGroup == ShipGroupOption ? terms.GetChoice1() : terms.GetChoice3();
}

const CSelectValuePair& GetPair(int nGroup, const CAuctionShipping& terms)
{
    return nGroup == ShipGroupOption ? terms.GetPair1() : terms.GetPair3();
}
} // namespace

BOOL CanDoShipEditAction(int nAction, int nRow, int nRowCount)
{
    const BOOL bSelected = nRow >= 0 && nRow < nRowCount;
    switch (nAction)
    {
    case ShipEditAdd:
        return nRowCount < MaxEditedShipMethods;
    case ShipEditEdit:
    case ShipEditDelete:
        return bSelected;
    case ShipEditUp:
        return bSelected && nRow > 0;
    case ShipEditDown:
        return bSelected && nRow < nRowCount - 1;
    default:
        return FALSE;
    }
}

CString FormatShipMethodFeeText(const CShipMethod& method, const UINT* regionIds, UINT regionFormatId,
                                UINT regionSeparatorId, UINT feeTypeTextId)
{
    CString text;
    switch (method.GetFeeType())
    {
    case CShipMethod::FeeOne:
    case CShipMethod::FeeRegional:
        if (method.HasFee())
            FormatAmountWithUnit(method.GetFee(), text);
        if (method.GetFeeType() == CShipMethod::FeeRegional)
        {
            CString regions;
            if (method.FormatRegionFees(regions, regionIds, regionFormatId, regionSeparatorId))
                text += regions;
        }
        break;
    case CShipMethod::FeeLink:
        text = method.GetLink();
        break;
    default:
        if (feeTypeTextId != 0)
            text.LoadString(feeTypeTextId);
        break;
    }
    return text;
}

int GetParcelTableCount(int nTable)
{
    return GetTable(nTable).nCount;
}

int GetParcelTableValue(int nTable, int nIndex)
{
    const ParcelTable table = GetTable(nTable);
    return nIndex >= 0 && nIndex < table.nCount ? table.pValues[nIndex] : 0;
}

int FindParcelGroupIndex(int nTable, const CSelectValue& value)
{
    const ParcelTable table = GetTable(nTable);
    if (value.GetIndex() == 0 || table.nCount == 0)
        return 0;
    for (int i = 0; i < table.nCount; ++i)
    {
        if (table.pValues[i] >= value.GetNumber())
            return i;
    }
    // A parcel larger than the service takes stays on its largest entry.
    return table.nCount - 1;
}

CSelectValue GetParcelGroupValue(int nTable, int nIndex)
{
    return CSelectValue(GetParcelTableValue(nTable, nIndex), 1);
}

int FindSizeWeightIndex(int nTable, const CSelectValue& value, int nDefault)
{
    const ParcelTable table = GetTable(nTable);
    for (int i = 0; i < table.nCount; ++i)
    {
        if (table.pValues[i] != value.GetNumber())
            continue;
        if (i == table.nCount - 1 && value.GetIndex() == 0)
            return table.nCount;
        return i;
    }
    return nDefault;
}

BOOL GetSizeWeightValue(int nTable, int nIndex, CSelectValue& value)
{
    const ParcelTable table = GetTable(nTable);
    if (nIndex < 0 || nIndex > table.nCount || table.nCount == 0)
        return FALSE;
    if (nIndex == table.nCount)
        value = CSelectValue(table.pValues[table.nCount - 1], 0);
    else
        value = CSelectValue(table.pValues[nIndex], 1);
    return TRUE;
}

int GetShipServiceBoxCount(int nGroup)
{
    const ServiceGroup* pGroup = FindGroup(nGroup);
    return pGroup != nullptr ? pGroup->nBoxes : 0;
}

DWORD GetShipServiceBoxFlag(int nGroup, int nBox)
{
    const ServiceGroup* pGroup = FindGroup(nGroup);
    return pGroup != nullptr && nBox >= 0 && nBox < pGroup->nBoxes ? pGroup->boxFlags[nBox] : 0;
}

int GetShipServiceSizeTable(int nGroup)
{
    const ServiceGroup* pGroup = FindGroup(nGroup);
    return pGroup != nullptr ? pGroup->nSizeTable : -1;
}

void LoadShipServiceGroup(int nGroup, const CAuctionShipping& terms, CShipServiceGroupState& state)
{
    const ServiceGroup* pGroup = FindGroup(nGroup);
    if (pGroup == nullptr)
        return;
    for (int i = 0; i < pGroup->nBoxes; ++i)
        state.bChecks[i] = terms.TestShipFlags(pGroup->boxFlags[i]) != 0;
    state.nTiming = GetChoice(nGroup, terms);
    const CSelectValuePair& pair = GetPair(nGroup, terms);
    state.nSize = FindParcelGroupIndex(pGroup->nSizeTable, pair.GetFirst());
    state.nWeight = FindParcelGroupIndex(ParcelGroupWeights, pair.GetSecond());
}

BOOL StoreShipServiceGroup(int nGroup, CAuctionShipping& terms, DWORD what,
                           const CShipServiceGroupState& state)
{
    const ServiceGroup* pGroup = FindGroup(nGroup);
    if (pGroup == nullptr || what == 0)
        return FALSE;
    CBitFlags flags(terms.GetShipFlags());
    for (int i = 0; i < pGroup->nBoxes; ++i)
    {
        if (what & pGroup->storeBits[i])
            flags.SetOrRemove(pGroup->boxFlags[i], state.bChecks[i]);
    }
    terms.SetShipFlags(flags.Get());

    const DWORD parcelBits = pGroup->sizeBit | pGroup->weightBit;
    if ((what & (pGroup->timingBit | parcelBits)) == 0 || !state.bChecks[pGroup->nBoxes - 1])
        return TRUE;
    const int nTiming = state.nTiming == 1 ? 1 : 0;
    if (what & pGroup->timingBit)
    {
        if (nGroup == ShipGroupOption)
            terms.SetChoice1(nTiming);
        else
            terms.SetChoice3(nTiming);
    }
    if (what & parcelBits)
    {
        CSelectValuePair pair;
        if (nTiming == 0)
        {
            if (what & pGroup->sizeBit)
                pair.SetFirst(GetParcelGroupValue(pGroup->nSizeTable, state.nSize));
            if (what & pGroup->weightBit)
                pair.SetSecond(GetParcelGroupValue(ParcelGroupWeights, state.nWeight));
        }
        if (nGroup == ShipGroupOption)
            terms.SetPair1(pair);
        else
            terms.SetPair3(pair);
    }
    return TRUE;
}
