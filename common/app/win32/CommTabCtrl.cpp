#include "app/CommTabCtrl.h"

#include "afx/DC.h"
#include "afx/ImageList.h"
#include "afx/ScopedWin.h"
#include "app/ControlGeometry.h"
#include "app/MemoryDC.h"
#include "app/TabbedDialog.h"
#include "app/TextDrawing.h"

namespace
{
const int kTabTextMax = 256;
} // namespace

IMPLEMENT_DYNAMIC(CCommTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CCommTabCtrl, CTabCtrl)
ON_WM_MOUSEMOVE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CCommTabCtrl::CCommTabCtrl() = default;

CCommTabCtrl::~CCommTabCtrl() = default;

void CCommTabCtrl::PreSubclassWindow()
{
    CTabCtrl::PreSubclassWindow();
    SetOwnerDrawItemSize();
}

int CCommTabCtrl::SetOwnerDrawItemSize()
{
    if ((GetStyle() & TCS_OWNERDRAWFIXED) == 0)
        return 0;
    return SetItemSize(CSize(96, 21)).cx;
}

CTabItemColors* CCommTabCtrl::GetColors(int nTab) const
{
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!GetItem(nTab, &item))
        return nullptr;
    return reinterpret_cast<CTabItemColors*>(item.lParam);
}

CTabItemColors* CCommTabCtrl::MakeColors(int nTab)
{
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!GetItem(nTab, &item))
        return nullptr;
    auto* pColors = reinterpret_cast<CTabItemColors*>(item.lParam);
    if (pColors == nullptr)
    {
        pColors = new CTabItemColors;
        item.lParam = reinterpret_cast<LPARAM>(pColors);
        SetItem(nTab, &item);
    }
    return pColors;
}

COLORREF CCommTabCtrl::GetTabTextColor(int nTab) const
{
    const CTabItemColors* pColors = GetColors(nTab);
    return pColors != nullptr ? pColors->m_crText : (COLORREF)-1;
}

COLORREF CCommTabCtrl::GetTabBkColor(int nTab) const
{
    const CTabItemColors* pColors = GetColors(nTab);
    return pColors != nullptr ? pColors->m_crBack : (COLORREF)-1;
}

BOOL CCommTabCtrl::SetTabTextColor(int nTab, COLORREF crText, BOOL bRedraw)
{
    CTabItemColors* pColors = MakeColors(nTab);
    if (pColors == nullptr)
        return FALSE;
    pColors->m_crText = crText;
    if (bRedraw)
        Invalidate(TRUE);
    return TRUE;
}

BOOL CCommTabCtrl::SetTabBkColor(int nTab, COLORREF crBack, BOOL bRedraw)
{
    CTabItemColors* pColors = MakeColors(nTab);
    if (pColors == nullptr)
        return FALSE;
    pColors->m_crBack = crBack;
    if (bRedraw)
        Invalidate(TRUE);
    return TRUE;
}

BOOL CCommTabCtrl::GetTabText(int nTab, CString& strText) const
{
    char szText[kTabTextMax + 1] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = kTabTextMax;
    if (!GetItem(nTab, &item))
        return FALSE;
    strText = item.pszText;
    return TRUE;
}

int CCommTabCtrl::GetTabImage(int nTab) const
{
    TCITEMA item = {};
    item.mask = TCIF_IMAGE;
    if (!GetItem(nTab, &item))
        return -1;
    return item.iImage;
}

COLORREF CCommTabCtrl::GetEffectiveTextColor(int nTab) const
{
    COLORREF crText = GetTabTextColor(nTab);
    if (crText == (COLORREF)-1)
        crText = m_crDefaultText;
    return crText != (COLORREF)-1 ? crText : ::GetSysColor(COLOR_BTNTEXT);
}

COLORREF CCommTabCtrl::GetEffectiveBkColor(int nTab) const
{
    COLORREF crBack = GetTabBkColor(nTab);
    if (crBack == (COLORREF)-1)
        crBack = m_crDefaultBack;
    return crBack != (COLORREF)-1 ? crBack : ::GetSysColor(COLOR_BTNFACE);
}

void CCommTabCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pTargetDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcClip;
    const int nClip = pTargetDC->GetClipBox(&rcClip);
    if (nClip == ERROR || nClip == NULLREGION)
        return;
    const int nTab = (int)lpDrawItemStruct->itemID;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    CRect rcTab = lpDrawItemStruct->rcItem;
    if (!bSelected)
        GetItemRect(nTab, &rcTab);
    if (rcTab.IsRectEmpty())
        return;

    CMemoryDC buffer(pTargetDC);
    CDC* pDC = buffer.Create(rcTab.Width(), rcTab.Height());
    if (pDC == nullptr)
        return;
    CScopedSelectObject font(pDC->m_hDC, (HGDIOBJ)SendMessage(WM_GETFONT));
    buffer.Fill(GetEffectiveBkColor(nTab));

    CImageList* pImages = GetImageList();
    const int nImage = GetTabImage(nTab);
    IMAGEINFO imageInfo = {};
    const BOOL bImage = pImages != nullptr && pImages->GetSafeHandle() != nullptr && nImage >= 0 &&
                        pImages->GetImageInfo(nImage, &imageInfo);
    const CSize szImage = bImage ? CRect(imageInfo.rcImage).Size() : CSize(0, 0);

    CString strText;
    GetTabText(nTab, strText);
    UINT nFormat =
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_EDITCONTROL | DT_MODIFYSTRING;
    int nAlign = placeStart;
    if (m_nAlignMode == 1 || m_nAlignMode == 3)
    {
        nFormat |= DT_CENTER;
        nAlign = placeCentre;
    }
    else if (m_nAlignMode == alignRight)
    {
        nFormat |= DT_RIGHT;
        nAlign = placeEnd;
    }
    int cxText = 0;
    if (bImage && nAlign != placeStart)
    {
        CRect rcMeasure(0, 0, rcTab.Width(), rcTab.Height());
        pDC->DrawText((LPCTSTR)strText, strText.GetLength(), &rcMeasure, (nFormat | DT_CALCRECT));
        cxText = rcMeasure.Width();
    }
    const TabItemLayout layout =
        LayoutTabItem(rcTab.Width(), rcTab.Height(), bSelected, szImage, nAlign, cxText);

    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetEffectiveTextColor(nTab));
    CRect rcText = layout.rcText;
    DrawTextKeepingOriginal(pDC, strText, &rcText, nFormat);
    if (bImage)
        pImages->Draw(pDC, nImage, layout.ptImage, ILD_NORMAL);

    // Onto the tab's place of the strip.
    pTargetDC->BitBlt(rcTab.left, rcTab.top, rcTab.Width(), rcTab.Height(), pDC, 0, 0, SRCCOPY);
}

void CCommTabCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (auto* pDialog = dynamic_cast<CTabbedDialog*>(GetParent()))
    {
        CPoint ptDialog = point;
        MapWindowPoints(pDialog, &ptDialog, 1);
        pDialog->OnTabStripMouseMove(nFlags, ptDialog.x, ptDialog.y);
    }
    Default();
}

void CCommTabCtrl::OnDestroy()
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        TCITEMA item = {};
        item.mask = TCIF_PARAM;
        if (GetItem(i, &item) && item.lParam != 0)
        {
            delete reinterpret_cast<CTabItemColors*>(item.lParam);
            item.lParam = 0;
            SetItem(i, &item);
        }
    }
    CTabCtrl::OnDestroy();
}
