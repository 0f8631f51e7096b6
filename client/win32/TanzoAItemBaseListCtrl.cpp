#include "client/TanzoAItemBaseListCtrl.h"

#include "app/ClipboardShell.h"
#include "client/ItemJobs.h"
#include "client/ItemListSort.h"
#include "client/ListResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDoc.h"
#include "controls/ListCellMenu.h"

IMPLEMENT_DYNAMIC(CTanzoAItemBaseListCtrl, CCommListCtrlOwnerData)

BEGIN_MESSAGE_MAP(CTanzoAItemBaseListCtrl, CCommListCtrlOwnerData)
ON_WM_MOUSEMOVE()
ON_WM_DESTROY()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
// The lists' own icons, images 0 to 5.
const UINT kIconIds[ItemImage::FirstMark] = {IDI_LIST_FEATURED,   IDI_LIST_FEATURED_DONE,
                                             IDI_LIST_RATED,      IDI_LIST_FORBIDDEN,
                                             IDI_LIST_SOME_RATED, IDI_LIST_BUYER_FORBIDDEN};
// The marks are the frame's command images 48 down to 30.
const int kLastMarkCommandImage = 48;
// The timer that brings paced rows into the list view's count.
const UINT_PTR kCountTimer = 4390;
} // namespace

CTanzoAItemBaseListCtrl::CTanzoAItemBaseListCtrl() = default;

CTanzoAItemBaseListCtrl::~CTanzoAItemBaseListCtrl()
{
    ReleaseRowsFrom(0);
    delete m_pCellMenu;
    for (int i = 0; i < ItemImage::FirstMark; ++i)
    {
        if (m_images[i] != nullptr)
            ::DestroyIcon(m_images[i]);
    }
}

void CTanzoAItemBaseListCtrl::OnHover(CPoint point)
{
    int nRow = -1, nColumn = -1;
    CString strText;
    if (HitTestCell(point.x, point.y, &nRow, &nColumn))
    {
        BuildItemHoverText(GetRowRecord(nRow), GetColumnKind(nColumn), strText);
    }
    else
    {
        LVHITTESTINFO hti = {};
        hti.pt = point;
        nRow = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&hti);
        if (nRow >= 0)
            BuildItemHoverText(GetRowRecord(nRow), -1, strText);
    }
    ShowHoverText(strText);
}

BOOL CTanzoAItemBaseListCtrl::IsAlwaysResortKind(int nKind)
{
    return ::IsAlwaysResortKind(nKind);
}

BOOL CTanzoAItemBaseListCtrl::IsSortColumnEmpty()
{
    if (IsAlwaysResortKind(GetSortKind()))
        return FALSE;
    return CCommListCtrlOwnerData::IsSortColumnEmpty();
}

void CTanzoAItemBaseListCtrl::PostNotifyToParent(int nRow, int nColumn)
{
    TanzoAuctionItem* pItem = GetRowRecord(nRow);
    if (pItem == nullptr)
        return;
    if (GetColumnKind(nColumn) == ItemField::Buyer && pItem->HasSeveralWinners())
    {
        ShowWinnerList(this, pItem);
        return;
    }
    CString strLink;
    if (GetCellLink(nRow, nColumn, strLink) && IsOpenableLink(strLink))
        OpenInBrowser(strLink, m_hWnd);
}

HICON CTanzoAItemBaseListCtrl::GetCellIcon(int nRow, int nColumn, BOOL)
{
    TanzoAuctionItem* pItem = GetRowRecord(nRow);
    if (pItem == nullptr)
        return nullptr;
    return GetImage(GetItemFieldImage(*pItem, GetColumnKind(nColumn)));
}

BOOL CTanzoAItemBaseListCtrl::SortByColumn()
{
    const CItemSortParams params = {GetSortKind(), &m_ties};
    CItemSortScope scope(&params);
    return CCommListCtrlOwnerData::SortByColumn();
}

BOOL CTanzoAItemBaseListCtrl::GetItemColumnText(void* pItem, int nColumn, CString* pText, int)
{
    if (pItem == nullptr || pText == nullptr)
        return FALSE;
    return GetItemFieldText(*(TanzoAuctionItem*)pItem, GetColumnKind(nColumn), *pText);
}

PFNLISTSORTCOMPARE CTanzoAItemBaseListCtrl::GetSortCompareFunction()
{
    return IsTextSortKind(GetSortKind()) ? CompareSortEntriesByKey : CompareItemSortEntries;
}

TanzoAuctionItem* CTanzoAItemBaseListCtrl::GetFocusedItem()
{
    const int nRow = GetCurrentRow();
    return nRow >= 0 ? GetRowRecord(nRow) : nullptr;
}

void CTanzoAItemBaseListCtrl::AppendRows(TanzoAuctionItem* const* ppItems, int nCount)
{
    if (nCount <= 0)
        return;
    const int nFirst = GetItemArraySize();
    CCommListCtrlOwnerData::SetItemArraySize(nFirst + nCount);
    for (int i = 0; i < nCount; ++i)
    {
        SetItemPtr(nFirst + i, ppItems[i]);
        if (ppItems[i] != nullptr && !ppItems[i]->GetAuctionID().IsEmpty())
            m_ties.SetAt(ppItems[i]->GetAuctionID(), m_nArrivals++);
    }
    if (!m_bPacedCount || m_hWnd == nullptr || GetItemCount() == 0)
    {
        ShowAppendedRows();
        return;
    }
    const DWORD dwElapsed = ::GetTickCount() - m_dwCountShown;
    if (dwElapsed >= kPacedCountMs)
        ShowAppendedRows();
    else if (!m_bCountTimer)
        m_bCountTimer = SetTimer(kCountTimer, kPacedCountMs - dwElapsed, nullptr) != 0;
}

void CTanzoAItemBaseListCtrl::SetPacedCount(BOOL bPaced)
{
    if (!bPaced)
        ShowAppendedRows();
    m_bPacedCount = bPaced;
}

void CTanzoAItemBaseListCtrl::ShowAppendedRows()
{
    if (m_bCountTimer)
    {
        KillTimer(kCountTimer);
        m_bCountTimer = FALSE;
    }
    if (m_hWnd == nullptr)
        return;
    const int nCount = GetItemArraySize();
    if (GetItemCount() != nCount)
        SetItemCount(nCount, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    m_dwCountShown = ::GetTickCount();
}

void CTanzoAItemBaseListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kCountTimer)
    {
        ShowAppendedRows();
        return;
    }
    CCommListCtrlOwnerData::OnTimer(nIDEvent);
}

void CTanzoAItemBaseListCtrl::ReleaseItem(TanzoAuctionItem* pItem)
{
    if (pItem == nullptr)
        return;
    if (!m_ties.IsEmpty())
        m_ties.RemoveKey(pItem->GetAuctionID());
    delete pItem;
}

void CTanzoAItemBaseListCtrl::ReleaseRowsFrom(int nCount)
{
    if (nCount < 0)
        nCount = 0;
    for (int nRow = GetItemArraySize() - 1; nRow >= nCount; --nRow)
    {
        ReleaseItem(GetRowRecord(nRow));
        SetItemPtr(nRow, nullptr);
    }
    if (nCount == 0)
    {
        m_ties.RemoveAll();
        m_nArrivals = 0;
    }
}

void CTanzoAItemBaseListCtrl::ReleaseAllRows()
{
    if (m_hWnd != nullptr)
        SetItemCount(0, 0);
    else
        SetItemArraySize(0);
}

void CTanzoAItemBaseListCtrl::SetItemArraySize(int nCount)
{
    ReleaseRowsFrom(nCount);
    CCommListCtrlOwnerData::SetItemArraySize(nCount);
}

BOOL CTanzoAItemBaseListCtrl::DeleteAllRows()
{
    ReleaseRowsFrom(0);
    return CCommListCtrlOwnerData::DeleteAllRows();
}

BOOL CTanzoAItemBaseListCtrl::GetSelectedItems(CItemSelection& items, CList<int, int>* pRows)
{
    items.RemoveAll();
    CPtrList pointers;
    if (!GetSelectedItemPtrs(&pointers, pRows))
        return FALSE;
    for (POSITION pos = pointers.GetHeadPosition(); pos != nullptr;)
    {
        auto* pItem = (TanzoAuctionItem*)pointers.GetNext(pos);
        if (pItem != nullptr)
            items.Add(pItem);
    }
    return items.GetSize() > 0;
}

BOOL CTanzoAItemBaseListCtrl::OpenItemPage(int nRow)
{
    TanzoAuctionItem* pItem = GetRowRecord(nRow);
    if (pItem == nullptr)
        return FALSE;
    const CString strUrl = pItem->GetItemURL();
    if (!IsOpenableLink(strUrl))
        return FALSE;
    OpenInBrowser(strUrl, m_hWnd);
    return TRUE;
}

BOOL CTanzoAItemBaseListCtrl::OpenItemLink()
{
    CListCellMenu* pMenu = GetCellMenu();
    if (pMenu == nullptr || !pMenu->HasHitCell())
        return FALSE;
    TanzoAuctionItem* pItem = GetRowRecord(pMenu->GetHitRow());
    if (pItem != nullptr && pItem->HasSeveralWinners() &&
        GetColumnKind(pMenu->GetHitColumn()) == ItemField::Buyer)
    {
        pMenu->Reset();
        return ShowWinnerList(this, pItem);
    }
    CString strLink;
    if (!GetCellLink(pMenu->GetHitRow(), pMenu->GetHitColumn(), strLink) || !IsOpenableLink(strLink))
    {
        pMenu->Reset();
        return FALSE;
    }
    return pMenu->OpenCellLink(this);
}

BOOL CTanzoAItemBaseListCtrl::CopyLinkAddress()
{
    CListCellMenu* pMenu = GetCellMenu();
    return pMenu != nullptr && pMenu->HasHitCell() && pMenu->CopyCellLink(this);
}

BOOL CTanzoAItemBaseListCtrl::GetCellLink(int nRow, int nColumn, CString& strLink)
{
    strLink.Empty();
    TanzoAuctionItem* pItem = GetRowRecord(nRow);
    return pItem != nullptr && GetItemFieldLink(*pItem, GetColumnKind(nColumn), strLink);
}

BOOL CTanzoAItemBaseListCtrl::ShowWinnerList(CWnd* pWnd, TanzoAuctionItem* pItem)
{
    if (pItem == nullptr || !pItem->HasSeveralWinners())
        return FALSE;
    BOOL bChanged = FALSE;
    if (!GetItemJobs().ShowWinnerList(pWnd, *pItem, pItem->HasWinnerListEntry(), &bChanged))
        return FALSE;
    // The winners the list read are kept with the user's records.
    CTanzoDoc* pDoc = GetTanzoDoc(pWnd);
    if (bChanged && pDoc != nullptr)
        pDoc->StoreUserEdit(TanzoAuctionItemUserEdit(*pItem));
    return TRUE;
}

int CTanzoAItemBaseListCtrl::GetSortKind()
{
    const int nColumn = GetSortColumn();
    return nColumn >= 0 ? GetColumnKind(nColumn) : ItemField::None;
}

void CTanzoAItemBaseListCtrl::SetSortKind(int nKind)
{
    SetSortColumn(GetKindColumn(nKind));
}

CListCellMenu* CTanzoAItemBaseListCtrl::GetCellMenu()
{
    if (m_pCellMenu == nullptr)
        m_pCellMenu = CreateCellMenu();
    return m_pCellMenu;
}

HICON CTanzoAItemBaseListCtrl::GetImage(int nImage)
{
    if (nImage < 0 || nImage >= ItemImage::Count)
        return nullptr;
    if (!m_bImagesLoaded)
    {
        m_bImagesLoaded = TRUE;
        for (int i = 0; i < ItemImage::FirstMark; ++i)
            m_images[i] = LoadSmallIcon(kIconIds[i]);
    }
    // The frame's images come once the frame has them.
    if (m_images[nImage] == nullptr && nImage >= ItemImage::FirstMark)
        m_images[nImage] = GetFrameMenuIcon(kLastMarkCommandImage - (nImage - ItemImage::FirstMark));
    return m_images[nImage];
}

void CTanzoAItemBaseListCtrl::OnDestroy()
{
    ReleaseAllRows();
    CCommListCtrlOwnerData::OnDestroy();
}

void CTanzoAItemBaseListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    OnHover(point);
    CCommListCtrlOwnerData::OnMouseMove(nFlags, point);
}
