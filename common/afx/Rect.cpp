#include "afx/Rect.h"

#include <algorithm>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    CRect a(lpRect1);
    CRect b(lpRect2);
    CRect result(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom));
    if (a.IsRectEmpty() || b.IsRectEmpty() || result.IsRectEmpty())
    {
        SetRectEmpty();
        return FALSE;
    }
    *this = result;
    return TRUE;
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    CRect a(lpRect1);
    CRect b(lpRect2);
    if (a.IsRectEmpty())
    {
        if (b.IsRectEmpty())
        {
            SetRectEmpty();
            return FALSE;
        }
        *this = b;
        return TRUE;
    }
    if (b.IsRectEmpty())
    {
        *this = a;
        return TRUE;
    }
    SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom));
    return TRUE;
}

BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    CRect result(lpRectSrc1);
    if (result.IsRectEmpty())
    {
        SetRectEmpty();
        return FALSE;
    }
    CRect cut;
    if (lpRectSrc2 != nullptr && cut.IntersectRect(&result, lpRectSrc2))
    {
        // Only a cut that spans the full width or height removes a band.
        if (cut.left == result.left && cut.right == result.right)
        {
            if (cut.top == result.top)
                result.top = cut.bottom;
            else if (cut.bottom == result.bottom)
                result.bottom = cut.top;
        }
        else if (cut.top == result.top && cut.bottom == result.bottom)
        {
            if (cut.left == result.left)
                result.left = cut.right;
            else if (cut.right == result.right)
                result.right = cut.left;
        }
    }
    if (result.IsRectEmpty())
    {
        SetRectEmpty();
        return FALSE;
    }
    *this = result;
    return TRUE;
}
