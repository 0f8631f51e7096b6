#include "afx/LoadText.h"

CString LoadText(UINT nID)
{
    CString text;
    if (nID != 0)
        text.LoadString(nID);
    return text;
}
