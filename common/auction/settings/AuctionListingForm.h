#ifndef TANZO_AUCTION_AUCTIONLISTINGFORM_H
#define TANZO_AUCTION_AUCTIONLISTINGFORM_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "net/FormFieldSet.h"

class CAuctionShipMethods;
class CHtmlDocument;
class CItemCondition;
class CSelectValuePair;

// Field numbers of the listing form (the names are in the form's table).
enum ListingField
{
    LF_TOS = 0,
    LF_TITLE = 1,
    LF_DESCRIPTION = 2,
    LF_SALES_MODE = 3,
    LF_START_PRICE = 4,
    LF_BUY_NOW_PRICE = 5,
    LF_OFFER = 6,
    LF_QUANTITY = 7,
    LF_CONDITION = 8,
    LF_CONDITION_COMMENT = 9,
    LF_CATEGORY = 10,
    LF_IMAGE_PATH1 = 11,
    LF_IMAGE_WIDTH1 = 21,
    LF_IMAGE_HEIGHT1 = 31,
    LF_IMAGE_COMMENT1 = 41,
    LF_USER_ID = 51,
    LF_LOGIN = 52,
    LF_DURATION = 53,
    LF_CLOSING_TIME = 54,
    LF_NUM_RESUBMIT = 55,
    LF_MARKDOWN = 56,
    LF_MARKDOWN_RATIO = 57,
    LF_CLOSE_EARLY = 58,
    LF_AUTO_EXTENSION = 59,
    LF_SHIPPING = 60,
    LF_SHIP_TIME = 61,
    LF_MIN_BID_RATING = 62,
    LF_BAD_RATING_RATIO = 63,
    LF_BID_CREDIT_LIMIT = 64,
    LF_ASPJ1 = 65,
    LF_ASPJ3 = 66,
    LF_ASPJ4 = 67,
    LF_YPM_OK = 68,
    LF_DSK_PAYMENT = 69,
    LF_BANK_NAME1 = 70,
    LF_PAY_METHOD1 = 80,
    LF_INTL_OK = 90,
    LF_YPK_OK = 91,
    LF_LOCATION = 92,
    LF_CITY = 93,
    LF_RETURN_POLICY = 94,
    LF_RETURN_POLICY_COMMENT = 95,
    LF_ITEM_SIZE = 96,
    LF_ITEM_WEIGHT = 97,
    LF_HB_ITEM_SIZE = 98,
    LF_HB_ITEM_WEIGHT = 99,
    LF_SHIP_NAME1 = 100,
    LF_SHIP_FEE1 = 110,
    LF_LONG_DIST1 = 120,
    LF_HOKKAIDO_FEE1 = 130,
    LF_OKINAWA_FEE1 = 140,
    LF_ISLAND_FEE1 = 150,
    LF_SHIP_RATE_LINK1 = 160,
    LF_INTL_AUCTION = 170,
    LF_USE_INTL = 171,
    LF_BOLD = 172,
    LF_HIGHLIGHT = 173,
    LF_POSTAGE_FREE = 174,
    LF_FEATURED_AMOUNT = 175,
    LF_RESERVE_PRICE = 176,
    LF_GIFT = 177,
    LF_CPA_AMOUNT = 178,
    LF_WRAPPING = 179,
    LF_AFFILIATE = 180,
    LF_AFFILIATE_RATE = 181,
    LF_SHIPPING_INPUT = 182,
    LF_SHIP_SCHEDULE = 183,
    LF_IS_OTHER_SHIP = 184,
    LF_SALES_CONTRACT = 185,
    LF_HB_SHIP = 186,
    LF_HB_MINI_SHIP = 187,
    LF_HB_MINI_PREFECTURE = 188,
    LF_NEKOPOSU_SHIP = 189,
    LF_TAQBIN_COMPACT_SHIP = 190,
    LF_TAQBIN_SHIP = 191,
    LF_YUPACKET_SHIP = 192,
    LF_YUPACK_SHIP = 193,
    LF_FIELD_COUNT = 194
};

// The ten shipping methods of the form.
enum
{
    ListingShipMethodCount = 10
};

// The service's listing form, with which an item is put up again: its 194
// fields filled from an item and the listing settings, then merged with the
// form page that the service returned.
class CAuctionListingForm : public CFormFieldSet
{
public:
    // Bank-ID inputs of the fetched form: not copied, copied with their
    // values, or copied with empty values.
    enum
    {
        BankIdNone = 0,
        BankIdCopy = 1,
        BankIdNamesOnly = 2
    };
    // Flags of SetShippingInput.
    enum
    {
        ShippingInputLater = 0x1,
        ShippingInputArrival = 0x2
    };

    CAuctionListingForm(CHtmlDocument* page, int defaultCharset);
    ~CAuctionListingForm() override;

    CString GetFieldName(int i) const override;
    CFormFieldNameIndex& GetNameIndex() const override;

    void SetBankIdInputMode(int mode) { m_bankIdInputMode = mode; }
    int GetBankIdInputMode() const { return m_bankIdInputMode; }

    // 0 "auction", 1 "buynow", 2 "offer".
    void SetSalesMode(int kind);
    int GetSalesMode() const;
    void GetSalesMode(int& mode) const { mode = GetSalesMode(); }

    void SetItemCondition(const CItemCondition& condition);

    // serviceForm: the service's form offers the shipping-service inputs.
    void SetShippingMethods(const CAuctionShipMethods& item, BOOL serviceForm);
    void ReadShippingMethods(CAuctionShipMethods& item, BOOL serviceForm) const;
    void SetShippingInput(DWORD flags);
    void SetSizeWeight(const CSelectValuePair& pair);
    void SetServiceSizeWeight(const CSelectValuePair& pair, int sizeRow, int weightRow);
    void ReadServiceSizeWeight(CSelectValuePair& pair, int sizeRow, int weightRow) const;
    void ApplySellerPaysShipping();

    // Reconciles the fields with the form page that the service returned.
    // *bankIdTaken becomes 1 when a bank-ID input was copied with a value.
    void MergeFetchedForm(CHtmlDocument* page, BOOL serviceForm, int* bankIdTaken);

private:
    void SetYesOrEmpty(int i, BOOL yes);
    void CopyBankIdInputs(CHtmlDocument* page, int* bankIdTaken);

    int m_bankIdInputMode;
};

#endif // TANZO_AUCTION_AUCTIONLISTINGFORM_H
