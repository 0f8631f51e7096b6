#ifndef TANZO_AUCTION_PARCELSIZECODES_H
#define TANZO_AUCTION_PARCELSIZECODES_H

#include "afx/wintypes.h"
#include "auction/records/SelectValue.h"

// The listing form wants parcel sizes and weights as the service's codes.
// A value's number is a size in centimetres or a weight in kilograms, its
// alternate word an "up to" mark (0: over the number). Row 0 is the general
// table; rows 1 to 3 belong to the shipping services (1: 0x08, 2: 0x02,
// 3: 0x20 of the shipping flags).

// The code of a value in a row, 0 when it has none.
int ParcelSizeCode(int row, const CSelectValue& size);
int ParcelWeightCode(int row, const CSelectValue& weight);

// The value of a code in a row: number and "up to" mark; FALSE, leaving
// the value as it was, for a code that is not in the row.
BOOL ParcelSizeFromCode(int row, int code, CSelectValue& size);
BOOL ParcelWeightFromCode(int row, int code, CSelectValue& weight);

#endif // TANZO_AUCTION_PARCELSIZECODES_H
