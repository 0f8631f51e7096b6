#include "client/TanzoListCtrl.h"

#include "client/ListPageLayouts.h"
#include "client/ListResourceIds.h"
#include "client/MainFrame.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoTabbedPage.h"
#include "controls/ListCellMenu.h"

#include "afx/Menu.h"
#include "app/DialogResourceIds.h"

IMPLEMENT_DYNAMIC(CTanzoListCtrl, CTanzoAItemBaseListCtrl)

BEGIN_MESSAGE_MAP(CTanzoListCtrl, CTanzoAItemBaseListCtrl)
ON_WM_RBUTTONDOWN()
ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGED, OnItemChanged)
END_MESSAGE_MAP()

namespace
{
// The page's context menu: the page may add to it before it opens.
class CPageCellMenu : public CListCellMenu
{
public:
    explicit CPageCellMenu(CTanzoListCtrl* pList) : m_pList(pList) {}

    BOOL GetCellLinkText(CCommListCtrl*, CString& strText) override
    {
        return HasHitCell() && m_pList->GetCellLink(GetHitRow(), GetHitColumn(), strText);
    }
    void PrepareMenu(CCommListCtrl*, CMenu* pPopup) override
    {
        if (CTanzoTabbedPage* pPage = m_pList->GetPage())
            pPage->ExtendContextMenu(pPopup);
    }

private:
    CTanzoListCtrl* m_pList;
};
} // namespace

CTanzoListCtrl::CTanzoListCtrl() = default;

CTanzoListCtrl::~CTanzoListCtrl() = default;

CTanzoTabbedPage* CTanzoListCtrl::GetPage() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    return dynamic_cast<CTanzoTabbedPage*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

COLORREF CTanzoListCtrl::GetCellBkColor(int nRow, int nColumn, BOOL bSelected)
{
    TanzoAuctionItem* pItem = GetRowRecord(nRow);
    if (TestOptions(optionPaidOptions) && pItem != nullptr &&
        pItem->GetChargeOption().TestOptionBits(CAuctionChargeOption::OptionHighlight))
        return bSelected ? kHighlightSelectedColor : kHighlightColor;
    return CTanzoAItemBaseListCtrl::GetCellBkColor(nRow, nColumn, bSelected);
}

int CTanzoListCtrl::GetCellStyle(int nRow, int nColumn, BOOL bSelected)
{
    int nStyle = CTanzoAItemBaseListCtrl::GetCellStyle(nRow, nColumn, bSelected);
    TanzoAuctionItem* pItem = GetRowRecord(nRow);
    if (TestOptions(optionPaidOptions) && pItem != nullptr && GetColumnKind(nColumn) == ItemField::Title &&
        pItem->GetChargeOption().TestOptionBits(CAuctionChargeOption::OptionBold))
        nStyle |= LISTCOLUMN_BOLD;
    return nStyle;
}

int CTanzoListCtrl::GetColumnKind(int nColumn)
{
    if (!m_columnKinds.empty())
        return nColumn >= 0 && nColumn < (int)m_columnKinds.size() ? m_columnKinds[(size_t)nColumn]
                                                                   : ItemField::None;
    CTanzoTabbedPage* pPage = GetPage();
    return pPage != nullptr ? pPage->GetColumnFieldKind(nColumn) : ItemField::None;
}

int CTanzoListCtrl::GetKindColumn(int nKind)
{
    CTanzoTabbedPage* pPage = GetPage();
    return pPage != nullptr ? pPage->GetColumnOfFieldKind(nKind) : -1;
}

CListCellMenu* CTanzoListCtrl::CreateCellMenu()
{
    return new CPageCellMenu(this);
}

void CTanzoListCtrl::ShowHoverText(LPCTSTR lpszText)
{
    if (CMainFrame* pFrame = GetMainFrameOf(this))
        pFrame->SetStatusText(lpszText, CMainFrame::StatusPlain);
}

void CTanzoListCtrl::OnHover(CPoint point)
{
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (pFrame == nullptr || pFrame->GetMainStatusBar().IsTimedTextShowing(CMainStatusBar::paneMessage))
        return;
    CTanzoAItemBaseListCtrl::OnHover(point);
}

BOOL CTanzoListCtrl::IsAlwaysResortKind(int nKind)
{
    // Winners' cells of several winners all read the same.
    CTanzoTabbedPage* pPage = GetPage();
    if (nKind == ItemField::Buyer && pPage != nullptr && pPage->GetListKind() == ListKind::ClosedWinner)
        return TRUE;
    return CTanzoAItemBaseListCtrl::IsAlwaysResortKind(nKind);
}

LRESULT CTanzoListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LVM_INSERTCOLUMNA || message == LVM_INSERTCOLUMNW || message == LVM_DELETECOLUMN)
        m_columnKinds.clear();
    return CTanzoAItemBaseListCtrl::WindowProc(message, wParam, lParam);
}

BOOL CTanzoListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pHeader = (NMHDR*)lParam;
    CTanzoTabbedPage* pPage = GetPage();
    if (pHeader != nullptr && pPage != nullptr && pPage->IsCurrentPage() &&
        (pHeader->code == HDN_DIVIDERDBLCLICKA || pHeader->code == HDN_DIVIDERDBLCLICKW ||
         pHeader->code == HDN_ENDTRACKA || pHeader->code == HDN_ENDTRACKW))
        pPage->Invalidate();
    return CTanzoAItemBaseListCtrl::OnNotify(wParam, lParam, pResult);
}

void CTanzoListCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    CTanzoAItemBaseListCtrl::OnRButtonDown(nFlags, point);
    CListCellMenu* pMenu = GetCellMenu();
    if (pMenu != nullptr)
        pMenu->Track(this, GetParentFrame(), IDR_LIST_CONTEXT_MENU, IDR_LINK_CONTEXT_MENU);
}

BOOL CTanzoListCtrl::OnItemChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CTanzoTabbedPage* pPage = GetPage();
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (pPage != nullptr && pPage->IsCurrentPage() && pFrame != nullptr)
        pFrame->ShowSelectedCount(GetSelectedCount());
    // The page hears of it too.
    return FALSE;
}
