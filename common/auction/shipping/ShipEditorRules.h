#ifndef TANZO_AUCTION_SHIPEDITORRULES_H
#define TANZO_AUCTION_SHIPEDITORRULES_H

// Rules of the shipping editors: which action the method list allows, the
// fee column's text, and the parcel sizes and weights that the service
// groups and the size/weight dialog offer in their combo boxes.

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/records/SelectValue.h"
#include "auction/shipping/AuctionShipping.h"
#include "auction/shipping/ShipMethod.h"

// Actions on the list of shipping methods.
enum
{
    ShipEditAdd = 0,
    ShipEditEdit = 1,
    ShipEditDelete = 2,
    ShipEditUp = 3,
    ShipEditDown = 4
};
enum
{
    MaxEditedShipMethods = 10
};

// Whether the action can run with nRow selected (-1: none) of nRowCount.
BOOL CanDoShipEditAction(int nAction, int nRow, int nRowCount);

// The fee column of a method: fee types 0 and 1 the fee as an amount (when
// set), type 1 followed by its regional fees (ShipMethod's
// FormatRegionFees with the three ids); type 2 the link; other types the
// string feeTypeTextId (none for 0).
CString FormatShipMethodFeeText(const CShipMethod& method, const UINT* regionIds, UINT regionFormatId,
                                UINT regionSeparatorId, UINT feeTypeTextId);

// Tables of parcel sizes (cm) and weights (kg).
enum
{
    ParcelOptionSizes = 0,  // the group of flag 0x02: 60 .. 160
    ParcelExtraSizes = 1,   // the group of flag 0x20: 60 .. 170
    ParcelGroupWeights = 2, // both groups: 2 .. 25
    ParcelDialogSizes = 3,  // the size/weight dialog: 60, 70, .. 170
    ParcelDialogWeights = 4 // the size/weight dialog: 2, 4, .. 30
};
int GetParcelTableCount(int nTable);
// 0 outside the table.
int GetParcelTableValue(int nTable, int nIndex);

// A group's combo index of a stored value: the first entry at least the
// value's number, the largest for a larger number; 0 when the value is
// not an "up to" value (its alternate word is 0).
int FindParcelGroupIndex(int nTable, const CSelectValue& value);
// What a group stores for a combo index: the entry "up to", a number of 0
// outside the table.
CSelectValue GetParcelGroupValue(int nTable, int nIndex);

// The size/weight dialog's combo index of a value: its place in the table,
// the entry after the last for the largest number "over" (alternate 0);
// nDefault for a number that is not in the table.
int FindSizeWeightIndex(int nTable, const CSelectValue& value, int nDefault);
// The value of a combo index of that dialog; FALSE outside its entries.
BOOL GetSizeWeightValue(int nTable, int nIndex, CSelectValue& value);

// The service groups of the shipping terms and what their controls show.
enum
{
    ShipGroupOption = 0, // boxes of flags 0x01, 0x04, 0x02; timing, size and weight of 0x02
    ShipGroupExtra = 1   // boxes of flags 0x40, 0x20; timing, size and weight of 0x20
};
// What StoreShipServiceGroup stores, by group.
enum
{
    ShipOptionStore01 = 0x01,
    ShipOptionStore04 = 0x02,
    ShipOptionStore02 = 0x04,
    ShipOptionStoreTiming = 0x08,
    ShipOptionStoreSize = 0x10,
    ShipOptionStoreWeight = 0x20,
    ShipOptionStoreAll = 0x3F,

    ShipExtraStore40 = 0x01,
    ShipExtraStore20 = 0x02,
    ShipExtraStoreTiming = 0x04,
    ShipExtraStoreSize = 0x08,
    ShipExtraStoreWeight = 0x10,
    ShipExtraStoreAll = 0x1F
};
struct CShipServiceGroupState
{
    // In the group's order of boxes; the last one is the service with a
    // timing and a parcel size.
    BOOL bChecks[3] = {FALSE, FALSE, FALSE};
    int nTiming = 0; // 0 the size is known now, 1 decided later
    int nSize = 0;   // combo indexes
    int nWeight = 0;
};
int GetShipServiceBoxCount(int nGroup);
// The flag bit of box i of the group, 0 outside.
DWORD GetShipServiceBoxFlag(int nGroup, int nBox);
int GetShipServiceSizeTable(int nGroup);

void LoadShipServiceGroup(int nGroup, const CAuctionShipping& terms, CShipServiceGroupState& state);
// Stores the parts chosen by what; the service's timing and parcel only
// when its box is ticked, the parcel cleared when it is decided later.
// FALSE for nothing chosen.
BOOL StoreShipServiceGroup(int nGroup, CAuctionShipping& terms, DWORD what,
                           const CShipServiceGroupState& state);

#endif // TANZO_AUCTION_SHIPEDITORRULES_H
