#include "app/Placement.h"

BOOL PlaceInWorkArea(LPCRECT lpWorkArea, int left, int top, int width, int height, BOOL bCenter,
                     CRect& rcResult)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    if (lpWorkArea != nullptr)
    {
        const CRect rcWork(lpWorkArea);
        const int areaWidth = rcWork.Width();
        const int areaHeight = rcWork.Height();
        if (areaWidth > 0 && areaHeight > 0)
        {
            if (width > areaWidth)
                width = areaWidth;
            if (height > areaHeight)
                height = areaHeight;
            if (bCenter || left < rcWork.left || left >= rcWork.right || top < rcWork.top ||
                top >= rcWork.bottom)
            {
                left = rcWork.left + (areaWidth - width) / 2;
                top = rcWork.top + (areaHeight - height) / 2;
            }
        }
    }
    rcResult.SetRect(left, top, left + width, top + height);
    return TRUE;
}
