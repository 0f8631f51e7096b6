#include "client/actions/updates/FeaturedAmountForm.h"

namespace
{
const LPCTSTR kFieldNames[CFeaturedAmountForm::FieldCount] = {
    "tos",     "dpd", "action", "aID",   "asel", "asti",    "aeti",   "ast",
    "UEtitle", "afc", "acat",   "afdpd", "md5",  "confirm", "submit",
};
} // namespace

CFeaturedAmountForm::CFeaturedAmountForm(CHtmlDocument* page, int defaultCharset)
    : CFormFieldSet(FieldCount, page, defaultCharset)
{
}

CFeaturedAmountForm::~CFeaturedAmountForm() {}

CString CFeaturedAmountForm::GetFieldName(int i) const
{
    return i >= 0 && i < FieldCount ? CString(kFieldNames[i]) : CString();
}

CFormFieldNameIndex& CFeaturedAmountForm::GetNameIndex() const
{
    static CFormFieldNameIndex index;
    return index;
}
