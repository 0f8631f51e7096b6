#ifndef TANZO_CLIENT_ACTIONS_LEAVEFEEDBACKFORM_H
#define TANZO_CLIENT_ACTIONS_LEAVEFEEDBACKFORM_H

#include "net/FormFieldSet.h"

// The service's feedback form: the partner, the rating and the comment.
class CLeaveFeedbackForm : public CFormFieldSet
{
public:
    enum
    {
        FieldTarget = 0, // "t"
        FieldRating = 1,
        FieldComment = 2,
        FieldCount = 3
    };

    CLeaveFeedbackForm(CHtmlDocument* page, int defaultCharset);
    ~CLeaveFeedbackForm() override;

    CString GetFieldName(int i) const override;
    CFormFieldNameIndex& GetNameIndex() const override;

    // 1 very bad to 5 very good as the service's word; FALSE, leaving the
    // field as it was, for any other value.
    BOOL SetRating(int nRating);
};

#endif // TANZO_CLIENT_ACTIONS_LEAVEFEEDBACKFORM_H
