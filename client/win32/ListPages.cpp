#include "client/ListPages.h"

#include "afx/DC.h"
#include "afx/Menu.h"
#include "app/DialogResourceIds.h"
#include "app/MenuHelpers.h"
#include "client/ListReaders.h"
#include "client/ListResourceIds.h"
#include "client/MainFrame.h"
#include "client/TanzoAuctionItem.h"

IMPLEMENT_DYNAMIC(CTanzoSellingPage, CTanzoTabbedPage)
IMPLEMENT_DYNAMIC(CTanzoClosedWinnerPage, CTanzoTabbedPage)
IMPLEMENT_DYNAMIC(CTanzoClosedNoWinnerPage, CTanzoTabbedPage)
IMPLEMENT_DYNAMIC(CTanzoWonPage, CTanzoTabbedPage)

BEGIN_MESSAGE_MAP(CTanzoSellingPage, CTanzoTabbedPage)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// ---- Selling

CTanzoSellingPage::CTanzoSellingPage(CWnd* pParentWnd)
    : CTanzoTabbedPage(*GetListPageLayout(ListKind::Selling), pParentWnd)
{
}

CTanzoSellingPage::~CTanzoSellingPage() = default;

CMyAuctionListReader* CTanzoSellingPage::CreateStatusReader()
{
    return new CSellingListReader(&m_http);
}

HBRUSH CTanzoSellingPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    COptionSettings* pOptions = GetOptionSettings();
    if (pOptions == nullptr ||
        (nCtlColor != CTLCOLOR_EDIT && nCtlColor != CTLCOLOR_LISTBOX && nCtlColor != CTLCOLOR_STATIC))
        return CTanzoTabbedPage::OnCtlColor(pDC, pWnd, nCtlColor);
    const COLORREF crBack = pOptions->GetColor(COptionSettings::ColorPageBgSelling);
    if (m_background.GetSafeHandle() == nullptr || crBack != m_crBackground)
    {
        m_background.DeleteObject();
        m_background.CreateSolidBrush(crBack);
        m_crBackground = crBack;
    }
    pDC->SetBkColor(crBack);
    return (HBRUSH)m_background.GetSafeHandle();
}

// ---- Closed with a winner

CTanzoClosedWinnerPage::CTanzoClosedWinnerPage(CWnd* pParentWnd)
    : CTanzoTabbedPage(*GetListPageLayout(ListKind::ClosedWinner), pParentWnd)
{
}

CTanzoClosedWinnerPage::~CTanzoClosedWinnerPage() = default;

CMyAuctionListReader* CTanzoClosedWinnerPage::CreateStatusReader()
{
    return new CClosedWinnerListReader(&m_http);
}

void CTanzoClosedWinnerPage::ExtendContextMenu(CMenu* pPopup)
{
    TanzoAuctionItem* pItem = m_list.GetFocusedItem();
    if (pPopup != nullptr && pItem != nullptr && pItem->HasSeveralWinners())
        InsertMenuFromResource(pPopup, ID_DIALOG_HELP, IDR_LIST_WINNERS_MENU, MENU_INSERT_BYCOMMAND);
}

// ---- Closed without a winner

CTanzoClosedNoWinnerPage::CTanzoClosedNoWinnerPage(CWnd* pParentWnd)
    : CTanzoTabbedPage(*GetListPageLayout(ListKind::ClosedNoWinner), pParentWnd)
{
}

CTanzoClosedNoWinnerPage::~CTanzoClosedNoWinnerPage() = default;

CMyAuctionListReader* CTanzoClosedNoWinnerPage::CreateStatusReader()
{
    return new CClosedNoWinnerListReader(&m_http);
}

// ---- Won

CTanzoWonPage::CTanzoWonPage(CWnd* pParentWnd)
    : CTanzoTabbedPage(*GetListPageLayout(ListKind::Won), pParentWnd)
{
}

CTanzoWonPage::~CTanzoWonPage() = default;

CMyAuctionListReader* CTanzoWonPage::CreateStatusReader()
{
    return new CWonListReader(&m_http);
}
