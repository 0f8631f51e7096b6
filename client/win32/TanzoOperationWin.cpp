#include "client/TanzoOperation.h"

#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDoc.h"

CTanzoOperation::CTanzoOperation(CHttpComm* pHttpComm, CProgressSink* pSink)
    : CAuctionTargetListOperation(pHttpComm, pSink)
{
    SetOwner(GetTanzoDoc(nullptr));
}

BOOL CTanzoOperation::SaveItemState(AuctionItem* pItem, DWORD dwActionBits)
{
    TanzoAuctionItem* pClientItem = dynamic_cast<TanzoAuctionItem*>(pItem);
    CTanzoDocData* pDoc = GetDocument();
    if (pClientItem == nullptr || pDoc == nullptr)
        return FALSE;
    TanzoAuctionItemUserEdit record(*pClientItem);
    record.AddActionFlags(dwActionBits);
    pDoc->StoreUserEdit(record);
    return TRUE;
}

BOOL CTanzoOperation::StoreItemUserEdit(AuctionItem* pItem)
{
    return SaveItemState(pItem, 0);
}
