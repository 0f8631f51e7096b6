#ifndef TANZO_AFX_IMAGELIST_H
#define TANZO_AFX_IMAGELIST_H

// CImageList: a common-controls image list that the object owns (Windows
// builds); copying is blocked, moving hands the list over.

#include "afx/HandleObject.h"
#include "afx/Object.h"
#include "afx/Rect.h"
#include "afx/wintypes.h"

#include <commctrl.h>

class CBitmap;
class CDC;

// The handle of an image list, under the name MFC gives it.
struct AFX_IMAGELIST_HANDLE
{
    typedef HIMAGELIST HANDLE_TYPE;
    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetHandle() const { return m_hImageList; }
    void SetHandle(HIMAGELIST h) { m_hImageList = h; }
    static BOOL DestroyHandle(HIMAGELIST h) { return ::ImageList_Destroy(h); }
};

class CImageList : public CHandleObject<CImageList, AFX_IMAGELIST_HANDLE>
{
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return GetSafeHeld(); }
    BOOL DeleteImageList() { return DestroyHeld(); }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
    {
        return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
    }
    // Images of width cx cut from a bitmap resource, masked by crMask.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);

    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT uNewCount) { return ::ImageList_SetImageCount(m_hImageList, uNewCount); }
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    BOOL Remove(int nImage) { return ::ImageList_Remove(m_hImageList, nImage); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    // A new icon the caller destroys (DestroyIcon).
    HICON ExtractIcon(int nImage) { return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
    COLORREF SetBkColor(COLORREF cr) { return ::ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ::ImageList_GetBkColor(m_hImageList); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    BOOL GetIconSize(int* cx, int* cy) const { return ::ImageList_GetIconSize(m_hImageList, cx, cy); }
};

#endif // TANZO_AFX_IMAGELIST_H
