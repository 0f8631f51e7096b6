// GDI objects: pens, brushes, fonts, bitmaps and regions.
#include "afx/Gdi.h"

#include "afx/DC.h"
#include "afx/ScopedWin.h"
#include "afx/WinApp.h"
#include "afx/win32/HandleObjectImpl.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

template class CHandleObject<CGdiObject, AFX_GDI_HANDLE>;

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

namespace
{
// Tenths of a point to logical units of the device.
LONG PointsToHeight(HDC hDC, LONG nTenths)
{
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nTenths, 720)};
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    return -std::abs(pt.y - ptOrg.y);
}
} // namespace

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC)
{
    LOGFONTA logFont = *lpLogFont;
    if (pDC != nullptr)
        logFont.lfHeight = PointsToHeight(pDC->m_hAttribDC, logFont.lfHeight);
    else
        logFont.lfHeight = PointsToHeight(CScopedGetDC(nullptr), logFont.lfHeight);
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
