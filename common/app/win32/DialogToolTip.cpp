#include "app/DialogToolTip.h"

#include "afx/CodePage.h"
#include "afx/Wnd.h"

#include <cstdlib>
#include <cstring>

namespace
{
const COLORREF kTipBackground = 0xE2FFFF;
const int kMaxTipWidth = 300;
} // namespace

CDialogToolTip::~CDialogToolTip()
{
    FreeTipText();
}

BOOL CDialogToolTip::Create(CWnd* pParent)
{
    if (!m_ctrl.Create(pParent, TTS_NOPREFIX))
        return FALSE;
    m_ctrl.SetTipBkColor(kTipBackground);
    m_ctrl.SetMaxTipWidth(kMaxTipWidth);
    m_ctrl.Activate(TRUE);
    return TRUE;
}

void CDialogToolTip::RelayEvent(MSG* pMsg)
{
    if (IsCreated() && pMsg != nullptr)
        m_ctrl.RelayEvent(pMsg);
}

BOOL CDialogToolTip::AddTool(CWnd* pWnd, UINT nIDText)
{
    return IsCreated() && m_ctrl.AddTool(pWnd, nIDText);
}

BOOL CDialogToolTip::AddTool(CWnd* pWnd, LPCTSTR lpszText)
{
    return IsCreated() && m_ctrl.AddTool(pWnd, lpszText);
}

void CDialogToolTip::Update()
{
    if (IsCreated())
        m_ctrl.Update();
}

void CDialogToolTip::FreeTipText()
{
    std::free(m_pszTipText);
    m_pszTipText = nullptr;
}

LPTSTR CDialogToolTip::SetTipText(LPCTSTR lpszText)
{
    FreeTipText();
    const CString strText = MakeToolTipText(lpszText);
    m_pszTipText = static_cast<LPTSTR>(std::calloc(strText.GetLength() + 1, 1));
    if (m_pszTipText != nullptr)
        std::memcpy(m_pszTipText, (LPCTSTR)strText, strText.GetLength());
    return m_pszTipText;
}

LPWSTR CDialogToolTip::SetTipTextW(LPCTSTR lpszText)
{
    LPCTSTR lpszKept = SetTipText(lpszText);
    std::u16string wide;
    if (lpszKept != nullptr)
        AfxMultiByteToWide(CP_ACP, lpszKept, (int)std::strlen(lpszKept), wide);
    m_strTipTextW.assign(wide.begin(), wide.end());
    return &m_strTipTextW[0];
}
