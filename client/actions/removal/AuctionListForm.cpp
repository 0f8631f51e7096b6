#include "client/actions/removal/AuctionListForm.h"

namespace
{
const LPCTSTR kListFieldNames[CAuctionListForm::FieldFirstID] = {"action", "hasWinner", ".done"};
const char kIDFieldName[] = "aidlist[]";
} // namespace

CAuctionListForm::CAuctionListForm(CHtmlDocument* page, int defaultCharset)
    : CFormFieldSet(FieldCount, page, defaultCharset)
{
}

CAuctionListForm::~CAuctionListForm() {}

CString CAuctionListForm::GetFieldName(int i) const
{
    if (i < 0 || i >= FieldCount)
        return CString();
    return i < FieldFirstID ? CString(kListFieldNames[i]) : CString(kIDFieldName);
}

CFormFieldNameIndex& CAuctionListForm::GetNameIndex() const
{
    static CFormFieldNameIndex index;
    return index;
}

BOOL CAuctionListForm::BuildBody(CString& out)
{
    out.Empty();
    std::string body;
    for (int i = 0; i < FieldCount; ++i)
    {
        if (!AppendEncodedPair(body, GetFieldName(i), GetAt(i)) && i >= FieldFirstID)
            break;
    }
    return FinishBody(body, out);
}
