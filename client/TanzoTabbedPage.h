#ifndef TANZO_CLIENT_TANZOTABBEDPAGE_H
#define TANZO_CLIENT_TANZOTABBEDPAGE_H

// CTanzoTabbedPage: one of the four item list pages in the main window's
// tabs (Windows builds). It owns the list of one kind of the user's items
// and what is done to it: the refresh that reads the service's status
// pages, its stop, and the item commands, which check and ask here and
// hand the confirmed items to the item actions (CItemJobs). The four page
// classes (ListPages.h) give the template, the reader and the colours;
// the rest comes from the page's ListPageLayout.

#include "afx/Collections.h"
#include "afx/List.h"
#include "app/DecorateStatic.h"
#include "app/TabbedPage.h"
#include "client/ListCommandRules.h"
#include "client/ListPageLayouts.h"
#include "client/ListRefresh.h"
#include "client/TanzoListCtrl.h"
#include "net/HttpComm.h"

class CIdPageBar;
class CMainFrame;
class CMenu;
class CMyAuctionListReader;
class CTanzoDoc;

class CTanzoTabbedPage : public CTabbedPage, public CListRefreshHost
{
    DECLARE_DYNAMIC(CTanzoTabbedPage)
public:
    // State bits.
    enum
    {
        stateLoaded = 0x1,       // the list holds a refresh that ended normally
        stateRefreshing = 0x2,   // a refresh runs and may be stopped
        stateStopRequested = 0x4 // Stop was asked for
    };
    // The page message statics' colours: text, background, frame.
    static const COLORREF kNoteTextColor = 0xBF3F59;
    static const COLORREF kNoteBkColor = 0xFFFFFF;
    static const COLORREF kNoteFrameColor = 0xBF3F59;

    CTanzoTabbedPage(const ListPageLayout& spec, CWnd* pParentWnd = nullptr);
    ~CTanzoTabbedPage() override;

    // The tab's caption.
    void GetTitle(CString& strTitle) override;

    // ---- The refresh
    // Pages first..last (last -1: first alone) of the list. 0 when there is
    // no main window, document or reader, else 1.
    int Refresh(int nFirst, int nLast);
    int RefreshStoredRange();
    // Asks a running refresh to stop; 1 when one runs.
    int Stop();
    int GetLastRefreshOutcome() const { return m_nLastOutcome; }

    // ---- Item commands; each non-zero when it did its work
    int AddDescription();
    int EarlyClose();
    int CancelAuction();
    int Remove();
    int Resubmit();
    int Rate();
    int ShowWinnerList();
    int SetFeaturedAmount();
    int EditMemo();
    int SetMark(int nMark);
    int ToggleRatingState(int nWhich);
    BOOL FindText(LPCTSTR lpszText, int nDirection, DWORD dwOptions, int nStart);
    int ShowInBrowser();
    int OpenLink();
    int CopyLinkAddress();
    int SelectAll();
    BOOL IsCommandEnabled(UINT nID) override;
    BOOL IsCommandChecked(UINT nID);

    // ---- The page's make-up
    const ListPageLayout& GetSpec() const { return m_spec; }
    int GetListKind() const override { return m_spec.listKind; }
    BOOL IsSellingPage() const { return m_spec.listKind == ListKind::Selling; }
    int GetColumnFieldKind(int nColumn) const;
    int GetColumnOfFieldKind(int nKind) const;
    int GetColumnOfFieldFlag(DWORD dwFlag) const;
    // Adds to a row's context menu before it opens.
    virtual void ExtendContextMenu(CMenu* pPopup);
    // The options' colours on the list, the notes and the bar.
    virtual void ApplyColours();
    // The options' text size on the list and the notes.
    void ApplyFonts();
    // The page loses its rows' standing: its next showing refreshes it.
    void ClearStateBits(DWORD dwBits) { m_dwState &= ~dwBits; }
    DWORD TestStateBits(DWORD dwBits) const { return m_dwState & dwBits; }
    BOOL IsBusy() const { return m_nBusy != 0; }
    // The bar shows the current ID and page again.
    void UpdateBar();
    // The status bar's counts of this page.
    void ShowCounts();

    CTanzoListCtrl& GetList() { return m_list; }
    CIdPageBar* GetBar() const { return m_pBar; }
    // The document of the main window, or null.
    CTanzoDoc* GetDocument() const;
    // A reader of this page's list on its conversation (the caller owns
    // it); its page address is also what the bar links to.
    virtual CMyAuctionListReader* CreateStatusReader() = 0;

    // ---- CListRefreshHost
    CListPageReader* CreateReader() override;
    void BeginRefresh() override;
    void EndRefresh() override;
    int GetRowCount() const override;
    void AppendRows(CTanzoAuctionItemList& items) override;
    void ShowEmptyNote() override;
    void OnPagesRead() override;
    void OnRecorded() override;
    int AskToAddUserId(LPCTSTR lpszID) override;
    CHttpComm* GetHttpComm() override { return &m_http; }
    CProgressSink* GetProgressSink() override;
    CWnd* GetLoginParent() override;
    int GetLoginType() override;

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterLayoutControls() override;
    // The columns of the spec with their widths from the profile.
    void InsertColumns();
    // The list's sort column becomes the default sort's, marked.
    void ApplyDefaultSort();
    // Text size and metrics of the options on the list and the notes; the
    // first row selected and shown.
    void ApplyFontStep();
    // The refresh's reader: the page's own over its conversation.
    class CReader;

    // The selection asked about before a job; FALSE when nothing is left
    // or the user said No.
    BOOL ConfirmSelection(CItemSelection& confirmed, UINT nOneId, UINT nManyId, DWORD dwExcluded = 0,
                          UINT nPartialId = 0);
    // Stores each item's record in the document and redraws the columns
    // of the field flags for the rows.
    BOOL StoreItems(const CItemSelection& items, DWORD dwRedrawFlags);
    // The document's records taken back into the items, whose columns of
    // the field flags are redrawn.
    BOOL ReloadUserData(const CItemSelection& items, DWORD dwRedrawFlags);
    // A bit of the action flags cleared in the stored records of these
    // auction IDs, and in the rows that show them.
    void ClearSecondFlag(const CStringArray& auctionIds, DWORD dwBit);
    void RedrawFields(DWORD dwFlags);
    // Shows a string-table message with an information icon.
    void ShowDone(UINT nID);
    // The frame's busy state for a refresh, and back.
    class CBusyGuard;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    const ListPageLayout& m_spec;
    CTanzoListCtrl m_list;
    CDecorateStatic m_emptyNote;
    CDecorateStatic m_busyNote;
    HACCEL m_hAccel = nullptr;
    int m_nBusy = 0;
    DWORD m_dwState = 0;
    CHttpComm m_http;
    CIdPageBar* m_pBar = nullptr;
    int m_nLastOutcome = CListRefresh::NotStarted;
    CBusyGuard* m_pRefreshGuard = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The page a window lies on (itself, or one of its ancestors), or null.
CTanzoTabbedPage* GetTanzoTabbedPage(CWnd* pWnd);

#endif // TANZO_CLIENT_TANZOTABBEDPAGE_H
