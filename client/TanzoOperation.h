#ifndef TANZO_CLIENT_TANZOOPERATION_H
#define TANZO_CLIENT_TANZOOPERATION_H

#include "afx/wintypes.h"
#include "auction/operations/AuctionTargetListOperation.h"
#include "client/TextResourceIds.h"

class AuctionItem;
class CMarkupNode;
class CStringList;
class CTanzoDocData;

// The base of the client's jobs on the service (re-listing, feedback,
// description additions, featured amount, removal). Its account list is
// the current document's; what a job changed on an item goes into the
// document's user data. Jobs run behind CRunOperationDialog.
class CTanzoOperation : public CAuctionTargetListOperation
{
public:
    CTanzoOperation(CHttpComm* pHttpComm, CProgressSink* pSink);
    ~CTanzoOperation() override;

    // Kinds 3 and 4 tell the user through the progress sink, so that the
    // box shows over the running dialog; other kinds show nothing.
    void ReportError(int nKind, LPARAM param) override;

    // The item's user record, with bits added to its action flags, goes
    // into the document. FALSE for a null item, an item that is not the
    // client's, or without a document.
    BOOL SaveItemState(AuctionItem* pItem, DWORD dwActionBits);
    BOOL StoreItemUserEdit(AuctionItem* pItem);
    // The document: the owner, which the constructor makes the current
    // document; null when the owner is none.
    CTanzoDocData* GetDocument() const;
    // Writes the user's item records at once (a set that was read and
    // changed only), so that a crash cannot lose what the job marked.
    void SaveUserEditsNow();

    // The form holds a field of each name (input, select or textarea, the
    // names compared without case), each name by a field of its own. TRUE
    // for no names; FALSE without a form.
    static BOOL FormHasFields(CMarkupNode* pForm, const CStringList& names);

protected:
    // Tells the user of a failure of the job in an error box over the
    // running dialog: a text of the string table (which the dialog may give
    // a link), or a text made up.
    void ShowError(UINT nID);
    void ShowErrorText(LPCTSTR text);
};

#endif // TANZO_CLIENT_TANZOOPERATION_H
