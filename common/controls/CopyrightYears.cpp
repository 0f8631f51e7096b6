#include "controls/CopyrightYears.h"

CString FormatCopyrightYears(int firstYear, int currentYear)
{
    if (firstYear < 1)
        firstYear = currentYear;
    CString text;
    if (firstYear == currentYear)
        text.Format("%d", firstYear);
    else
        text.Format("%d-%d", firstYear, currentYear);
    return text;
}
