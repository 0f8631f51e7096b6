#include "client/ResubmitConfirmColumns.h"

#include "client/ItemFields.h"

namespace
{
const int kColumnKinds[ResubmitConfirmColumnCount] = {
    ItemField::Mark,    ItemField::AuctionID,     ItemField::Title, ItemField::StartPrice,
    ItemField::EndTime, ItemField::ChargeOptions, ItemField::Memo,
};
} // namespace

int GetResubmitConfirmColumnKind(int nColumn)
{
    return nColumn >= 0 && nColumn < ResubmitConfirmColumnCount ? kColumnKinds[nColumn] : (int)ItemField::None;
}

int GetResubmitConfirmKindColumn(int nKind)
{
    for (int nColumn = 0; nColumn < ResubmitConfirmColumnCount; ++nColumn)
    {
        if (kColumnKinds[nColumn] == nKind)
            return nColumn;
    }
    return -1;
}
