#ifndef TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTFORM_H
#define TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTFORM_H

#include "net/FormFieldSet.h"

// The service's form of an item's featured amount per day.
class CFeaturedAmountForm : public CFormFieldSet
{
public:
    enum
    {
        FieldTos = 0,
        FieldAmount = 1, // "dpd"
        FieldAction = 2,
        FieldAuctionID = 3,
        FieldConfirm = 13,
        FieldSubmit = 14,
        FieldCount = 15
    };

    CFeaturedAmountForm(CHtmlDocument* page, int defaultCharset);
    ~CFeaturedAmountForm() override;

    CString GetFieldName(int i) const override;
    CFormFieldNameIndex& GetNameIndex() const override;
};

#endif // TANZO_CLIENT_ACTIONS_FEATUREDAMOUNTFORM_H
