#ifndef TANZO_CLIENT_ACTIONS_REMOVEFROMLISTOPERATION_H
#define TANZO_CLIENT_ACTIONS_REMOVEFROMLISTOPERATION_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/TanzoOperation.h"

class CStringList;

// The removal job: takes the target items off one of the service's lists
// of closed or won items through the list page's form, 50 at a time, and
// drops the user's data of each item removed. The first failing post
// ends the job.
class CRemoveFromListOperation : public CTanzoOperation
{
public:
    enum
    {
        OperationType = 7
    };
    // Removal kinds: the list the items are taken from.
    enum
    {
        RemoveClosedWithWinner = 0,
        RemoveClosedWithoutWinner = 1,
        RemoveWon = 2
    };

    // listUrl: the list's status page, whose form removes.
    CRemoveFromListOperation(LPCTSTR listUrl, int nRemovalKind, CHttpComm* pHttpComm = nullptr,
                             CProgressSink* pSink = nullptr);
    ~CRemoveFromListOperation() override;

    BOOL Run() override;
    int GetOperationType() const override;
    // The command that ran the job tells the user.
    void ReportResult(BOOL bOk) override;

    // The post of the batch that starts at pos; pos moves past it.
    BOOL RemoveBatch(POSITION& pos);

    // The path the removal form of the kind posts to.
    static LPCTSTR GetRemovalPath(int nRemovalKind);

private:
    CMarkupNode* FindRemovalForm();
    BOOL PostBatch(const CStringList& ids, const AuctionItem& first, BOOL bMoreFollow);

    CString m_strListUrl;
    int m_nRemovalKind;
    BOOL m_bRemoved; // the user's item data changed
};

#endif // TANZO_CLIENT_ACTIONS_REMOVEFROMLISTOPERATION_H
