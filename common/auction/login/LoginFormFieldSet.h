#ifndef TANZO_AUCTION_LOGINFORMFIELDSET_H
#define TANZO_AUCTION_LOGINFORMFIELDSET_H

#include "net/FormFieldSet.h"

// The service's log-in form: 29 named fields, sent in the charset of the
// page the form came from (UTF-8 when the page names none).
class CLoginFormFieldSet : public CFormFieldSet
{
public:
    enum
    {
        FieldAlbatross = 0,
        FieldDone = 22,
        FieldLogin = 23,
        FieldPassword = 24,
        FieldPersistent = 25,
        FieldNoScript = 28,
        FieldCount = 29
    };

    explicit CLoginFormFieldSet(CHtmlDocument* page);
    ~CLoginFormFieldSet() override;

    CString GetFieldName(int i) const override;
    CFormFieldNameIndex& GetNameIndex() const override;
};

#endif // TANZO_AUCTION_LOGINFORMFIELDSET_H
