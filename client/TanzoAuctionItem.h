#ifndef TANZO_CLIENT_TANZOAUCTIONITEM_H
#define TANZO_CLIENT_TANZOAUCTIONITEM_H

#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"
#include "auction/records/AuctionChargeOption.h"
#include "auction/records/AuctionItem.h"
#include "auction/records/SalesMode.h"
#include "client/ItemUserState.h"
#include "client/TanzoAuctionBuyer.h"
#include "text/TieOrder.h"

class CAuctionListingForm;
class TanzoAuctionItemUserEdit;

// An item as the client shows and acts on it: the common record plus the
// user's state of the item, its paid options and sales mode, the
// description as edited for re-listing, the remaining time as the status
// page printed it, and which listing values the user edited. Every buyer
// it holds is a TanzoAuctionBuyer.
class TanzoAuctionItem : public AuctionItem, public CItemKeyInterface
{
public:
    // Edit flags: the groups of listing values the user changed.
    enum : DWORD
    {
        EditTitle = 0x1,
        EditStartPrice = 0x2,
        EditSalesMode = 0x4,
        EditBuyNowPrice = 0x8,
        EditQuantity = 0x10,
        EditDescription = 0x20,
        EditChargeOptions = 0x80,
        EditCondition = 0x100,
        EditShipping = 0x200,
        EditSizeWeight = 0x400
    };
    // Item flags that the selling list reads from a row.
    enum : DWORD
    {
        ItemFlagPremium = 0x20,
        ItemFlagFeatured = 0x1000000,
        ItemFlagBold = 0x1,
        ItemFlagHighlight = 0x2
    };

    TanzoAuctionItem();
    // Every group of the source.
    TanzoAuctionItem(const TanzoAuctionItem& other);
    ~TanzoAuctionItem() override;

    LPCTSTR GetTypeName() const override;
    void SetRemainingTimeText(LPCTSTR text) override;
    // The remaining time as the status page printed it.
    BOOL FormatRemainingTime(CString& out) const override;
    // The client's members come along only from another client item.
    void CopyFrom(const AuctionItem& other, DWORD mask) override;
    void KeepCommonFields(const AuctionItem& other) override;
    void ClearAll() override;
    // The groups' edit flags go with them.
    void Clear(DWORD mask) override;
    // The client keeps its items through TanzoAuctionItemUserEdit instead.
    void Serialize(CArchive& ar, DWORD flags) override;
    AuctionBuyer* CreateBuyer(const AuctionBuyer* source) const override;

    // The auction ID; the end time, or without one the remaining time of
    // the status page read as seconds (0 when it has no unit word).
    const CString& GetKey() const override { return GetAuctionID(); }
    CTime GetTime() const override;

    const CString& GetMemo() const { return GetExtraText3(); }
    void SetMemo(LPCTSTR memo) { SetExtraText3(memo); }

    CAuctionChargeOption& GetChargeOption() { return m_chargeOption; }
    const CAuctionChargeOption& GetChargeOption() const { return m_chargeOption; }
    CItemUserState& GetUserState() { return m_userState; }
    const CItemUserState& GetUserState() const { return m_userState; }
    CSalesMode& GetSalesMode() { return m_salesMode; }
    const CSalesMode& GetSalesMode() const { return m_salesMode; }
    const CString& GetRemainingTimeText() const { return m_remainingTimeText; }
    const CString& GetEditedDescription() const { return m_editedDescription; }
    void SetEditedDescription(LPCTSTR text) { m_editedDescription = text; }

    DWORD GetEditFlags() const { return m_editFlags; }
    void AddEditFlags(DWORD bits) { m_editFlags |= bits; }
    DWORD TestEditFlags(DWORD bits) const { return m_editFlags & bits; }

    BOOL HasFeaturedAmount() const { return m_chargeOption.GetFeaturedAmount() != 0; }

    // Appends a copy of every buyer (with its flags); TRUE when any.
    BOOL GetBuyers(CTanzoAuctionBuyerList& list) const;
    // The item's buyers become copies of the list's, in its order.
    void ReplaceBuyers(const CTanzoAuctionBuyerList& list);
    void AddFlagsToAllBuyers(DWORD bits);
    void ClearFlagsOfAllBuyers(DWORD bits);
    // FALSE without buyers; else every client buyer has one of the bits.
    BOOL AllBuyersHaveFlags(DWORD bits) const;

    // Takes the user's stored state, memo and (when it holds several) the
    // stored buyers into a freshly read item.
    void ApplyUserEdit(const TanzoAuctionItemUserEdit& record);
    // Takes each group that mask selects and other's edit flags mark, and
    // keeps the prices and the sales mode consistent.
    void MergeEdits(const TanzoAuctionItem& other, DWORD mask);
    // "[注目][太字]..." of the paid options; "（なし）" when none is held but
    // the paid options were edited.
    void FormatChargeOptionMarks(CString& out) const;

    // Writes the edited groups into the listing form. easyTransaction: the
    // item is listed as an easy-transaction listing. warnArrival: the
    // user's option to be asked when seller-paid shipping meets methods
    // paid on arrival. Shows a message (or asks) and returns FALSE when a
    // value cannot be listed; the form is then partly written.
    BOOL WriteEditsToListingForm(CAuctionListingForm& form, BOOL easyTransaction, BOOL warnArrival) const;

private:
    TanzoAuctionItem& operator=(const TanzoAuctionItem&) = delete;

    void ResetClientMembers();
    BOOL WriteShipping(CAuctionListingForm& form, BOOL easyTransaction, BOOL warnArrival) const;
    BOOL CheckListingPrices(CAuctionListingForm& form) const;

    CAuctionChargeOption m_chargeOption;
    CItemUserState m_userState;
    CSalesMode m_salesMode;
    CString m_editedDescription;
    CString m_remainingTimeText;
    DWORD m_editFlags;
};

// TRUE when the item's class is the client's (by its type name).
BOOL IsTanzoAuctionItem(const AuctionItem* item);

// The seconds a remaining-time text of the status pages stands for, as
// the key interface orders items without an end time: "3日" is 3 days and
// an hour, "3時間" 3 hours and a minute, "10分" 10 minutes; 0 when no unit
// word follows a number.
LONGLONG RemainingTextSeconds(const CString& text);

#endif // TANZO_CLIENT_TANZOAUCTIONITEM_H
