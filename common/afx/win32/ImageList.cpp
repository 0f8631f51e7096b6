// CImageList: an owned common-controls image list.
#include "afx/ImageList.h"

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/WinApp.h"
#include "afx/win32/AfxState.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList(CImageList&& other) noexcept
{
    Attach(other.Detach());
}

CImageList& CImageList::operator=(CImageList&& other) noexcept
{
    if (this != &other)
    {
        DeleteImageList();
        Attach(other.Detach());
    }
    return *this;
}

CImageList::~CImageList()
{
    DeleteImageList();
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    const CImageList* self = AfxLaunder(this);
    return self != nullptr ? self->m_hImageList : nullptr;
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return AfxGetThreadState()->m_imageListMap.FromHandle(hImageList,
                                                          [](HIMAGELIST h)
                                                          {
                                                              CImageList* p = new CImageList;
                                                              p->m_hImageList = h;
                                                              return p;
                                                          });
}

void CImageList::DeleteTempMap()
{
    AfxGetThreadState()->m_imageListMap.DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    AfxGetThreadState()->m_imageListMap.SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        AfxGetThreadState()->m_imageListMap.RemovePermanent(hImageList, this);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(::ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nBitmapID), cx, nGrow,
                                         crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                           (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ::ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                               (HBITMAP)pbmMask->GetSafeHandle());
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
