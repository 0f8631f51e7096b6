#include "client/TanzoRateTargetListCtrl.h"

#include "afx/MsgMap.h"
#include "app/ClipboardShell.h"
#include "client/ListResourceIds.h"
#include "client/RateTargetCells.h"
#include "client/TanzoListParent.h"
#include "client/TargetListResourceIds.h"
#include "text/UrlUtil.h"

IMPLEMENT_DYNAMIC(CTanzoRateTargetListCtrl, CCommListCtrlOwnerData)

BEGIN_MESSAGE_MAP(CTanzoRateTargetListCtrl, CCommListCtrlOwnerData)
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CTanzoRateTargetListCtrl::CTanzoRateTargetListCtrl() : m_records(m_items) {}

CTanzoRateTargetListCtrl::~CTanzoRateTargetListCtrl()
{
    for (HICON hIcon : m_images)
    {
        if (hIcon != nullptr)
            ::DestroyIcon(hIcon);
    }
}

// ---------------------------------------------------------------------------
// Rows

BOOL CTanzoRateTargetListCtrl::SetRowRecord(int nRow, TanzoAuctionBuyer* pBuyer)
{
    if (!m_records.Set(nRow, pBuyer))
        return FALSE;
    if (m_hWnd != nullptr && nRow < GetItemCount())
        RedrawRow(nRow);
    return TRUE;
}

BOOL CTanzoRateTargetListCtrl::SetItemPtr(int nRow, void* pItem)
{
    return SetRowRecord(nRow, static_cast<TanzoAuctionBuyer*>(pItem));
}

BOOL CTanzoRateTargetListCtrl::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= GetItemCount())
        return FALSE;
    m_records.Delete(nRow);
    return CCommListCtrlOwnerData::DeleteRow(nRow);
}

BOOL CTanzoRateTargetListCtrl::DeleteAllRows()
{
    m_records.DeleteAll();
    return CCommListCtrlOwnerData::DeleteAllRows();
}

void CTanzoRateTargetListCtrl::SetItemArraySize(int nCount)
{
    m_records.DeleteFrom(nCount);
    CCommListCtrlOwnerData::SetItemArraySize(nCount);
}

void CTanzoRateTargetListCtrl::OnDestroy()
{
    m_records.DeleteAll();
    CCommListCtrlOwnerData::OnDestroy();
}

// ---------------------------------------------------------------------------
// Cells

BOOL CTanzoRateTargetListCtrl::GetItemColumnText(void* pItem, int nColumn, CString* pText, int)
{
    if (pItem == nullptr || pText == nullptr)
        return FALSE;
    return GetRateTargetText(*static_cast<TanzoAuctionBuyer*>(pItem), nColumn, *pText);
}

HICON CTanzoRateTargetListCtrl::GetCellIcon(int nRow, int nColumn, BOOL)
{
    const TanzoAuctionBuyer* pBuyer = GetRowRecord(nRow);
    const int nImage = pBuyer != nullptr ? GetRateTargetImage(*pBuyer, nColumn) : RateTargetNoImage;
    if (nImage < 0 || nImage >= (int)(sizeof(m_images) / sizeof(m_images[0])))
        return nullptr;
    if (m_images[nImage] == nullptr)
        m_images[nImage] =
            LoadSmallIcon(nImage == RateTargetImageRated ? IDI_LIST_RATED : IDI_LIST_FORBIDDEN);
    return m_images[nImage];
}

BOOL CTanzoRateTargetListCtrl::GetCellLink(int nRow, int nColumn, CString& strLink) const
{
    strLink.Empty();
    const TanzoAuctionBuyer* pBuyer = GetRowRecord(nRow);
    return pBuyer != nullptr && GetRateTargetLink(*pBuyer, nColumn, strLink);
}

namespace
{
// Only a web address goes to the shell; copying takes any.
BOOL OpenWebLink(const CString& strLink, HWND hWnd)
{
    if (!HasUrlScheme(strLink, URL_SCHEME_HTTP | URL_SCHEME_HTTPS))
        return FALSE;
    OpenInBrowser(strLink, hWnd);
    return TRUE;
}
} // namespace

void CTanzoRateTargetListCtrl::PostNotifyToParent(int nRow, int nColumn)
{
    CString strLink;
    if (GetCellLink(nRow, nColumn, strLink))
        OpenWebLink(strLink, m_hWnd);
}

// ---------------------------------------------------------------------------
// The dialog, the mouse and the pop-up

CTanzoListParent* CTanzoRateTargetListCtrl::GetListParent() const
{
    return m_hWnd != nullptr ? dynamic_cast<CTanzoListParent*>(GetParent()) : nullptr;
}

void CTanzoRateTargetListCtrl::ShowHoverLink(CPoint point)
{
    CTanzoListParent* pParent = GetListParent();
    if (pParent == nullptr)
        return;
    LVHITTESTINFO hti = {};
    hti.pt = point;
    const int nRow = SubItemHitTest(&hti);
    CString strLink;
    if (nRow >= 0)
        GetCellLink(nRow, hti.iSubItem, strLink);
    pParent->ShowListHoverText(strLink);
}

void CTanzoRateTargetListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    ShowHoverLink(point);
    CCommListCtrlOwnerData::OnMouseMove(nFlags, point);
}

void CTanzoRateTargetListCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    CCommListCtrlOwnerData::OnRButtonDown(nFlags, point);
    CTanzoListParent* pParent = GetListParent();
    if (pParent == nullptr)
        return;
    const UINT nMenu = pParent->GetListDisplayMode() == CTanzoListParent::DisplayWinnerList
                           ? IDR_RATE_TARGET_WINNERS_MENU
                           : IDR_RATE_TARGET_CHOICE_MENU;
    m_menu.Track(this, GetParent(), nMenu, IDR_CELL_LINK_MENU);
}

BOOL CTanzoRateTargetListCtrl::OpenLink()
{
    CString strLink;
    BOOL bDone = m_menu.GetCellLinkText(this, strLink) && OpenWebLink(strLink, m_hWnd);
    m_menu.Reset();
    return bDone;
}

BOOL CTanzoRateTargetListCtrl::CopyLinkAddress()
{
    return m_menu.CopyCellLink(this);
}

BOOL CTanzoRateTargetListCtrl::CCellMenu::GetCellLinkText(CCommListCtrl* pList, CString& strText)
{
    auto* pTargets = static_cast<CTanzoRateTargetListCtrl*>(pList);
    if (HasHitCell())
        return pTargets->GetCellLink(GetHitRow(), GetHitColumn(), strText);
    return pTargets->GetCellLink(pTargets->GetCurrentRow(), RateTargetColumnID, strText);
}
