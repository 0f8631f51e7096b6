#ifndef TANZO_CLIENT_ACTIONS_AUCTIONLISTFORM_H
#define TANZO_CLIENT_ACTIONS_AUCTIONLISTFORM_H

#include "net/FormFieldSet.h"

// The form of a closed or won list with which items are removed from it:
// its three fields, then up to fifty auction IDs under one name.
class CAuctionListForm : public CFormFieldSet
{
public:
    enum
    {
        FieldAction = 0,
        FieldHasWinner = 1,
        FieldDone = 2, // ".done"
        FieldFirstID = 3,
        MaxIDs = 50,
        FieldCount = FieldFirstID + MaxIDs
    };

    CAuctionListForm(CHtmlDocument* page, int defaultCharset);
    ~CAuctionListForm() override;

    CString GetFieldName(int i) const override;
    CFormFieldNameIndex& GetNameIndex() const override;
    // The auction IDs go up to the first empty one: an ID set behind a gap
    // is not sent.
    BOOL BuildBody(CString& out) override;
};

#endif // TANZO_CLIENT_ACTIONS_AUCTIONLISTFORM_H
