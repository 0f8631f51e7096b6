#ifndef TANZO_CLIENT_LISTPAGES_H
#define TANZO_CLIENT_LISTPAGES_H

// The four item list pages (Windows builds): selling, closed with a
// winner, closed without a winner and won. Each reads its own status
// pages; the selling page paints its background in its colour, and the
// page closed with a winner offers the winner list in a row's menu.

#include "client/TanzoTabbedPage.h"

class CTanzoSellingPage : public CTanzoTabbedPage
{
    DECLARE_DYNAMIC(CTanzoSellingPage)
public:
    explicit CTanzoSellingPage(CWnd* pParentWnd = nullptr);
    ~CTanzoSellingPage() override;

    CMyAuctionListReader* CreateStatusReader() override;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    CBrush m_background;
    COLORREF m_crBackground = (COLORREF)-1;

    DECLARE_MESSAGE_MAP()
};

class CTanzoClosedWinnerPage : public CTanzoTabbedPage
{
    DECLARE_DYNAMIC(CTanzoClosedWinnerPage)
public:
    explicit CTanzoClosedWinnerPage(CWnd* pParentWnd = nullptr);
    ~CTanzoClosedWinnerPage() override;

    CMyAuctionListReader* CreateStatusReader() override;
    // "落札者一覧の表示(&W)" before Help when the focused item has several
    // winners.
    void ExtendContextMenu(CMenu* pPopup) override;
};

class CTanzoClosedNoWinnerPage : public CTanzoTabbedPage
{
    DECLARE_DYNAMIC(CTanzoClosedNoWinnerPage)
public:
    explicit CTanzoClosedNoWinnerPage(CWnd* pParentWnd = nullptr);
    ~CTanzoClosedNoWinnerPage() override;

    CMyAuctionListReader* CreateStatusReader() override;
};

class CTanzoWonPage : public CTanzoTabbedPage
{
    DECLARE_DYNAMIC(CTanzoWonPage)
public:
    explicit CTanzoWonPage(CWnd* pParentWnd = nullptr);
    ~CTanzoWonPage() override;

    CMyAuctionListReader* CreateStatusReader() override;
};

#endif // TANZO_CLIENT_LISTPAGES_H
