#include "controls/ListHeaderCtrl.h"

#include "controls/CommListCtrl.h"

BEGIN_MESSAGE_MAP(CListHeaderCtrl, CHeaderCtrl)
ON_MESSAGE(HDM_LAYOUT, OnLayout)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

LRESULT CListHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    auto* pLayout = (HDLAYOUT*)lParam;
    if (m_nHeight > 0 && pLayout != nullptr && pLayout->prc != nullptr && pLayout->pwpos != nullptr)
    {
        pLayout->prc->top = m_nHeight;
        pLayout->pwpos->cy = m_nHeight;
    }
    return lResult;
}

void CListHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CCommListCtrl)))
    {
        CPoint pt(point);
        MapWindowPoints(pParent, &pt, 1);
        static_cast<CCommListCtrl*>(pParent)->OnHeaderMouseMove(nFlags, pt.x, pt.y);
    }
    Default();
}
