#include "app/DecorateStatic.h"

#include "afx/DC.h"
#include "afx/Gdi.h"
#include "afx/ScopedWin.h"
#include "app/ClipboardShell.h"
#include "app/ControlGeometry.h"
#include "app/MemoryDC.h"
#include "app/TextDrawing.h"

namespace
{
int PlacementOf(UINT nFormat, UINT nCentre, UINT nEnd)
{
    if ((nFormat & nCentre) != 0)
        return placeCentre;
    return (nFormat & nEnd) != 0 ? placeEnd : placeStart;
}
} // namespace

IMPLEMENT_DYNAMIC(CDecorateStatic, CStatic)

BEGIN_MESSAGE_MAP(CDecorateStatic, CStatic)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_SETCURSOR()
ON_WM_SIZE()
END_MESSAGE_MAP()

CDecorateStatic::CDecorateStatic() = default;

CDecorateStatic::~CDecorateStatic() = default;

void CDecorateStatic::SetText(LPCTSTR lpszText)
{
    m_strText = lpszText;
    m_state.Add(stateTextSet);
}

BOOL CDecorateStatic::GetToolTipText(CString& strText)
{
    strText = TestState(stateShortened) ? m_strText : m_strLink;
    return !strText.IsEmpty();
}

void CDecorateStatic::Redraw()
{
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

BOOL CDecorateStatic::IsPointInText(CPoint point) const
{
    return !m_rcText.IsRectEmpty() && m_rcText.PtInRect(point);
}

BOOL CDecorateStatic::IsCursorInText() const
{
    POINT ptCursor;
    if (!::IsWindow(m_hWnd) || !::GetCursorPos(&ptCursor))
        return FALSE;
    ScreenToClient(&ptCursor);
    return IsPointInText(ptCursor);
}

CFont* CDecorateStatic::SelectLabelFont(CDC* pDC)
{
    m_font.SetStyle((UINT)(m_nStyle & (styleBold | styleItalic | styleUnderline | styleStrikeOut)));
    m_font.SetPointSize(m_nPointSize);
    return m_font.SelectInto(this, pDC);
}

void CDecorateStatic::SyncWindowText()
{
    if (!TestState(stateTextSet))
        GetWindowText(m_strText);
    if (HasLink() && (GetStyle() & SS_NOTIFY) == 0)
        ModifyStyle(0, SS_NOTIFY);
}

UINT CDecorateStatic::GetDrawFormat() const
{
    UINT nFormat = DT_EDITCONTROL | DT_END_ELLIPSIS | DT_MODIFYSTRING;
    nFormat |= TestOptions(optionMultiLine) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    const DWORD dwStyle = GetStyle();
    const DWORD dwAlign = dwStyle & SS_TYPEMASK;
    if (dwAlign == SS_CENTER)
        nFormat |= DT_CENTER;
    else if (dwAlign == SS_RIGHT)
        nFormat |= DT_RIGHT;
    if ((dwStyle & SS_NOPREFIX) != 0)
        nFormat |= DT_NOPREFIX;
    return nFormat;
}

void CDecorateStatic::OnPaint()
{
    SyncWindowText();
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CMemoryDC buffer(&dc);
    CDC* pDC = buffer.Create(rcClient.Width(), rcClient.Height());
    if (pDC == nullptr)
        return;
    // The DC's font comes back at the end, whatever the label selects.
    CScopedSelectObject keepFont(pDC->m_hDC, ::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
    SelectLabelFont(pDC);
    if (m_crText != (COLORREF)-1)
        pDC->SetTextColor(m_crText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->FillSolidRect(&rcClient, m_crBack != (COLORREF)-1 ? m_crBack : ::GetSysColor(COLOR_BTNFACE));
    if (TestStyleBits(styleFrame))
    {
        CBrush brush(m_crFrame);
        pDC->FrameRect(&rcClient, &brush);
    }
    CRect rcText = rcClient;
    if (!m_rcMargins.IsRectNull())
        rcText = DeflateByMargins(rcClient, m_rcMargins);
    DrawContent(pDC, rcText, GetDrawFormat());
    buffer.Flush(&rcClient, SRCCOPY);
}

void CDecorateStatic::DrawContent(CDC* pDC, CRect rect, UINT nFormat)
{
    if (TestOptions(optionTrackText) || HasLink())
    {
        CRect rcMeasured = rect;
        pDC->DrawText((LPCTSTR)m_strText, m_strText.GetLength(), &rcMeasured, nFormat | DT_CALCRECT);
        m_rcText = PlaceTextInBox(
            rect, rcMeasured.Width(), rcMeasured.Height(), PlacementOf(nFormat, DT_CENTER, DT_RIGHT),
            PlacementOf(nFormat, DT_VCENTER, DT_BOTTOM), (nFormat & DT_SINGLELINE) != 0);
    }
    DrawLabelText(pDC, rect, nFormat);
}

void CDecorateStatic::DrawLabelText(CDC* pDC, CRect rect, UINT nFormat)
{
    const BOOL bShortened = DrawTextKeepingOriginal(pDC, m_strText, &rect, nFormat);
    if ((nFormat & DT_MODIFYSTRING) != 0)
        m_state.SetOrRemove(stateShortened, bShortened);
}

void CDecorateStatic::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HasLink() && IsPointInText(point))
        OpenInBrowser(m_strLink, m_hWnd);
    Default();
}

BOOL CDecorateStatic::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (HasLink() && IsCursorInText())
    {
        ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
    }
    return (BOOL)Default();
}

void CDecorateStatic::OnSize(UINT nType, int cx, int cy)
{
    Default();
    Redraw();
}

IMPLEMENT_DYNAMIC(CHintStatic, CDecorateStatic)

CHintStatic::CHintStatic()
{
    m_nStyle = styleFrame;
    m_crText = 0x2A2AA5;
    m_crBack = 0xE2FFFF;
    m_crFrame = 0x2A2AA5;
    m_options.Add(optionMultiLine);
    SetMargins(5);
}
