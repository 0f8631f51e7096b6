#include "app/StatusPaneHighlight.h"

#include "app/StatusPane.h"

BOOL CStatusPaneHighlight::Begin(int nPane)
{
    if (m_pBar == nullptr || m_nPane >= 0)
        return FALSE;
    m_nPane = nPane;
    m_cxSaved = m_pBar->GetPaneWidth(nPane);
    return TRUE;
}

BOOL CStatusPaneHighlight::SetNumber(int nValue, UINT nFormatId)
{
    if (m_pBar == nullptr || m_nPane < 0)
        return FALSE;
    if (nValue < 2)
        return SetText("", TRUE);
    if (m_pBar->GetPaneWidth(m_nPane) == 0)
        m_pBar->SetPaneWidth(m_nPane, m_cxSaved);
    return m_pBar->SetPaneNumber(m_nPane, nValue, nFormatId, TRUE);
}

BOOL CStatusPaneHighlight::SetText(LPCTSTR lpszText, BOOL bUpdate)
{
    if (m_pBar == nullptr || m_nPane < 0 || lpszText == nullptr)
        return FALSE;
    if (*lpszText == '\0')
        m_pBar->SetPaneWidth(m_nPane, 0);
    else if (m_pBar->GetPaneWidth(m_nPane) == 0)
        m_pBar->SetPaneWidth(m_nPane, m_cxSaved);
    return m_pBar->SetPaneText(m_nPane, lpszText, bUpdate);
}

void CStatusPaneHighlight::Dress(int nAlign, COLORREF crText, COLORREF crBack)
{
    m_pBar->AddPaneStyle(m_nPane, STATUSPANE_STYLE_NOBORDERS);
    m_pBar->SetPaneAlignment(m_nPane, nAlign, TRUE);
    m_pBar->SetPaneTextColor(m_nPane, crText, TRUE);
    m_pBar->SetPaneBkColor(m_nPane, crBack, TRUE);
}

BOOL CStatusPaneDarkHighlight::Begin(int nPane)
{
    if (!CStatusPaneHighlight::Begin(nPane))
        return FALSE;
    Dress(STATUSPANE_ALIGN_CENTER, 0x000000, 0xFFFFFF);
    return TRUE;
}

BOOL CStatusPaneBlueHighlight::Begin(int nPane)
{
    if (!CStatusPaneHighlight::Begin(nPane))
        return FALSE;
    Dress(STATUSPANE_ALIGN_RIGHT, 0xFF0000, 0xFFFFFF);
    return TRUE;
}
