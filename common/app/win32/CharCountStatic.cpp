#include "app/CharCountStatic.h"

#include "app/DialogTextRules.h"

IMPLEMENT_DYNAMIC(CCharCountStatic, CDecorateStatic)

CCharCountStatic::CCharCountStatic(int nCount) : m_nCount(nCount) {}

void CCharCountStatic::SetCount(int nCount, BOOL bUpdate)
{
    m_nCount = nCount;
    if (bUpdate)
        UpdateDisplay();
}

void CCharCountStatic::SetThreshold(int nIndex, int nValue)
{
    if (nIndex == thresholdWarning || nIndex == thresholdMaximum)
        m_nThresholds[nIndex] = nValue;
}

void CCharCountStatic::UpdateDisplay()
{
    const CharCountLook look =
        MakeCharCountLook(m_nCount, m_nThresholds[thresholdWarning], m_nThresholds[thresholdMaximum]);
    SetStyleBits(look.bBold ? styleBold : 0);
    SetTextColor(look.bOver ? RGB(255, 0, 0) : (COLORREF)-1);
    SetText(look.strText);
    Redraw();
}
