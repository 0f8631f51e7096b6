#include "controls/CommComboBox.h"

#include "controls/HistoryList.h"

BEGIN_MESSAGE_MAP(CCommComboBox, CComboBox)
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CCommComboBox::CCommComboBox(int nImeMode) : m_edit(nImeMode) {}

CCommComboBox::~CCommComboBox() = default;

void CCommComboBox::SetTextLimit(int nLimit)
{
    m_nTextLimit = nLimit;
    if (m_edit.m_hWnd != nullptr && nLimit >= 0)
        m_edit.LimitText(nLimit);
}

HBRUSH CCommComboBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    // The edit part asks for its colours when it first paints: the moment
    // to take it over.
    if (nCtlColor == CTLCOLOR_EDIT && m_edit.m_hWnd == nullptr && pWnd != nullptr &&
        m_edit.SubclassWindow(pWnd->m_hWnd) && m_nTextLimit >= 0)
        m_edit.LimitText(m_nTextLimit);
    return CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CCommComboBox::OnDestroy()
{
    if (m_edit.m_hWnd != nullptr)
    {
        m_edit.RestoreImeStatus();
        m_edit.UnsubclassWindow();
    }
    CComboBox::OnDestroy();
}

int CCommComboBox::FillFromStringIds(const UINT* pIds, int nIndex)
{
    if (m_hWnd == nullptr || pIds == nullptr)
        return m_hWnd != nullptr;
    for (; *pIds != 0; ++pIds)
    {
        CString text;
        text.LoadString(*pIds);
        AddString(text);
    }
    return nIndex < GetCount() ? SetCurSel(nIndex) : GetCount();
}

int CCommComboBox::FillFromStrings(const LPCTSTR* pTexts, int nIndex)
{
    if (m_hWnd == nullptr || pTexts == nullptr)
        return m_hWnd != nullptr;
    for (; *pTexts != nullptr && **pTexts != '\0'; ++pTexts)
        AddString(*pTexts);
    return nIndex < GetCount() ? SetCurSel(nIndex) : GetCount();
}

void CCommComboBox::PushHistoryText(LPCTSTR lpszText, int nMax)
{
    if (m_hWnd != nullptr)
        PushHistoryItem(*this, lpszText, nMax);
}

void CCommComboBox::RemoveAllItems()
{
    for (int i = GetCount() - 1; i >= 0; --i)
        DeleteString((UINT)i);
}

int CCommComboBox::FindTextNoCase(LPCTSTR lpszText) const
{
    return FindHistoryText(*this, lpszText);
}
