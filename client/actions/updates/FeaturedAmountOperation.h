#ifndef TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTOPERATION_H
#define TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTOPERATION_H

#include "client/TanzoOperation.h"

class CFeaturedAmountForm;

// Sets the featured amount per day of each target item through the
// service's featured form (input, confirmation, final post), in list
// order, and stops at the first item that fails.
class CFeaturedAmountOperation : public CTanzoOperation
{
public:
    enum
    {
        OperationType = 3,
        FeaturedActionBit = 0x1 // the item's action flag once it is set
    };

    // The amount is kept within 20..999 yen.
    CFeaturedAmountOperation(int nAmount, CHttpComm* pHttpComm = nullptr, CProgressSink* pSink = nullptr);
    ~CFeaturedAmountOperation() override;

    int GetAmount() const { return m_nAmount; }

    BOOL Run() override;
    int GetOperationType() const override;
    void ReportResult(BOOL bOk) override;

    // One item: 1 when its amount was set, else 0.
    int SetItemAmount(AuctionItem* pItem);

private:
    // The form of the current page read into form; FALSE (told) when it
    // has no values.
    BOOL ReadForm(CMarkupNode* pForm, CFeaturedAmountForm& form);
    // Where the form of the current page posts to; FALSE (told) for a
    // form without action.
    BOOL GetAction(CMarkupNode* pForm, CString& out);
    // The final answer: a page of the service that neither refuses nor
    // shows the form again.
    BOOL IsDone();

    int m_nAmount;
};

#endif // TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTOPERATION_H
