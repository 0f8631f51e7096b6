#include "afx/ColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : m_cc()
{
    m_pParentWnd = pParentWnd;
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    m_cc.rgbResult = clrInit;
    if (clrInit != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    HWND hWndTop = nullptr;
    CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd, &hWndTop);
    m_cc.hwndOwner = pOwner->GetSafeHwnd();
    BOOL bOk = ::ChooseColorA(&m_cc);
    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    return bOk ? IDOK : IDCANCEL;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

COLORREF* CColorDialog::GetSavedCustomColors()
{
    static COLORREF colors[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                  0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    return colors;
}
