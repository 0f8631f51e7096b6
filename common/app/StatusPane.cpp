#include "app/StatusPane.h"

#include "afx/StringTable.h"

BOOL CStatusPane::IsPlain() const
{
    return m_crText == STATUSPANE_NO_COLOR && m_crBack == STATUSPANE_NO_COLOR &&
           m_nAlign == STATUSPANE_ALIGN_LEFT && m_dwFlags == 0;
}

void CStatusPane::SetTimedText(int nSeconds, LPCTSTR lpszText, COLORREF crText, COLORREF crBack)
{
    m_strTimedText = nSeconds > 0 ? CString(lpszText) : CString();
    m_crTimedText = crText;
    m_crTimedBack = crBack;
    if (nSeconds > 0)
        m_dwFlags |= flagTimedText;
    else
        m_dwFlags &= ~(DWORD)flagTimedText;
}

const CString& CStatusPane::GetShownText(const CString& strPaneText) const
{
    return IsTimedTextShowing() ? m_strTimedText : strPaneText;
}

COLORREF CStatusPane::GetShownTextColor() const
{
    return IsTimedTextShowing() ? m_crTimedText : m_crText;
}

COLORREF CStatusPane::GetShownBkColor() const
{
    return IsTimedTextShowing() ? m_crTimedBack : m_crBack;
}

int TimedTextSecondsOfKind(int nKind)
{
    switch (nKind)
    {
    case 0:
        return -1;
    case 1:
        return 2;
    case 2:
        return 8;
    default:
        return 0;
    }
}

BOOL CanShowTimedText(int nPane, int nPaneCount)
{
    return nPane >= 0 && nPane < nPaneCount && nPane < STATUSPANE_TIMED_COUNT;
}

UINT StatusPaneTimerId(int nPane)
{
    return STATUSPANE_TIMER_FIRST + (UINT)nPane;
}

int StatusPaneOfTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent < STATUSPANE_TIMER_FIRST || nIDEvent >= STATUSPANE_TIMER_FIRST + STATUSPANE_TIMED_COUNT)
        return -1;
    return (int)(nIDEvent - STATUSPANE_TIMER_FIRST);
}

CString MenuTextAsPaneText(LPCTSTR lpszItemText)
{
    CString strText(lpszItemText);
    int nParen = strText.Find('(');
    if (nParen >= 0)
        return strText.Left(nParen);
    strText.Remove('&');
    return strText;
}

int FindMenuItemByPaneText(const CStringArray& itemTexts, LPCTSTR lpszPaneText)
{
    const CString strPaneText(lpszPaneText);
    for (int i = 0; i < (int)itemTexts.GetSize(); ++i)
    {
        if (MenuTextAsPaneText(itemTexts[i]) == strPaneText)
            return i;
    }
    return -1;
}

CString FormatPaneNumber(int nValue, UINT nFormatId)
{
    CString strText;
    char szFormat[256];
    if (nFormatId != 0 && AfxLoadString(nFormatId, szFormat, sizeof(szFormat)) > 0)
        strText.Format(szFormat, nValue);
    else
        strText.Format("%d", nValue);
    return strText;
}
