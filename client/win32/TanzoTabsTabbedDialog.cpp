#include "client/TanzoTabsTabbedDialog.h"

#include "app/DialogLayoutRules.h"
#include "app/WindowHelpers.h"
#include "client/ListPages.h"
#include "client/ListResourceIds.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/TanzoResourceIds.h"

IMPLEMENT_DYNAMIC(CTanzoTabsTabbedDialog, CTabbedDialog)

BEGIN_MESSAGE_MAP(CTanzoTabsTabbedDialog, CTabbedDialog)
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CTanzoTabsTabbedDialog::CTanzoTabsTabbedDialog(CWnd* pParentWnd)
    : CTabbedDialog(IDD_TANZO_TABS, IDC_TANZO_TABS, pParentWnd)
{
    EnableResize(TRUE);
}

CTanzoTabsTabbedDialog::~CTanzoTabsTabbedDialog() = default;

void CTanzoTabsTabbedDialog::AddPages()
{
    AddPage(new CTanzoSellingPage(this));
    AddPage(new CTanzoClosedWinnerPage(this));
    AddPage(new CTanzoClosedNoWinnerPage(this));
    AddPage(new CTanzoWonPage(this));
}

void CTanzoTabsTabbedDialog::RegisterLayoutControls()
{
    CTabbedDialog::RegisterLayoutControls();
    if (CDialogLayout* pLayout = GetLayout())
        pLayout->AddControl(IDC_TANZO_TABS, ANCHOR_FILL);
}

BOOL CTanzoTabsTabbedDialog::OnInitDialog()
{
    CTabbedDialog::OnInitDialog();
    ApplyColours();
    return TRUE;
}

void CTanzoTabsTabbedDialog::OnBeforeAddPages()
{
    if (m_tabImages.GetSafeHandle() == nullptr && m_tabImages.Create(IDB_TAB_ICONS, 16, 0, TabImageMask))
    {
        m_tabImages.SetBkColor(CLR_NONE);
        m_tabCtrl.SetImageList(&m_tabImages);
    }
    m_tabCtrl.SendMessage(TCM_SETMINTABWIDTH, 0, MinTabWidth);
}

void CTanzoTabsTabbedDialog::ShowSelectedPage(BOOL bPostActivate)
{
    CTabbedDialog::ShowSelectedPage(bPostActivate);
    CTanzoTabbedPage* pPage = GetCurrentPage();
    if (pPage == nullptr || pPage->IsBusy())
        return;
    if (pPage->TestStateBits(CTanzoTabbedPage::stateLoaded))
        pPage->ShowCounts();
    else if (pPage->IsWindowVisible())
        pPage->Refresh(1, -1);
}

void CTanzoTabsTabbedDialog::OnTabStripMouseMove(UINT, int, int)
{
    if (CMainFrame* pFrame = GetMainFrameOf(this))
        pFrame->SetStatusText("", CMainFrame::StatusPlain);
}

void CTanzoTabsTabbedDialog::OnMouseMove(UINT nFlags, CPoint point)
{
    OnTabStripMouseMove(nFlags, point.x, point.y);
    CTabbedDialog::OnMouseMove(nFlags, point);
}

CTanzoTabbedPage* CTanzoTabsTabbedDialog::GetTanzoPage(int nTab) const
{
    auto* pPage = dynamic_cast<CTanzoTabbedPage*>(GetPage(nTab));
    return pPage != nullptr && IsWindowValid(pPage) ? pPage : nullptr;
}

CTanzoTabbedPage* CTanzoTabsTabbedDialog::GetCurrentPage() const
{
    return GetTanzoPage(GetCurSel());
}

BOOL CTanzoTabsTabbedDialog::RefreshCurrentPage(int nFirst, int nLast)
{
    CTanzoTabbedPage* pPage = GetCurrentPage();
    return pPage != nullptr && pPage->Refresh(nFirst, nLast) != 0;
}

namespace
{
// The tabs of the pages that jobs change.
enum
{
    tabSelling = 0,
    tabClosedWinner = 1,
    tabClosedNoWinner = 2
};
} // namespace

int CTanzoTabsTabbedDialog::EarlyClose()
{
    CTanzoTabbedPage* pPage = GetCurrentPage();
    const int nResult = pPage != nullptr ? pPage->EarlyClose() : 0;
    if (nResult)
    {
        ClearPageBits(tabClosedWinner, CTanzoTabbedPage::stateLoaded);
        ClearPageBits(tabClosedNoWinner, CTanzoTabbedPage::stateLoaded);
    }
    return nResult;
}

int CTanzoTabsTabbedDialog::CancelAuction()
{
    CTanzoTabbedPage* pPage = GetCurrentPage();
    const int nResult = pPage != nullptr ? pPage->CancelAuction() : 0;
    if (nResult)
        ClearPageBits(tabClosedNoWinner, CTanzoTabbedPage::stateLoaded);
    return nResult;
}

int CTanzoTabsTabbedDialog::Resubmit()
{
    CTanzoTabbedPage* pPage = GetCurrentPage();
    const int nResult = pPage != nullptr ? pPage->Resubmit() : 0;
    if (nResult)
        ClearPageBits(tabSelling, CTanzoTabbedPage::stateLoaded);
    return nResult;
}

#define FORWARD_TO_PAGE(call)                                                                                \
    CTanzoTabbedPage* pPage = GetCurrentPage();                                                              \
    return pPage != nullptr ? pPage->call : 0

int CTanzoTabsTabbedDialog::SetFeaturedAmount()
{
    FORWARD_TO_PAGE(SetFeaturedAmount());
}

int CTanzoTabsTabbedDialog::AddDescription()
{
    FORWARD_TO_PAGE(AddDescription());
}

int CTanzoTabsTabbedDialog::Rate()
{
    FORWARD_TO_PAGE(Rate());
}

int CTanzoTabsTabbedDialog::Remove()
{
    FORWARD_TO_PAGE(Remove());
}

int CTanzoTabsTabbedDialog::EditMemo()
{
    FORWARD_TO_PAGE(EditMemo());
}

int CTanzoTabsTabbedDialog::ToggleRatingState(int nWhich)
{
    FORWARD_TO_PAGE(ToggleRatingState(nWhich));
}

int CTanzoTabsTabbedDialog::SetMark(int nMark)
{
    FORWARD_TO_PAGE(SetMark(nMark));
}

int CTanzoTabsTabbedDialog::Stop()
{
    FORWARD_TO_PAGE(Stop());
}

int CTanzoTabsTabbedDialog::SelectAll()
{
    FORWARD_TO_PAGE(SelectAll());
}

int CTanzoTabsTabbedDialog::ShowInBrowser()
{
    FORWARD_TO_PAGE(ShowInBrowser());
}

BOOL CTanzoTabsTabbedDialog::FindText(LPCTSTR lpszText, int nDirection, DWORD dwOptions, int nStart)
{
    FORWARD_TO_PAGE(FindText(lpszText, nDirection, dwOptions, nStart));
}

int CTanzoTabsTabbedDialog::ShowWinnerList()
{
    FORWARD_TO_PAGE(ShowWinnerList());
}

int CTanzoTabsTabbedDialog::CopyLinkAddress()
{
    FORWARD_TO_PAGE(CopyLinkAddress());
}

int CTanzoTabsTabbedDialog::OpenLink()
{
    FORWARD_TO_PAGE(OpenLink());
}

BOOL CTanzoTabsTabbedDialog::IsCommandEnabled(UINT nID)
{
    FORWARD_TO_PAGE(IsCommandEnabled(nID));
}

BOOL CTanzoTabsTabbedDialog::IsCommandChecked(UINT nID)
{
    FORWARD_TO_PAGE(IsCommandChecked(nID));
}

int CTanzoTabsTabbedDialog::GetListKind()
{
    FORWARD_TO_PAGE(GetListKind());
}

#undef FORWARD_TO_PAGE

void CTanzoTabsTabbedDialog::ShowPageHelp()
{
    if (CTanzoTabbedPage* pPage = GetCurrentPage())
        pPage->OnHelpCommand();
}

void CTanzoTabsTabbedDialog::ResetPages()
{
    for (int nTab = 0; nTab < GetPageCount(); ++nTab)
    {
        auto* pPage = dynamic_cast<CTanzoTabbedPage*>(GetPage(nTab));
        if (pPage == nullptr)
            continue;
        pPage->ClearStateBits(CTanzoTabbedPage::stateLoaded);
        pPage->UpdateBar();
    }
    RefreshCurrentPage(1, -1);
}

void CTanzoTabsTabbedDialog::ApplyFonts()
{
    for (int nTab = 0; nTab < GetPageCount(); ++nTab)
    {
        if (CTanzoTabbedPage* pPage = GetTanzoPage(nTab))
            pPage->ApplyFonts();
    }
}

void CTanzoTabsTabbedDialog::ApplyColours()
{
    COptionSettings* pOptions = GetOptionSettings();
    for (int nTab = 0; nTab < GetPageCount(); ++nTab)
    {
        auto* pPage = dynamic_cast<CTanzoTabbedPage*>(GetPage(nTab));
        if (pPage == nullptr)
            continue;
        if (pOptions != nullptr && m_tabCtrl.GetSafeHwnd() != nullptr)
            m_tabCtrl.SetTabBkColor(nTab, pOptions->GetColor(pPage->GetSpec().backgroundColor), TRUE);
        if (IsWindowValid(pPage))
            pPage->ApplyColours();
    }
}

BOOL CTanzoTabsTabbedDialog::ClearPageBits(int nTab, DWORD dwBits)
{
    auto* pPage = dynamic_cast<CTanzoTabbedPage*>(GetPage(nTab));
    if (pPage == nullptr || !pPage->TestStateBits(dwBits))
        return FALSE;
    pPage->ClearStateBits(dwBits);
    return TRUE;
}
