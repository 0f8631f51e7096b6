#include "app/TextDrawing.h"

#include "afx/DC.h"

#include <algorithm>
#include <vector>

namespace
{
// DrawText with DT_MODIFYSTRING writes up to four characters more than it
// was given ("..." and its NUL).
const int kModifyRoom = 4;
} // namespace

BOOL DrawTextKeepingOriginal(CDC* pDC, const CString& strText, LPRECT lpRect, UINT nFormat)
{
    const int nLength = strText.GetLength();
    if ((nFormat & DT_MODIFYSTRING) == 0)
    {
        pDC->DrawText((LPCTSTR)strText, nLength, lpRect, nFormat);
        return FALSE;
    }
    std::vector<char> copy(nLength + kModifyRoom + 1, '\0');
    std::copy((LPCTSTR)strText, (LPCTSTR)strText + nLength, copy.begin());
    pDC->DrawText(copy.data(), nLength, lpRect, nFormat);
    return strText.Compare(copy.data()) != 0;
}
