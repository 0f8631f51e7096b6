#include "app/PromptText.h"

CString MakePromptText(LPCTSTR lpszPrompt)
{
    CString strText;
    if (lpszPrompt == nullptr)
        return strText;
    for (LPCTSTR p = lpszPrompt; *p != '\0';)
    {
        LPCTSTR pNext = AfxCharNext(p);
        if (pNext == p + 1 && *p == '?')
            strText += "？";
        else
            strText += CString(p, (int)(pNext - p));
        p = pNext;
    }
    return strText;
}
