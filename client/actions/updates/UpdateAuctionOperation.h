#ifndef TANZO_CLIENT_ACTIONS_UPDATEAUCTIONOPERATION_H
#define TANZO_CLIENT_ACTIONS_UPDATEAUCTIONOPERATION_H

#include "client/actions/shared/ItemFormOperation.h"

// Adds a text to the descriptions of items on sale through the service's
// edit form (input page, confirmation, final post), in list order, and
// stops at the first item that fails.
class CUpdateAuctionOperation : public CItemFormOperation
{
public:
    enum
    {
        OperationType = 4
    };

    CUpdateAuctionOperation(CCallbackSink* pSettings, CHttpComm* pHttpComm = nullptr,
                            CProgressSink* pSink = nullptr);
    ~CUpdateAuctionOperation() override;

    BOOL Run() override;
    int GetOperationType() const override;
    void ReportResult(BOOL bOk) override;
    void GetSuccessTexts(CStringList& texts) override;

    // One item: 1 when the text was added, else 0.
    int UpdateItem(AuctionItem* pItem);

private:
};

#endif // TANZO_CLIENT_ACTIONS_UPDATEAUCTIONOPERATION_H
