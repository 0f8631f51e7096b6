#ifndef TANZO_CLIENT_ACTIONS_RESUBMITOPERATION_H
#define TANZO_CLIENT_ACTIONS_RESUBMITOPERATION_H

#include <memory>

#include "auction/ItemCondition.h"
#include "client/actions/ItemFormOperation.h"

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
        StateSwitching = 0x20000,   // to the easy-transaction listing
        StateHacoboonOnly = 0x40000 // the item's only method is the box service
    };
    enum : UINT
    {
        IDS_RESUBMITTING = 836, // "再出品中...(%d/%d)"
        IDS_INPUT_FORM_MISSING = 886,
        IDS_RETRY_HEADING = 1192,
        IDS_INPUT_FORM_GONE = 1196,
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

    // One item's road: 1 when it was re-listed (or read), 0 when it failed
    // or was stopped.
    int ResubmitItem(AuctionItem* pItem);
    // Once per item, the road again after a failure that the service
    // explained; text tells why.
    int RetryItem(AuctionItem* pItem, LPCTSTR text);

private:
    BOOL IsEditMode() const { return m_editMode.TestAny(EditFetchModes) != 0; }
    CResubmitPrompt& Prompt();
    void ShowError(LPCTSTR text);
    void ShowErrorId(UINT nID);
    // From the page found at the item's address to the form of the old
    // listing method: 1 there, 0 failed, -1 go to the retry step with text.
    int OpenOldForm(AuctionItem* pItem, CString& text);
    // The service's dialog on the page: 1 go on, 0 failed, else the road's
    // result after switching to the easy-transaction listing.
    int CheckDialog(AuctionItem* pItem, BOOL bNewStyle, BOOL& bGoOn);
    BOOL FixSwitchedShipping(CAuctionListingForm& form);
    BOOL CompleteShipping(AuctionItem* pItem, CAuctionListingForm& form);
    BOOL CompleteCondition(CAuctionListingForm& form);
    BOOL FetchItemPage(AuctionItem* pItem);
    int PostItem(AuctionItem* pItem, CAuctionListingForm& form, LPCTSTR actionUrl);
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
