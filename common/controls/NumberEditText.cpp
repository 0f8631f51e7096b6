#include "controls/NumberEditText.h"

#include "text/NumberText.h"
#include "text/TextCut.h"

int GroupedNumberLength(int digits)
{
    return digits > 0 ? digits + (digits - 1) / 3 : 0;
}

BOOL FormatGroupedNumber(CString& text, int maxLength)
{
    CString digits = text;
    FilterNumberChars(digits);
    if (maxLength > 0 && GroupedNumberLength(digits.GetLength()) > maxLength)
        return FALSE;
    GroupDigits(digits, 3);
    text = digits;
    return TRUE;
}

CString FormatDecimalValue(int whole, int fraction)
{
    CString text;
    if (fraction > 0)
        text.Format("%d.%d", whole, fraction);
    else
        text.Format("%d", whole);
    return text;
}
