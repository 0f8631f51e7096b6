#include "client/TanzoView.h"

#include "app/BaseDialog.h"
#include "app/DialogResourceIds.h"
#include "app/WindowHelpers.h"
#include "client/DataSetFiles.h"
#include "client/ListCommandRules.h"
#include "client/MarkCommands.h"
#include "client/PageCommands.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoTabsTabbedDialog.h"

IMPLEMENT_DYNCREATE(CTanzoView, CBaseDialogView)

BEGIN_MESSAGE_MAP(CTanzoView, CBaseDialogView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_DESTROY()
ON_COMMAND(ID_LIST_REFRESH, OnRefresh)
ON_COMMAND(ID_LIST_STOP, OnStop)
ON_COMMAND(ID_LIST_SHOW_IN_BROWSER, OnShowInBrowser)
ON_COMMAND(ID_LIST_WINNERS, OnShowWinnerList)
ON_COMMAND(ID_LINK_OPEN, OnOpenLink)
ON_COMMAND(ID_LINK_COPY, OnCopyLink)
ON_COMMAND(ID_LIST_SELECT_ALL, OnSelectAll)
ON_COMMAND(ID_DIALOG_HELP, OnPageHelp)
ON_COMMAND_RANGE(ID_ITEM_EARLY_CLOSE, ID_ITEM_RATING_FORBIDDEN, OnItemCommand)
ON_COMMAND_RANGE(ID_MARK_FIRST, ID_MARK_NONE, OnMark)
END_MESSAGE_MAP()

CTanzoView::CTanzoView() : m_viewFlags(0) {}

CTanzoView::~CTanzoView() {}

CBaseDialog* CTanzoView::CreateHostedDialog()
{
    return new CTanzoTabsTabbedDialog(this);
}

CTanzoTabsTabbedDialog* CTanzoView::GetTabs() const
{
    auto* pTabs = dynamic_cast<CTanzoTabsTabbedDialog*>(m_pDialog);
    return pTabs != nullptr && IsWindowValid(pTabs) ? pTabs : nullptr;
}

CTanzoDoc* CTanzoView::GetTanzoDocument() const
{
    CDocument* pDoc = GetDocument();
    return pDoc != nullptr && pDoc->IsKindOf(RUNTIME_CLASS(CTanzoDoc)) ? static_cast<CTanzoDoc*>(pDoc)
                                                                       : nullptr;
}

int CTanzoView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBaseDialogView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_imeKeeper.Save(this);
    m_imeKeeper.SetOpen(TRUE);
    return 0;
}

void CTanzoView::OnInitialUpdate()
{
    CBaseDialogView::OnInitialUpdate();
    m_viewFlags.Add(flagInitialUpdateDone);
    CTanzoDoc* pDoc = GetTanzoDocument();
    if (pDoc != nullptr)
        pDoc->LoadFromProfile();
}

void CTanzoView::OnDraw(CDC*) {}

void CTanzoView::OnSetFocus(CWnd* pOldWnd)
{
    if (IsWindowValid(m_pDialog))
        m_pDialog->SetFocus();
    else
        CBaseDialogView::OnSetFocus(pOldWnd);
}

void CTanzoView::OnDestroy()
{
    CTanzoDoc* pDoc = GetTanzoDocument();
    if (TestViewFlags(flagInitialUpdateDone) && pDoc != nullptr)
    {
        pDoc->SaveToProfile();
        for (int set = 0; set < DataSetCount; ++set)
            pDoc->TransferDataSet(set, TRUE);
    }
    m_imeKeeper.Restore();
    CBaseDialogView::OnDestroy();
}

BOOL CTanzoView::IsCommandEnabled(UINT nID)
{
    CTanzoTabsTabbedDialog* pTabs = GetTabs();
    return pTabs != nullptr && pTabs->IsCommandEnabled(nID);
}

BOOL CTanzoView::IsCommandChecked(UINT nID)
{
    CTanzoTabsTabbedDialog* pTabs = GetTabs();
    return pTabs != nullptr && pTabs->IsCommandChecked(nID);
}

void CTanzoView::RefreshCurrentPage(int nFirst, int nLast)
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->RefreshCurrentPage(nFirst, nLast);
}

BOOL CTanzoView::FindText(LPCTSTR lpszText, int nDirection, DWORD dwOptions, int nStart)
{
    CTanzoTabsTabbedDialog* pTabs = GetTabs();
    return pTabs != nullptr && pTabs->FindText(lpszText, nDirection, dwOptions, nStart);
}

int CTanzoView::GetListKind()
{
    CTanzoTabsTabbedDialog* pTabs = GetTabs();
    return pTabs != nullptr ? pTabs->GetListKind() : 0;
}

void CTanzoView::ResetPages()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->ResetPages();
}

void CTanzoView::ApplyFonts()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->ApplyFonts();
}

void CTanzoView::ApplyColours()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->ApplyColours();
}

// ---- The list commands

void CTanzoView::OnRefresh()
{
    CTanzoDoc* pDoc = GetTanzoDocument();
    if (pDoc == nullptr)
        return;
    const int nKind = GetListKind();
    int nFirst = 1, nLast = -1;
    GetStoredRefreshRange(pDoc->GetCurrentPage(nKind), pDoc->GetPageCount(nKind), nFirst, nLast);
    RefreshCurrentPage(nFirst, nLast);
}

void CTanzoView::OnStop()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->Stop();
}

void CTanzoView::OnShowInBrowser()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->ShowInBrowser();
}

void CTanzoView::OnShowWinnerList()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->ShowWinnerList();
}

void CTanzoView::OnOpenLink()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->OpenLink();
}

void CTanzoView::OnCopyLink()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->CopyLinkAddress();
}

void CTanzoView::OnSelectAll()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->SelectAll();
}

void CTanzoView::OnPageHelp()
{
    if (CTanzoTabsTabbedDialog* pTabs = GetTabs())
        pTabs->ShowPageHelp();
}

void CTanzoView::OnItemCommand(UINT nID)
{
    CTanzoTabsTabbedDialog* pTabs = GetTabs();
    if (pTabs == nullptr)
        return;
    switch (nID)
    {
    case ID_ITEM_EARLY_CLOSE:
        pTabs->EarlyClose();
        break;
    case ID_ITEM_CANCEL:
        pTabs->CancelAuction();
        break;
    case ID_ITEM_FEATURED_AMOUNT:
        pTabs->SetFeaturedAmount();
        break;
    case ID_ITEM_ADD_DESCRIPTION:
        pTabs->AddDescription();
        break;
    case ID_ITEM_RATE:
        pTabs->Rate();
        break;
    case ID_ITEM_RESUBMIT:
        pTabs->Resubmit();
        break;
    case ID_ITEM_REMOVE:
        pTabs->Remove();
        break;
    case ID_ITEM_MEMO:
        pTabs->EditMemo();
        break;
    case ID_ITEM_RATED:
        pTabs->ToggleRatingState(RatingToggle::Rated);
        break;
    case ID_ITEM_RATING_FORBIDDEN:
        pTabs->ToggleRatingState(RatingToggle::Forbidden);
        break;
    default:
        break;
    }
}

void CTanzoView::OnMark(UINT nID)
{
    int nMark = 0;
    CTanzoTabsTabbedDialog* pTabs = GetTabs();
    if (pTabs != nullptr && MarkValueOfCommand(nID, nMark))
        pTabs->SetMark(nMark);
}
