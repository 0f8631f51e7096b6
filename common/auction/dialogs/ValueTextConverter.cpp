#include "auction/dialogs/ValueTextConverter.h"

#include "afx/Collections.h"
#include "controls/ChoiceValue.h"

BOOL CValueTextConverter::JoinTexts(const CPtrList& values, CString& out)
{
    out.Empty();
    for (POSITION pos = values.GetHeadPosition(); pos != nullptr;)
    {
        CString text;
        if (!GetText(values.GetNext(pos), text))
            continue;
        if (!out.IsEmpty())
            out += ", ";
        out += text;
    }
    return !out.IsEmpty();
}

BOOL AppendFormattedValue(const CChoiceValue& record, UINT formatId, CString& out)
{
    CString format;
    if (!format.LoadString(formatId))
        return FALSE;
    CString text;
    text.Format(format, record.GetValue());
    out += text;
    return TRUE;
}
