#include "client/IdPageBar.h"

#include "afx/DataExchange.h"
#include "afx/Menu.h"
#include "afx/WinApp.h"
#include "auction/records/AuctionItem.h"
#include "client/ListResourceIds.h"
#include "client/MainFrame.h"
#include "client/MyAuctionListReader.h"
#include "client/PageCommands.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoTabbedPage.h"
#include "controls/ControlsResourceIds.h"

#include <memory>

IMPLEMENT_DYNAMIC(CIdPageBar, CBaseDialog)

BEGIN_MESSAGE_MAP(CIdPageBar, CBaseDialog)
ON_BN_CLICKED(IDC_BAR_ID_BUTTON, OnIdButton)
ON_BN_CLICKED(IDC_BAR_PAGE_BUTTON, OnPageButton)
END_MESSAGE_MAP()

CIdPageBar::CIdPageBar(int nListKind, CWnd* pParentWnd)
    : CBaseDialog(IDD_ID_PAGE_BAR, pParentWnd), m_nListKind(nListKind)
{
    ClearDialogOption(dialogStandardTips);
    SetDialogOption(dialogHosted);
}

CIdPageBar::~CIdPageBar() = default;

void CIdPageBar::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BAR_PAGE_COUNT, m_pageCount);
    DDX_Control(pDX, IDC_BAR_ALL, m_allPages);
    DDX_Control(pDX, IDC_BAR_PAGE_BUTTON, m_pageButton);
    DDX_Control(pDX, IDC_BAR_ID_BUTTON, m_idButton);
    DDX_Control(pDX, IDC_BAR_USER_ID, m_userId);
    DDX_Control(pDX, IDC_BAR_PAGE_NUMBER, m_pageNumber);
}

BOOL CIdPageBar::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_userId.SetHoverSink(this);
    m_pageNumber.SetHoverSink(this);
    AddToolTipById(IDC_BAR_ID_BUTTON, IDS_TIP_ID_BUTTON);
    AddToolTipById(IDC_BAR_PAGE_BUTTON, IDS_TIP_PAGE_BUTTON);
    ApplyLinkColor();
    Update();
    return TRUE;
}

void CIdPageBar::SetStandardToolTips() {}

BOOL CIdPageBar::PreTranslateMessage(MSG* pMsg)
{
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (m_hAccel != nullptr && pFrame != nullptr && pMsg->message >= WM_KEYFIRST &&
        pMsg->message <= WM_KEYLAST && ::TranslateAcceleratorA(pFrame->m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CBaseDialog::PreTranslateMessage(pMsg);
}

CTanzoDoc* CIdPageBar::GetDocument()
{
    return GetTanzoDoc(this);
}

void CIdPageBar::Update()
{
    if (m_hWnd == nullptr)
        return;
    CTanzoDoc* pDoc = GetDocument();
    const CString strId = pDoc != nullptr ? pDoc->GetCurrentUserID() : CString();
    CString strShown;
    m_userId.GetText(strShown);
    if (strShown.CompareNoCase(strId) != 0 || !m_userId.TestState(CDecorateStatic::stateTextSet))
    {
        CString strUrl;
        MakeSellerPageURL(strId, strUrl);
        m_userId.SetText(strId);
        m_userId.SetLinkUrl(strUrl);
        m_userId.Redraw();
    }
    if (pDoc != nullptr)
        ShowPage(pDoc->GetCurrentPage(m_nListKind), pDoc->GetPageCount(m_nListKind));
    else
        ShowPage(1, 1);
}

void CIdPageBar::ShowPage(int nCurrent, int nCount)
{
    if (m_hWnd == nullptr)
        return;
    if (nCurrent != 0)
    {
        CString strNumber, strUrl;
        strNumber.Format("%d", nCurrent);
        CTanzoTabbedPage* pPage = GetTanzoTabbedPage(GetParent());
        std::unique_ptr<CMyAuctionListReader> reader(pPage != nullptr ? pPage->CreateStatusReader()
                                                                      : nullptr);
        if (reader)
        {
            reader->SetPage(nCurrent);
            reader->BuildPageUrl(strUrl);
        }
        m_pageNumber.SetText(strNumber);
        m_pageNumber.SetLinkUrl(strUrl);
        m_pageNumber.ShowWindow(SW_SHOWNA);
        m_pageNumber.Redraw();
        m_allPages.ShowWindow(SW_HIDE);
    }
    else
    {
        CString strAll;
        strAll.LoadString(IDS_ALL_PAGES);
        m_pageNumber.ShowWindow(SW_HIDE);
        m_allPages.SetWindowText(strAll);
        m_allPages.ShowWindow(SW_SHOWNA);
    }
    if (nCount >= 2)
    {
        CString strFormat, strCount;
        strFormat.LoadString(IDS_PAGE_COUNT);
        strCount.Format(strFormat, nCount);
        m_pageCount.SetWindowText(strCount);
        m_pageCount.ShowWindow(SW_SHOWNA);
    }
    else
    {
        m_pageCount.ShowWindow(SW_HIDE);
    }
}

void CIdPageBar::EnableButtons(BOOL bEnable)
{
    if (m_idButton.GetSafeHwnd() != nullptr)
        m_idButton.EnableWindow(bEnable);
    if (m_pageButton.GetSafeHwnd() != nullptr)
        m_pageButton.EnableWindow(bEnable);
}

void CIdPageBar::ApplyLinkColor()
{
    COptionSettings* pOptions = GetOptionSettings();
    if (pOptions == nullptr || m_hWnd == nullptr)
        return;
    const COLORREF crLink = pOptions->GetColor(COptionSettings::ColorItemLinkText);
    for (CURLStatic* pLink : {&m_userId, &m_pageNumber})
    {
        pLink->SetTextColor(crLink);
        pLink->Redraw();
    }
}

void CIdPageBar::OnLinkHover(LPCTSTR lpszLink)
{
    CTanzoTabbedPage* pPage = GetTanzoTabbedPage(GetParent());
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (pPage != nullptr && !pPage->IsBusy() && pFrame != nullptr)
        pFrame->SetStatusText(lpszLink, CMainFrame::StatusPlain);
}

BOOL CIdPageBar::BuildIdMenu(CMenu& menu)
{
    if (!menu.LoadMenu(IDR_ID_MENU))
        return FALSE;
    CTanzoDoc* pDoc = GetDocument();
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pDoc != nullptr && pPopup != nullptr)
        pDoc->AppendAccountMenu(pPopup, ID_USER_ID_FIRST, pDoc->GetCurrentUserID());
    return pPopup != nullptr;
}

BOOL CIdPageBar::BuildPageMenu(CMenu& menu)
{
    if (!menu.LoadMenu(IDR_PAGE_MENU))
        return FALSE;
    CMenu* pPopup = menu.GetSubMenu(0);
    CTanzoDoc* pDoc = GetDocument();
    if (pPopup == nullptr)
        return FALSE;
    const int nCount = pDoc != nullptr ? pDoc->GetPageCount(m_nListKind) : 0;
    if (nCount <= 0)
        return TRUE;
    const int nFirst = pDoc->GetFirstPageChoice(m_nListKind);
    const int nCurrent = pDoc->GetCurrentPage(m_nListKind);
    const int nChoices = GetPageChoiceCount(nFirst, nCount);
    pPopup->AppendMenu(MF_SEPARATOR);
    for (int i = 0; i < nChoices; ++i)
    {
        CString strText;
        strText.Format("&%d", nFirst + i);
        pPopup->AppendMenu(MF_STRING | (nFirst + i == nCurrent ? MF_CHECKED : 0), ID_PAGE_CHOICE_FIRST + i,
                           strText);
    }
    return TRUE;
}

void CIdPageBar::TrackBelow(CMenu& menu, int nButtonId)
{
    CMenu* pPopup = menu.GetSubMenu(0);
    CWnd* pButton = GetDlgItem(nButtonId);
    CWnd* pFrame = GetParentFrame();
    if (pPopup == nullptr || pButton == nullptr || pFrame == nullptr)
        return;
    CRect rc;
    pButton->GetWindowRect(&rc);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, rc.left, rc.bottom, pFrame);
}

void CIdPageBar::OnIdButton()
{
    CMenu menu;
    if (BuildIdMenu(menu))
        TrackBelow(menu, IDC_BAR_ID_BUTTON);
}

void CIdPageBar::OnPageButton()
{
    CMenu menu;
    if (BuildPageMenu(menu))
        TrackBelow(menu, IDC_BAR_PAGE_BUTTON);
}
