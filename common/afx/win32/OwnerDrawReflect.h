#ifndef TANZO_AFX_WIN32_OWNERDRAWREFLECT_H
#define TANZO_AFX_WIN32_OWNERDRAWREFLECT_H

#include <windows.h>

// Owner-drawn items arrive at the control's object through its parent
// (reflection): the control's virtual functions draw them and, in lists and
// combos, measure, compare and delete them. Each returns TRUE when it took
// the message, its answer in *pResult. Internal to the library.

// WM_DRAWITEM only: buttons, list views and tabs have no other.
template <class TControl>
BOOL ReflectDrawItem(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return FALSE;
    pControl->DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

// The four item messages of list boxes and combo boxes.
template <class TControl>
BOOL ReflectOwnerDraw(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
        return ReflectDrawItem(pControl, message, lParam, pResult);
    case WM_MEASUREITEM:
        pControl->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        lResult = pControl->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        pControl->DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return FALSE;
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

#endif // TANZO_AFX_WIN32_OWNERDRAWREFLECT_H
