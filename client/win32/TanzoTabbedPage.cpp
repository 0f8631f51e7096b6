#include "client/TanzoTabbedPage.h"

#include <vector>

#include "afx/DataExchange.h"
#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "afx/WinApp.h"
#include "app/BusyState.h"
#include "app/DialogLayoutRules.h"
#include "app/WindowHelpers.h"
#include "client/IdPageBar.h"
#include "client/ItemJobs.h"
#include "client/ListResourceIds.h"
#include "client/MainFrame.h"
#include "client/MemoSettingDialog.h"
#include "client/MyAuctionListReader.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"
#include "controls/ControlsResourceIds.h"
#include "net/ServiceHosts.h"

IMPLEMENT_DYNAMIC(CTanzoTabbedPage, CTabbedPage)

BEGIN_MESSAGE_MAP(CTanzoTabbedPage, CTabbedPage)
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
void ShowWindowIfExists(CWnd* pWnd, int nCmdShow)
{
    if (IsWindowValid(pWnd))
        pWnd->ShowWindow(nCmdShow);
}
} // namespace

// ---------------------------------------------------------------------------
// The busy state of a refresh

class CTanzoTabbedPage::CBusyGuard
{
public:
    explicit CBusyGuard(CTanzoTabbedPage& page) : m_page(page), m_busy(&page.m_nBusy)
    {
        page.m_dwState &= ~stateStopRequested;
        page.m_dwState |= stateRefreshing;
        ShowWindowIfExists(&page.m_busyNote, SW_SHOWNA);
        page.m_list.CenterChildWindow(&page.m_busyNote);
        EnableWindowIfExists(&page.m_list, FALSE);
        EnableWindowIfExists(page.m_pBar, FALSE);
        EnableWindowIfExists(page.GetParent(), FALSE);
        EnableMainWindowClose(FALSE);
    }
    ~CBusyGuard()
    {
        m_page.m_dwState &= ~stateRefreshing;
        ShowWindowIfExists(&m_page.m_busyNote, SW_HIDE);
        EnableWindowIfExists(&m_page.m_list, TRUE);
        EnableWindowIfExists(m_page.m_pBar, TRUE);
        m_page.ApplyFontStep();
        EnableWindowIfExists(m_page.GetParent(), TRUE);
        EnableMainWindowClose(TRUE);
    }

private:
    CTanzoTabbedPage& m_page;
    CScopedFlag m_busy;

    CBusyGuard(const CBusyGuard&) = delete;
    CBusyGuard& operator=(const CBusyGuard&) = delete;
};

// ---------------------------------------------------------------------------
// The page's reader

class CTanzoTabbedPage::CReader : public CListPageReader
{
public:
    CReader(CTanzoTabbedPage& page, CMyAuctionListReader* pReader) : m_page(page), m_pReader(pReader) {}
    ~CReader() override { delete m_pReader; }

    void SetExpectedUserId(LPCTSTR id) override { m_pReader->SetExpectedUserId(id); }
    int ReadPage(int nPage, BOOL bReadPageCount, CTanzoAuctionItemList& items) override
    {
        // A stop asked for between two requests: the next one would
        // clear the conversation's cancel flag.
        if (m_page.TestStateBits(stateStopRequested))
            return CMyAuctionListReader::PageStopped;
        m_pReader->SetPage(nPage);
        const int nAnswer = m_pReader->FetchPage(items, bReadPageCount, nullptr);
        return m_page.TestStateBits(stateStopRequested) ? CMyAuctionListReader::PageStopped : nAnswer;
    }
    CString GetUserId() const override { return m_pReader->GetUserId(); }
    int GetPageCount() const override { return m_pReader->GetPageCount(); }

private:
    CTanzoTabbedPage& m_page;
    CMyAuctionListReader* m_pReader;
};

// ---------------------------------------------------------------------------
// Making and showing

CTanzoTabbedPage::CTanzoTabbedPage(const ListPageLayout& spec, CWnd* pParentWnd)
    : CTabbedPage(spec.templateId, pParentWnd, HID_LIST_PAGES), m_spec(spec)
{
    EnableResize(TRUE);
    for (CDecorateStatic* pNote : {&m_emptyNote, &m_busyNote})
    {
        pNote->SetTextColor(kNoteTextColor);
        pNote->SetBkColor(kNoteBkColor);
        pNote->SetFrameColor(kNoteFrameColor);
        pNote->AddStyleBits(CDecorateStatic::styleBold);
    }
    if (IsSellingPage())
        m_list.SetOptions(CTanzoListCtrl::optionPaidOptions);
}

CTanzoTabbedPage::~CTanzoTabbedPage()
{
    delete m_pRefreshGuard;
    delete m_pBar;
}

void CTanzoTabbedPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(m_spec.captionId);
}

void CTanzoTabbedPage::DoDataExchange(CDataExchange* pDX)
{
    CTabbedPage::DoDataExchange(pDX);
    DDX_Control(pDX, (int)m_spec.listId, m_list);
    DDX_Control(pDX, (int)m_spec.emptyNoteId, m_emptyNote);
    DDX_Control(pDX, (int)m_spec.busyNoteId, m_busyNote);
}

void CTanzoTabbedPage::RegisterLayoutControls()
{
    CTabbedPage::RegisterLayoutControls();
    if (CDialogLayout* pLayout = GetLayout())
        pLayout->AddControl((int)m_spec.listId, ANCHOR_FILL);
}

BOOL CTanzoTabbedPage::OnInitDialog()
{
    if (COptionSettings* pOptions = GetOptionSettings())
        pOptions->ApplyListMetrics(&m_list);
    CTabbedPage::OnInitDialog();
    // The notes lie on the list.
    for (CDecorateStatic* pNote : {&m_emptyNote, &m_busyNote})
    {
        pNote->SetParent(&m_list);
        pNote->ShowWindow(SW_HIDE);
    }
    m_hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_pBar = new CIdPageBar(m_spec.listKind, this);
    if (m_pBar->CreateModeless(this))
    {
        m_pBar->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    ApplyFontStep();
    ApplyColours();
    InsertColumns();
    ApplyDefaultSort();
    return TRUE;
}

void CTanzoTabbedPage::InsertColumns()
{
    COptionSettings* pOptions = GetOptionSettings();
    for (int nColumn = 0; nColumn < m_spec.columnCount; ++nColumn)
    {
        const ListColumnSpec& column = m_spec.columns[nColumn];
        CString strHeading;
        strHeading.LoadString(column.headingId);
        m_list.InsertColumn(nColumn, strHeading, column.align,
                            GetSettingInt(column.profileName, column.defaultWidth));
        m_list.SetColumnStyle(nColumn, column.style);
        if (column.style == ListColumnLinkStyle && pOptions != nullptr)
            m_list.SetColumnTextColor(nColumn, pOptions->GetColor(COptionSettings::ColorItemLinkText));
    }
    std::vector<int> kinds((size_t)m_spec.columnCount);
    for (int nColumn = 0; nColumn < m_spec.columnCount; ++nColumn)
        kinds[(size_t)nColumn] = GetColumnFieldKind(nColumn);
    m_list.SetColumnKinds(std::move(kinds));
}

void CTanzoTabbedPage::ApplyDefaultSort()
{
    m_list.SetSortMode(LIST_SORT_BY_ROW);
    m_list.ClearSortMark();
    m_list.SetSortKind(m_spec.defaultSortKind);
    m_list.SetDescending(m_spec.defaultSortDescending);
    m_list.SetSortMark(-1, TRUE);
}

void CTanzoTabbedPage::ApplyFontStep()
{
    if (m_list.GetSafeHwnd() == nullptr)
        return;
    if (m_list.GetItemCount() > 0 && m_list.GetFirstSelected() < 0)
    {
        m_list.SelectSingleItem(0);
        m_list.EnsureVisible(0);
    }
    if (COptionSettings* pOptions = GetOptionSettings())
    {
        pOptions->ApplyListFontSize(&m_list);
        pOptions->ApplyListMetrics(&m_list);
        pOptions->ApplyStaticFontSize(&m_emptyNote);
        pOptions->ApplyStaticFontSize(&m_busyNote);
    }
    m_list.Invalidate();
    m_emptyNote.Invalidate();
    m_busyNote.Invalidate();
}

void CTanzoTabbedPage::ApplyFonts()
{
    ApplyFontStep();
}

void CTanzoTabbedPage::ApplyColours()
{
    if (m_list.GetSafeHwnd() == nullptr)
        return;
    if (COptionSettings* pOptions = GetOptionSettings())
    {
        m_list.SetBkColor(pOptions->GetColor(m_spec.backgroundColor));
        pOptions->ApplyListColors(&m_list);
    }
    m_list.Invalidate();
    m_emptyNote.Invalidate();
    m_busyNote.Invalidate();
    if (IsWindowValid(m_pBar))
        m_pBar->ApplyLinkColor();
}

void CTanzoTabbedPage::ExtendContextMenu(CMenu*) {}

BOOL CTanzoTabbedPage::PreTranslateMessage(MSG* pMsg)
{
    // The main window's keys first (F5, Esc, Ctrl+M...).
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (m_hAccel != nullptr && pFrame != nullptr && pMsg->message >= WM_KEYFIRST &&
        pMsg->message <= WM_KEYLAST && ::TranslateAcceleratorA(pFrame->m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CTabbedPage::PreTranslateMessage(pMsg);
}

void CTanzoTabbedPage::OnSize(UINT nType, int cx, int cy)
{
    CTabbedPage::OnSize(nType, cx, cy);
    m_list.CenterChildWindow(&m_emptyNote);
    m_list.CenterChildWindow(&m_busyNote);
}

void CTanzoTabbedPage::OnDestroy()
{
    // A refresh cannot outlive its page: its request ends with the page.
    if (TestStateBits(stateRefreshing))
        Stop();
    if (m_pBar != nullptr && ::IsWindow(m_pBar->m_hWnd))
        m_pBar->DestroyWindow();
    for (int nColumn = 0; nColumn < m_spec.columnCount && m_list.GetSafeHwnd() != nullptr; ++nColumn)
        WriteSettingInt(m_spec.columns[nColumn].profileName, m_list.GetColumnWidth(nColumn));
    CTabbedPage::OnDestroy();
}

int CTanzoTabbedPage::GetColumnFieldKind(int nColumn) const
{
    return ::GetColumnFieldKind(m_spec, nColumn);
}

int CTanzoTabbedPage::GetColumnOfFieldKind(int nKind) const
{
    return ::GetColumnOfFieldKind(m_spec, nKind);
}

int CTanzoTabbedPage::GetColumnOfFieldFlag(DWORD dwFlag) const
{
    return ::GetColumnOfFieldFlag(m_spec, dwFlag);
}

CTanzoDoc* CTanzoTabbedPage::GetDocument() const
{
    return GetTanzoDoc(const_cast<CTanzoTabbedPage*>(this));
}

void CTanzoTabbedPage::UpdateBar()
{
    if (IsWindowValid(m_pBar))
        m_pBar->Update();
}

void CTanzoTabbedPage::ShowCounts()
{
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (pFrame == nullptr || m_list.GetSafeHwnd() == nullptr)
        return;
    pFrame->ShowItemCount(m_list.GetItemCount());
    pFrame->ShowSelectedCount(m_list.GetSelectedCount());
}

// ---------------------------------------------------------------------------
// The refresh

int CTanzoTabbedPage::Refresh(int nFirst, int nLast)
{
    CTanzoDoc* pDoc = GetDocument();
    if (GetMainFrameOf(this) == nullptr || pDoc == nullptr || IsBusy())
        return 0;
    CListRefresh refresh(*this, *pDoc);
    const int nResult = refresh.Refresh(nFirst, nLast);
    m_nLastOutcome = refresh.GetOutcome();
    return nResult;
}

int CTanzoTabbedPage::RefreshStoredRange()
{
    CTanzoDoc* pDoc = GetDocument();
    if (GetMainFrameOf(this) == nullptr || pDoc == nullptr || IsBusy())
        return 0;
    CListRefresh refresh(*this, *pDoc);
    const int nResult = refresh.RefreshStoredRange();
    m_nLastOutcome = refresh.GetOutcome();
    return nResult;
}

int CTanzoTabbedPage::Stop()
{
    if (!TestStateBits(stateRefreshing))
        return 0;
    m_dwState |= stateStopRequested;
    m_http.SetCancel(TRUE);
    if (CMainFrame* pFrame = GetMainFrameOf(this))
        pFrame->SetStatusTextId(IDS_STOPPING, CMainFrame::StatusPlain);
    return 1;
}

CListPageReader* CTanzoTabbedPage::CreateReader()
{
    CMainFrame* pFrame = GetMainFrameOf(this);
    CMyAuctionListReader* pReader = CreateStatusReader();
    if (pReader == nullptr)
        return nullptr;
    m_http.SetStatusSink(pFrame);
    pReader->SetHttpComm(&m_http);
    pReader->SetProgressSink(pFrame);
    return new CReader(*this, pReader);
}

void CTanzoTabbedPage::BeginRefresh()
{
    ShowWindowIfExists(&m_emptyNote, SW_HIDE);
    m_list.ReleaseAllRows();
    ApplyDefaultSort();
    ShowCounts();
    m_list.SetPacedCount(TRUE);
    delete m_pRefreshGuard;
    m_pRefreshGuard = new CBusyGuard(*this);
}

void CTanzoTabbedPage::EndRefresh()
{
    m_list.SetPacedCount(FALSE);
    delete m_pRefreshGuard;
    m_pRefreshGuard = nullptr;
}

int CTanzoTabbedPage::GetRowCount() const
{
    return const_cast<CTanzoListCtrl&>(m_list).GetItemArraySize();
}

void CTanzoTabbedPage::AppendRows(CTanzoAuctionItemList& items)
{
    std::vector<TanzoAuctionItem*> rows;
    rows.reserve(items.GetCount());
    while (!items.IsEmpty())
        rows.push_back(items.RemoveHead());
    m_list.AppendRows(rows.data(), (int)rows.size());
    // The rows show while the next page is read (paced by the list), and
    // the item count of every page with them. Nothing is selected before
    // the last page (the list is disabled, and its own notices keep the
    // selected count); both counts are shown again after the last page.
    CMainFrame* pFrame = GetMainFrameOf(this);
    if (pFrame != nullptr && m_list.GetSafeHwnd() != nullptr)
        pFrame->ShowItemCount(m_list.GetItemArraySize());
}

void CTanzoTabbedPage::ShowEmptyNote()
{
    m_list.CenterChildWindow(&m_emptyNote);
    ShowWindowIfExists(&m_emptyNote, SW_SHOWNA);
}

void CTanzoTabbedPage::OnPagesRead()
{
    m_list.SetPacedCount(FALSE);
    if (m_list.GetItemCount() > 0)
        m_list.SelectSingleItem(0);
    ShowCounts();
}

void CTanzoTabbedPage::OnRecorded()
{
    UpdateBar();
    m_dwState |= stateLoaded;
}

int CTanzoTabbedPage::AskToAddUserId(LPCTSTR lpszID)
{
    return AddUserIdWithDialog(GetMainFrameOf(this), lpszID);
}

CProgressSink* CTanzoTabbedPage::GetProgressSink()
{
    return GetMainFrameOf(this);
}

CWnd* CTanzoTabbedPage::GetLoginParent()
{
    return GetMainFrameOf(this);
}

int CTanzoTabbedPage::GetLoginType()
{
    return ::GetLoginType();
}

// ---------------------------------------------------------------------------
// Enabling

BOOL CTanzoTabbedPage::IsCommandEnabled(UINT nID)
{
    ListCommandState state;
    state.listKind = m_spec.listKind;
    state.busy = IsBusy();
    state.refreshing = TestStateBits(stateRefreshing) != 0;
    state.hasHelp = GetHelpId() != 0;
    if (m_list.GetSafeHwnd() != nullptr)
    {
        state.rowCount = m_list.GetItemCount();
        CItemSelection selection;
        m_list.GetSelectedItems(selection);
        DescribeSelection(selection, state);
    }
    return IsListCommandEnabled(state, nID);
}

BOOL CTanzoTabbedPage::IsCommandChecked(UINT nID)
{
    CItemSelection selection;
    if (m_list.GetSafeHwnd() == nullptr || !m_list.GetSelectedItems(selection))
        return FALSE;
    return IsListCommandChecked(selection, nID);
}

// ---------------------------------------------------------------------------
// Commands that hand the items to the item actions

BOOL CTanzoTabbedPage::ConfirmSelection(CItemSelection& confirmed, UINT nOneId, UINT nManyId,
                                        DWORD dwExcluded, UINT nPartialId)
{
    confirmed.RemoveAll();
    CItemSelection selected;
    if (!m_list.GetSelectedItems(selected))
        return FALSE;
    CArray<int, int> kept;
    CString strQuestion;
    if (!BuildSelectionQuestion(selected, dwExcluded, nOneId, nManyId, nPartialId, kept, strQuestion))
        return FALSE;
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return FALSE;
    for (int i = 0; i < kept.GetSize(); ++i)
        confirmed.Add(selected[kept[i]]);
    return TRUE;
}

void CTanzoTabbedPage::ShowDone(UINT nID)
{
    AfxMessageBox(nID, MB_OK | MB_ICONINFORMATION);
}

int CTanzoTabbedPage::AddDescription()
{
    CItemSelection items;
    if (!IsCommandOffered(m_spec, ID_ITEM_ADD_DESCRIPTION) ||
        !ConfirmSelection(items, IDS_ASK_DESCRIPTION_ONE, IDS_ASK_DESCRIPTION_MANY))
        return 0;
    const CItemJobResult result = GetItemJobs().AddDescription(*this, items);
    if (result.runResult == 1)
        ShowDone(IDS_DESCRIPTION_DONE);
    return result.done;
}

int CTanzoTabbedPage::EarlyClose()
{
    CItemSelection items;
    if (IsCommandOffered(m_spec, ID_ITEM_EARLY_CLOSE))
        ConfirmSelection(items, IDS_ASK_EARLY_CLOSE_ONE, IDS_ASK_EARLY_CLOSE_MANY);
    return 0;
}

int CTanzoTabbedPage::CancelAuction()
{
    CItemSelection items;
    if (IsCommandOffered(m_spec, ID_ITEM_CANCEL))
        ConfirmSelection(items, IDS_ASK_CANCEL_ONE, IDS_ASK_CANCEL_MANY);
    return 0;
}

int CTanzoTabbedPage::Remove()
{
    CItemSelection items;
    if (m_spec.removalKind < 0 || !IsCommandOffered(m_spec, ID_ITEM_REMOVE) ||
        !ConfirmSelection(items, IDS_ASK_REMOVE_ONE, IDS_ASK_REMOVE_MANY))
        return 0;
    const CString strUrl = GetServiceOrigin(HostClosedList) + m_spec.removalListPath;
    const CItemJobResult result = GetItemJobs().Remove(*this, items, strUrl, m_spec.removalKind);
    if (result.done)
        RefreshStoredRange();
    return result.done;
}

int CTanzoTabbedPage::Resubmit()
{
    const int nKind = m_spec.listKind;
    CItemSelection items;
    if ((nKind != ListKind::ClosedWinner && nKind != ListKind::ClosedNoWinner) ||
        !ConfirmSelection(items, IDS_ASK_RESUBMIT_ONE, IDS_ASK_RESUBMIT_MANY))
        return 0;
    CStringArray ids;
    for (int i = 0; i < items.GetSize(); ++i)
        ids.Add(items[i]->GetAuctionID());
    const CItemJobResult result = GetItemJobs().Resubmit(*this, items, nKind);
    if (result.done && nKind == ListKind::ClosedNoWinner)
    {
        ReloadUserData(items, 0);
        RefreshStoredRange();
        // The rows were read again: the IDs still name their items.
        ClearSecondFlag(ids, ActionResubmitted);
    }
    if (result.runResult == 1 && nKind == ListKind::ClosedWinner)
        ShowDone(IDS_RESUBMIT_WINNER_DONE);
    return result.done;
}

int CTanzoTabbedPage::Rate()
{
    if (m_spec.rateAsSeller < 0)
        return 0;
    const BOOL bAsSeller = m_spec.rateAsSeller == 1;
    CItemSelection items;
    if (!ConfirmSelection(items, bAsSeller ? IDS_ASK_RATE_SELLER_ONE : IDS_ASK_RATE_BUYER_ONE,
                          bAsSeller ? IDS_ASK_RATE_SELLER_MANY : IDS_ASK_RATE_BUYER_MANY,
                          CItemUserState::StateForbidden,
                          bAsSeller ? IDS_ASK_RATE_SELLER_SOME : IDS_ASK_RATE_BUYER_SOME))
        return 0;
    // The partners rated: chosen for items with several winners, the one
    // winner otherwise.
    for (int i = 0; i < items.GetSize(); ++i)
    {
        TanzoAuctionItem& item = *items[i];
        if (item.HasSeveralWinners())
        {
            if (!GetItemJobs().SelectPartners(this, item, PartnerMode::Rate, item.HasWinnerListEntry()))
                return 0;
        }
        else if (item.GetBuyerCount() == 1)
        {
            TanzoAuctionBuyer buyer;
            item.GetBuyerAt(0, buyer);
            buyer.AddFlags(TanzoAuctionBuyer::FlagTarget);
            item.SetBuyerAt(0, buyer);
        }
    }
    const CItemJobResult result = GetItemJobs().Rate(*this, items, bAsSeller);
    if (result.done)
        ReloadUserData(items, GetFieldFlagOfKind(ItemField::RatingMark));
    if (result.runResult == 1)
        ShowDone(IDS_RATE_DONE);
    return result.done;
}

int CTanzoTabbedPage::ShowWinnerList()
{
    if (!IsCommandOffered(m_spec, ID_LIST_WINNERS))
        return 0;
    CItemSelection items;
    m_list.GetSelectedItems(items);
    for (int i = 0; i < items.GetSize(); ++i)
    {
        if (items[i]->HasSeveralWinners())
            return m_list.ShowWinnerList(this, items[i]) ? 1 : 0;
    }
    return 0;
}

int CTanzoTabbedPage::SetFeaturedAmount()
{
    CItemSelection items;
    if (!IsCommandOffered(m_spec, ID_ITEM_FEATURED_AMOUNT) ||
        !ConfirmSelection(items, IDS_ASK_FEATURED_ONE, IDS_ASK_FEATURED_MANY))
        return 0;
    const CItemJobResult result = GetItemJobs().SetFeaturedAmount(*this, items);
    if (result.done)
        ReloadUserData(items, GetFieldFlagOfKind(ItemField::FeaturedMark));
    if (result.runResult == 1)
        ShowDone(IDS_FEATURED_DONE);
    return result.done;
}

// ---------------------------------------------------------------------------
// The user's own data on items

BOOL CTanzoTabbedPage::StoreItems(const CItemSelection& items, DWORD dwRedrawFlags)
{
    CTanzoDoc* pDoc = GetDocument();
    if (pDoc == nullptr || items.GetSize() == 0)
        return FALSE;
    for (int i = 0; i < items.GetSize(); ++i)
        pDoc->StoreUserEdit(TanzoAuctionItemUserEdit(*items[i]));
    RedrawFields(dwRedrawFlags);
    return TRUE;
}

BOOL CTanzoTabbedPage::ReloadUserData(const CItemSelection& items, DWORD dwRedrawFlags)
{
    CTanzoDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return FALSE;
    BOOL bAny = FALSE;
    for (int i = 0; i < items.GetSize(); ++i)
    {
        TanzoAuctionItemUserEdit record(*items[i]);
        if (pDoc->LookupUserEdit(record))
        {
            items[i]->ApplyUserEdit(record);
            bAny = TRUE;
        }
    }
    if (bAny && dwRedrawFlags != 0)
        RedrawFields(dwRedrawFlags);
    return bAny;
}

void CTanzoTabbedPage::ClearSecondFlag(const CStringArray& auctionIds, DWORD dwBit)
{
    CTanzoDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return;
    for (int i = 0; i < auctionIds.GetSize(); ++i)
    {
        TanzoAuctionItem probe;
        probe.SetAuctionID(auctionIds[i]);
        TanzoAuctionItemUserEdit record(probe);
        if (!pDoc->LookupUserEdit(record) || !record.TestActionFlags(dwBit))
            continue;
        record.RemoveActionFlags(dwBit);
        pDoc->StoreUserEdit(record);
        for (int nRow = 0; nRow < m_list.GetItemArraySize(); ++nRow)
        {
            TanzoAuctionItem* pItem = m_list.GetRowRecord(nRow);
            if (pItem != nullptr && pItem->GetAuctionID() == auctionIds[i])
                pItem->ApplyUserEdit(record);
        }
    }
}

void CTanzoTabbedPage::RedrawFields(DWORD dwFlags)
{
    if (m_list.GetSafeHwnd() == nullptr || dwFlags == 0)
        return;
    CItemSelection items;
    CList<int, int> rows;
    m_list.GetSelectedItems(items, &rows);
    for (DWORD dwFlag = 1; dwFlag != 0 && dwFlag <= dwFlags; dwFlag <<= 1)
    {
        const int nColumn = (dwFlags & dwFlag) != 0 ? GetColumnOfFieldFlag(dwFlag) : -1;
        if (nColumn >= 0)
            m_list.RedrawRows(rows, nColumn);
    }
}

int CTanzoTabbedPage::EditMemo()
{
    CItemSelection items;
    if (!m_list.GetSelectedItems(items))
        return 0;
    CMemoSettingDialog dialog(this);
    if (items.GetSize() > 1)
        dialog.SetTitleMode(CMemoHistoryDialog::titleFromString);
    CString strMemo;
    GetCommonMemo(items, strMemo);
    dialog.SetText(strMemo);
    if (dialog.DoModal() != IDOK)
        return 0;
    dialog.GetText(strMemo);
    for (int i = 0; i < items.GetSize(); ++i)
        items[i]->SetMemo(strMemo);
    return StoreItems(items, GetFieldFlagOfKind(ItemField::Memo));
}

int CTanzoTabbedPage::SetMark(int nMark)
{
    CItemSelection items, changed;
    m_list.GetSelectedItems(items);
    for (int i = 0; i < items.GetSize(); ++i)
    {
        if (items[i]->GetUserState().GetMark() != nMark)
        {
            items[i]->GetUserState().SetMark(nMark);
            changed.Add(items[i]);
        }
    }
    return StoreItems(changed, GetFieldFlagOfKind(ItemField::Mark));
}

int CTanzoTabbedPage::ToggleRatingState(int nWhich)
{
    if (m_spec.toggleWithBuyers < 0)
        return 0;
    const BOOL bWithBuyers = m_spec.toggleWithBuyers == 1;
    CItemSelection items;
    if (!m_list.GetSelectedItems(items))
        return 0;
    const BOOL bAllSet = AllHaveToggleState(items, nWhich);
    COptionSettings* pOptions = GetOptionSettings();
    CMainFrame* pFrame = GetMainFrameOf(this);
    const DWORD dwAsk = GetToggleConfirmOption(nWhich);
    if (pOptions != nullptr && pFrame != nullptr && pOptions->MaskOptionBits(dwAsk) != 0)
    {
        CString strQuestion;
        BuildToggleQuestion(items, nWhich, bWithBuyers, strQuestion);
        if (pFrame->AskQuestion(strQuestion, dwAsk, this, FALSE) != IDYES)
            return 0;
    }
    for (int i = 0; i < items.GetSize(); ++i)
    {
        TanzoAuctionItem& item = *items[i];
        if (TogglesThroughPartners(item, (int)items.GetSize(), bWithBuyers))
        {
            if (!GetItemJobs().SelectPartners(this, item, GetTogglePartnerMode(nWhich),
                                              item.HasWinnerListEntry()))
                return 0;
            TakeToggleStateFromBuyers(item, nWhich);
        }
        else
        {
            ToggleItemState(item, nWhich, bAllSet, bWithBuyers);
        }
    }
    return StoreItems(items, GetFieldFlagOfKind(ItemField::RatingMark));
}

// ---------------------------------------------------------------------------
// Finding, links and the selection

BOOL CTanzoTabbedPage::FindText(LPCTSTR lpszText, int nDirection, DWORD dwOptions, int nStart)
{
    if (m_list.GetSafeHwnd() == nullptr || IsBusy())
        return FALSE;
    return m_list.FindNextAndSelect(lpszText, nStart, -1, (dwOptions & COptionSettings::FindMatchCase) != 0,
                                    nDirection != 0);
}

int CTanzoTabbedPage::ShowInBrowser()
{
    return m_list.OpenItemPage(m_list.GetFirstSelected()) ? 1 : 0;
}

int CTanzoTabbedPage::OpenLink()
{
    return m_list.OpenItemLink() ? 1 : 0;
}

int CTanzoTabbedPage::CopyLinkAddress()
{
    return m_list.CopyLinkAddress() ? 1 : 0;
}

int CTanzoTabbedPage::SelectAll()
{
    if (m_list.GetSafeHwnd() == nullptr)
        return 0;
    m_list.SelectAll();
    return 1;
}

CTanzoTabbedPage* GetTanzoTabbedPage(CWnd* pWnd)
{
    for (HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr; hWnd != nullptr;
         hWnd = ::GetParent(hWnd))
    {
        if (auto* pPage = dynamic_cast<CTanzoTabbedPage*>(CWnd::FromHandlePermanent(hWnd)))
            return pPage;
    }
    return nullptr;
}
