#ifndef TANZO_CLIENT_ACTIONS_RESUBMITOPERATION_H
#define TANZO_CLIENT_ACTIONS_RESUBMITOPERATION_H

#include <memory>

#include "auction/records/ItemCondition.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/shared/ItemFormOperation.h"

class CAuctionListingForm;
class CAuctionShipMethods;
class CResubmitPrompt;

// The re-listing job: puts each target item up again through the
// service's re-listing form (input page, confirmation, final post), in
// list order, and stops at the first item that fails. In an edit mode it
// reads one item's description, shipping methods or title from the form
// and posts nothing.
class CResubmitOperation : public CItemFormOperation
{
public:
    // Edit-mode bits.
    enum : DWORD
    {
        EditFetchDescription = 0x1,
        EditFetchShipMethods = 0x2,
        EditFetchTitle = 0x4,
        EditMarkRelisted = 0x8, // the last ten re-listed items get user-state bit 2
        EditFetchModes = 0x7
    };
    // Item-state bits: bit 4 lives for the job, the others for one item.
    enum : DWORD
    {
        StateHeldCondition = 0x4,
        StateLastItem = 0x10000,
        StateSwitching = 0x20000,    // to the easy-transaction listing
        StateHacoboonOnly = 0x40000, // the item's only method is the box service
        StatePerItem = 0xFFFF0000    // the bits that live for one item
    };
    enum
    {
        MarkedItems = 10,
        RelistedActionBit = 0x2
    };

    CResubmitOperation(CCallbackSink* pSettings, CHttpComm* pHttpComm = nullptr,
                       CProgressSink* pSink = nullptr);
    ~CResubmitOperation() override;

    void SetEditMode(DWORD dwBits) { m_editMode.Add(dwBits); }
    DWORD GetEditMode() const { return m_editMode.Get(); }
    // What the job asks the user; the caller's. Null: nothing is asked and
    // every question ends as Cancel.
    void SetPrompt(CResubmitPrompt* pPrompt) { m_pPrompt = pPrompt; }

    // The values an edit-mode run read; FALSE when there is none.
    BOOL GetFetchedDescription(CString& out) const;
    BOOL GetFetchedTitle(CString& out) const;
    BOOL GetFetchedShipMethods(CAuctionShipMethods& out) const;
    // The methods were read from the form of an easy-transaction listing
    // (the form with the new shipping inputs).
    BOOL IsFetchedEasyTransaction() const { return m_bFetchedEasyTransaction; }

    BOOL Run() override;
    BOOL ShowsCounter() const override;
    void GetSuccessTexts(CStringList& texts) override;
    BOOL GetErrorMessage(CString& out) override;

    // One item: its road, again as an easy-transaction listing when the
    // service asks for one, and once more after a failure the service
    // explained. 1 when it was re-listed (or read), 0 when it failed or
    // was stopped.
    int ResubmitItem(AuctionItem* pItem);

private:
    // How a step of an item's road ends.
    enum RoadStep
    {
        StepGoOn,   // to the road's next step
        StepDone,   // re-listed, or read in an edit mode
        StepFailed, // told, or stopped
        StepSwitch, // the road again as an easy-transaction listing
        StepRetry   // the road once more; the reason says why
    };
    // One pass over the item's road: StepDone, StepFailed, StepSwitch or
    // StepRetry.
    RoadStep RunRoad(AuctionItem* pItem, CString& reason);
    // Whether the item's road may go once more: the first time, with the
    // reason shown under the heading 1192; after that FALSE, the reason
    // shown as the failure; FALSE silently after a stop or a time-out.
    BOOL TakeRetry(const CString& reason);
    BOOL IsEditMode() const { return m_editMode.TestAny(EditFetchModes) != 0; }
    CResubmitPrompt& Prompt();
    // From the page found at the item's address to the form of the old
    // listing method: StepGoOn there, StepFailed, or StepRetry with reason.
    RoadStep OpenOldForm(CString& reason);
    // The service's dialog on the page: StepGoOn, StepFailed or StepSwitch.
    RoadStep CheckDialog(BOOL bNewStyle);
    BOOL FixSwitchedShipping(CAuctionListingForm& form);
    BOOL CompleteShipping(AuctionItem* pItem, CAuctionListingForm& form);
    BOOL CompleteCondition(CAuctionListingForm& form);
    BOOL FetchItemPage(AuctionItem* pItem);
    // Confirmation and final post: StepDone, StepFailed or StepRetry.
    RoadStep PostItem(AuctionItem* pItem, CAuctionListingForm& form, LPCTSTR actionUrl, CString& reason);
    void MarkRelisted(int nLastSucceeded);

    int m_nRetryCount;
    CString m_strFetchedDescription;
    CString m_strFetchedTitle;
    CBitFlags m_editMode;
    CBitFlags m_oldFormSearch;
    CBitFlagsEx m_itemState;
    std::unique_ptr<CAuctionShipMethods> m_pFetchedShipMethods;
    std::unique_ptr<CAuctionShipMethods> m_pFollowingShipMethods;
    CItemCondition m_followingCondition;
    CResubmitPrompt* m_pPrompt;
    int m_nItemIndex;
    int m_nItemCount;
    BOOL m_bFetchedEasyTransaction;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITOPERATION_H
