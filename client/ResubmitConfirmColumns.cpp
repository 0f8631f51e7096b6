#include "client/ResubmitConfirmColumns.h"

#include "client/ItemFields.h"
#include "client/ListResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"

namespace
{

const ListColumnSpec kColumns[ResubmitConfirmColumnCount] = {
    {IDS_COLUMN_MARK, "ColumnWidthCommMark", 28, ListAlignCenter, ItemField::Mark, ListColumnImageStyle},
    {IDS_COLUMN_ID, "ColumnWidthID", 85, ListAlignLeft, ItemField::AuctionID, 0},
    {IDS_COLUMN_TITLE, "ColumnWidthTitle", 295, ListAlignLeft, ItemField::Title, ListColumnLinkStyle},
    {IDS_COLUMN_START_PRICE, "ColumnWidthStartPrice", 80, ListAlignRight, ItemField::StartPrice, 0},
    {IDS_COLUMN_END_TIME, "ColumnWidthEndTime", 123, ListAlignLeft, ItemField::EndTime, 0},
    {IDS_COLUMN_PAID_OPTIONS, "ColumnWidthChargeOption", 93, ListAlignLeft, ItemField::ChargeOptions, 0},
    {IDS_COLUMN_MEMO, "ColumnWidthMemo", 110, ListAlignLeft, ItemField::Memo, 0},
};
} // namespace

const ListColumnSpec* GetResubmitConfirmColumn(int nColumn)
{
    return nColumn >= 0 && nColumn < ResubmitConfirmColumnCount ? &kColumns[nColumn] : nullptr;
}

int GetResubmitConfirmColumnKind(int nColumn)
{
    const ListColumnSpec* pColumn = GetResubmitConfirmColumn(nColumn);
    return pColumn != nullptr ? pColumn->kind : (int)ItemField::None;
}

int GetResubmitConfirmKindColumn(int nKind)
{
    for (int nColumn = 0; nColumn < ResubmitConfirmColumnCount; ++nColumn)
    {
        if (kColumns[nColumn].kind == nKind)
            return nColumn;
    }
    return -1;
}
