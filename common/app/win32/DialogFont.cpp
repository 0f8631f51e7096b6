#include "app/DialogFont.h"

#include "afx/DC.h"
#include "afx/Wnd.h"

#include <cstring>

namespace
{
// LF_FACESIZE less the NUL, less one byte so that a two-byte character is
// never cut at the end.
const int kMaxFaceNameBytes = 30;
} // namespace

CDialogFont::~CDialogFont()
{
    m_font.DeleteObject();
}

void CDialogFont::SetPointSize(int nPointSize)
{
    m_nPointSize = nPointSize;
    m_bStale = TRUE;
}

void CDialogFont::SetFaceName(LPCTSTR lpszFaceName)
{
    m_strFaceName = lpszFaceName;
    m_bStale = TRUE;
}

void CDialogFont::SetStyle(UINT nStyle)
{
    m_nStyle = nStyle;
    m_bStale = TRUE;
}

BOOL CDialogFont::CreateFor(CWnd* pWnd)
{
    HFONT hWindowFont = (HFONT)pWnd->SendMessage(WM_GETFONT);
    if (hWindowFont == nullptr)
        hWindowFont = (HFONT)::GetStockObject(SYSTEM_FONT); // what a window without a font draws with
    LOGFONTA lf = {};
    if (::GetObjectA(hWindowFont, sizeof(lf), &lf) == 0)
        return FALSE;
    lf.lfWeight = TestStyle(styleBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = TestStyle(styleItalic) ? TRUE : FALSE;
    lf.lfUnderline = TestStyle(styleUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = TestStyle(styleStrikeOut) ? TRUE : FALSE;
    if (!m_strFaceName.IsEmpty() && m_strFaceName.GetLength() <= kMaxFaceNameBytes)
        std::strcpy(lf.lfFaceName, m_strFaceName);
    m_font.DeleteObject();
    BOOL bCreated;
    if (m_nPointSize != 0)
    {
        lf.lfHeight = m_nPointSize;
        bCreated = m_font.CreatePointFontIndirect(&lf);
    }
    else
    {
        bCreated = m_font.CreateFontIndirect(&lf);
    }
    m_bStale = !bCreated;
    return bCreated;
}

BOOL CDialogFont::Apply(CWnd* pWnd, BOOL bRedraw)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return FALSE;
    if (m_nPointSize == 0 && m_nStyle == 0)
        return TRUE;
    if (!CreateFor(pWnd))
        return FALSE;
    pWnd->SendMessage(WM_SETFONT, (WPARAM)m_font.m_hObject, MAKELPARAM(bRedraw ? TRUE : FALSE, 0));
    return TRUE;
}

CFont* CDialogFont::SelectInto(CWnd* pWnd, CDC* pDC)
{
    if (pWnd == nullptr || pDC == nullptr || !::IsWindow(pWnd->GetSafeHwnd()))
        return nullptr;
    if ((m_bStale || m_font.m_hObject == nullptr) && !CreateFor(pWnd))
        return nullptr;
    return pDC->SelectObject(&m_font);
}
