#include "net/ProgressMarkStatic.h"

#include "afx/DC.h"

IMPLEMENT_DYNAMIC(CProgressMarkStatic, CDecorateStatic)

CProgressMarkStatic::CProgressMarkStatic()
{
    m_crText = RGB(0, 0, 255);
    m_crBack = RGB(255, 255, 255);
}

void CProgressMarkStatic::AddMark(int nKind)
{
    CString strText = m_strText;
    switch (nKind)
    {
    case markStatus:
        strText += ">";
        break;
    case markRetry:
        strText += "R";
        break;
    case markClear:
        strText.Empty();
        break;
    default:
        return;
    }
    SetText(strText);
    Redraw();
}

void CProgressMarkStatic::DrawContent(CDC* pDC, CRect rect, UINT nFormat)
{
    // The marks run to the end of the line, never into an ellipsis.
    const UINT nPlain = nFormat & ~(DT_END_ELLIPSIS | DT_MODIFYSTRING);
    CRect rcMeasured = rect;
    pDC->DrawText((LPCTSTR)m_strText, m_strText.GetLength(), &rcMeasured, nPlain | DT_CALCRECT);
    if (rcMeasured.Width() > rect.Width() || rcMeasured.Height() > rect.Height())
        m_strText.Empty();
    CDecorateStatic::DrawContent(pDC, rect, nPlain);
}
