#include "client/actions/feedback/LeaveFeedbackForm.h"

namespace
{
const LPCTSTR kFieldNames[CLeaveFeedbackForm::FieldCount] = {"t", "rating", "formComment"};
const LPCTSTR kRatingWords[] = {"veryBad", "bad", "normal", "good", "veryGood"};
} // namespace

CLeaveFeedbackForm::CLeaveFeedbackForm(CHtmlDocument* page, int defaultCharset)
    : CFormFieldSet(FieldCount, page, defaultCharset)
{
}

CLeaveFeedbackForm::~CLeaveFeedbackForm() {}

CString CLeaveFeedbackForm::GetFieldName(int i) const
{
    return i >= 0 && i < FieldCount ? CString(kFieldNames[i]) : CString();
}

CFormFieldNameIndex& CLeaveFeedbackForm::GetNameIndex() const
{
    static CFormFieldNameIndex index;
    return index;
}

BOOL CLeaveFeedbackForm::SetRating(int nRating)
{
    if (nRating < 1 || nRating > 5)
        return FALSE;
    SetAt(FieldRating, kRatingWords[nRating - 1]);
    return TRUE;
}
