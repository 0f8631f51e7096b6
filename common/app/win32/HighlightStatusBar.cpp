#include "app/HighlightStatusBar.h"

#include "afx/MsgMap.h"

IMPLEMENT_DYNAMIC(CHighlightStatusBar, CCommStatusBar)

CHighlightStatusBar::CHighlightStatusBar() = default;

CHighlightStatusBar::~CHighlightStatusBar() = default;

BOOL CHighlightStatusBar::BeginHighlight(int nPane)
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    m_highlight.SetStatusBar(this);
    return m_highlight.Begin(nPane);
}

BOOL CHighlightStatusBar::SetHighlightNumber(int nValue, UINT nFormatId)
{
    return m_highlight.SetNumber(nValue, nFormatId);
}
