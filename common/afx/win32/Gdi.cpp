// GDI objects: pens, brushes, fonts, bitmaps and regions.
#include "afx/Gdi.h"

#include "afx/DC.h"
#include "afx/WinApp.h"
#include "afx/win32/AfxState.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CGdiObject::CGdiObject(CGdiObject&& other) noexcept
{
    Attach(other.Detach());
}

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* self = AfxLaunder(this);
    return self != nullptr ? self->m_hObject : nullptr;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxGetThreadState()->m_gdiMap.FromHandle(hObject,
                                                    [](HGDIOBJ h)
                                                    {
                                                        CGdiObject* p = new CGdiObject;
                                                        p->m_hObject = h;
                                                        return p;
                                                    });
}

void CGdiObject::DeleteTempMap()
{
    AfxGetThreadState()->m_gdiMap.DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    if (hObject == m_hObject)
        return TRUE;
    DeleteObject();
    m_hObject = hObject;
    AfxGetThreadState()->m_gdiMap.SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        AfxGetThreadState()->m_gdiMap.RemovePermanent(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Stock objects are never deleted: held without owning.
    DeleteObject();
    m_hObject = ::GetStockObject(nIndex);
    return m_hObject != nullptr;
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    ::lstrcpynA(logFont.lfFaceName, lpszFaceName != nullptr ? lpszFaceName : "", LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
    LOGFONTA logFont = *lpLogFont;
    // Tenths of a point to logical units of the device.
    POINT pt;
    pt.y = ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720);
    pt.x = 0;
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&logFont);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize)
{
    return Attach(
        ::CreateMappedBitmap(AfxGetResourceHandle(), (INT_PTR)nIDBitmap, nFlags, lpColorMap, nMapSize));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
