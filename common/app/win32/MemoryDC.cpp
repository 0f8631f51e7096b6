#include "app/MemoryDC.h"

CMemoryDC::CMemoryDC(CDC* pTargetDC) : m_pTargetDC(pTargetDC) {}

CMemoryDC::~CMemoryDC()
{
    Release();
}

CDC* CMemoryDC::Create(int cx, int cy)
{
    Release();
    if (m_pTargetDC == nullptr || m_pTargetDC->m_hDC == nullptr || cx <= 0 || cy <= 0)
        return nullptr;
    if (!m_bitmap.CreateCompatibleBitmap(m_pTargetDC, cx, cy) || !m_memDC.CreateCompatibleDC(m_pTargetDC))
    {
        Release();
        return nullptr;
    }
    m_pSelectBitmap.reset(new CScopedSelectObject(m_memDC, m_bitmap));
    m_cx = cx;
    m_cy = cy;
    return &m_memDC;
}

void CMemoryDC::Release()
{
    m_pSelectBitmap.reset();
    m_memDC.DeleteDC();
    m_bitmap.DeleteObject();
    m_cx = 0;
    m_cy = 0;
}

void CMemoryDC::Fill(COLORREF crColor)
{
    if (m_memDC.m_hDC != nullptr)
        m_memDC.FillSolidRect(0, 0, m_cx, m_cy, crColor);
}

BOOL CMemoryDC::ClipToTarget()
{
    if (m_memDC.m_hDC == nullptr || m_pTargetDC == nullptr)
        return FALSE;
    CRect rcClip;
    int nKind = m_pTargetDC->GetClipBox(&rcClip);
    if (nKind == ERROR || nKind == NULLREGION)
        return FALSE;
    m_memDC.IntersectClipRect(&rcClip);
    return TRUE;
}

BOOL CMemoryDC::Flush(LPCRECT lpRect, DWORD dwRop)
{
    if (m_pTargetDC == nullptr || m_pTargetDC->m_hDC == nullptr || m_memDC.m_hDC == nullptr || m_cx <= 0 ||
        m_cy <= 0 || lpRect == nullptr)
        return FALSE;
    return m_pTargetDC->BitBlt(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                               lpRect->bottom - lpRect->top, &m_memDC, lpRect->left, lpRect->top, dwRop);
}
