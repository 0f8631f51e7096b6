#include "app/DialogTextRules.h"

#include "text/TextCut.h"

CString MakeToolTipText(LPCTSTR lpszText)
{
    CString strText = lpszText;
    TruncateWithEllipsis(strText, TOOLTIP_TEXT_MAX_BYTES);
    return strText;
}
