#include "app/DialogTextRules.h"

#include "text/TextCut.h"

CString MakeToolTipText(LPCTSTR lpszText)
{
    CString strText = lpszText;
    TruncateWithEllipsis(strText, TOOLTIP_TEXT_MAX_BYTES);
    return strText;
}

CharCountLook MakeCharCountLook(int nCount, int nWarning, int nMaximum)
{
    CharCountLook look;
    look.strText.Format("%d", nCount / 2);
    if (nCount % 2 != 0)
        look.strText += ".5";
    look.bBold = nWarning > 0 && nCount >= nWarning;
    look.bOver = nMaximum > 0 && nCount + 1 >= nMaximum;
    return look;
}
