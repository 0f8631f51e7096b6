#ifndef TANZO_CLIENT_ACTIONS_RESUBMITEDITSHIPMETHODDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITEDITSHIPMETHODDIALOG_H

// The shipping methods that re-listing sends for an item (Windows
// builds): the general methods and the service's own shipping services on
// two tabs, checked against the listing kind they are for (1 normal
// listing, 2 easy-transaction listing, 0 unset). Mode 0 is the edit hub's;
// mode 1 the job's, when an item switches to the easy-transaction
// listing, with the box that keeps the methods for the following items.

#include <memory>

#include "afx/CommonControls.h"
#include "afx/Controls.h"
#include "app/TabbedDialog.h"
#include "app/TabbedPage.h"
#include "auction/shipping/AuctionShipMethodControlBaseDialog.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "auction/shipping/ShipServiceControlGroup.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "controls/CommComboBox.h"
#include "controls/CommEdit.h"
#include "controls/NumberEdit.h"
#include "text/BitFlags.h"

class CResubmitEditShipMethodControlTabbedBaseDialog;

// What the dialog asks of each of its pages.
class CResubmitShipPageInterface
{
public:
    virtual ~CResubmitShipPageInterface() {}
    // The methods and the kind they are for, into the controls.
    virtual void LoadShipMethods(const CAuctionShipMethods& methods, int nListingKind) = 0;
    // The controls into methods, checked for the kind; FALSE (the message
    // shown, the page in front) keeps the dialog open.
    virtual BOOL StoreShipMethods(CAuctionShipMethods& methods, int nListingKind) = 0;
    // Points at the cause of a problem kind of the easy-transaction check;
    // FALSE when the page shows none.
    virtual BOOL FocusProblem(const CAuctionShipMethods& methods, int nProblem) = 0;
};

// The entry of one general method.
class CResubmitShipMethodEntryDialog : public CShipMethodAddBaseDialog
{
    DECLARE_DYNAMIC(CResubmitShipMethodEntryDialog)
public:
    enum
    {
        NameBytes = 30,
        FeeDigits = 7,
        LinkHistoryCount = 10
    };

    explicit CResubmitShipMethodEntryDialog(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnFeeTypeChange();
    void ShowFeeControls();

    CCommEdit m_name;
    CComboBox m_feeType;
    CNumberEdit m_fee;
    CNumberEdit m_regionFees[3];
    CCommComboBox m_link;

    DECLARE_MESSAGE_MAP()
};

// The list of general methods inside the first page.
class CResubmitShipMethodListEditor : public CAuctionShipMethodControlBaseDialog
{
    DECLARE_DYNAMIC(CResubmitShipMethodListEditor)
public:
    explicit CResubmitShipMethodListEditor(CWnd* pParentWnd = nullptr);

    CShipMethodListCtrl& GetList() { return m_list; }
    CShipMethodAddBaseDialog* CreateEntryDialog(CWnd* pParent) override;
    UINT GetColumnTitleId(int nColumn) override;
    int CommandToAction(UINT nCommandId) override;
    UINT GetContextMenuId(int nWhich) override;
    UINT GetDeleteConfirmMessageId() override;
    COLORREF GetLinkColor() override;
    UINT GetFeeTypeTextId(int nFeeType) override;
    UINT GetRegionFeeFormatId() override;
    UINT GetRegionFeeSeparatorId() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

// Page 1: the general methods.
class CResubmitShipMethodListPage : public CTabbedPage, public CResubmitShipPageInterface
{
    DECLARE_DYNAMIC(CResubmitShipMethodListPage)
public:
    CResubmitShipMethodListPage();

    void GetTitle(CString& strTitle) override;
    void LoadShipMethods(const CAuctionShipMethods& methods, int nListingKind) override;
    BOOL StoreShipMethods(CAuctionShipMethods& methods, int nListingKind) override;
    BOOL FocusProblem(const CAuctionShipMethods& methods, int nProblem) override;

    CResubmitShipMethodListEditor& GetEditor() { return m_editor; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);

    CResubmitShipMethodListEditor m_editor;
    CShipMethodList m_pending;

    DECLARE_MESSAGE_MAP()
};

// A pane of the service page: one group of services.
class CResubmitShipServicePane : public CBaseDialog
{
    DECLARE_DYNAMIC(CResubmitShipServicePane)
public:
    CResubmitShipServicePane(UINT nIDTemplate, int nGroup, CWnd* pParentWnd = nullptr);

    CShipServiceControlGroup& GetGroup() { return *m_pGroup; }
    // The fee-type combo (the timing) and the first ticked box, or null.
    CWnd* GetTimingCombo() { return &m_pGroup->m_timingCombo; }
    CWnd* GetFirstTicked();
    BOOL AnyTicked();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    std::unique_ptr<CShipServiceControlGroup> m_pGroup;
    int m_nGroup;
};

// Page 2: the service's own shipping, two panes under a tab strip.
class CResubmitEditShipMethodControlYahooSpecificDialog : public CTabbedPage,
                                                          public CResubmitShipPageInterface
{
    DECLARE_DYNAMIC(CResubmitEditShipMethodControlYahooSpecificDialog)
public:
    CResubmitEditShipMethodControlYahooSpecificDialog();

    void GetTitle(CString& strTitle) override;
    void LoadShipMethods(const CAuctionShipMethods& methods, int nListingKind) override;
    BOOL StoreShipMethods(CAuctionShipMethods& methods, int nListingKind) override;
    BOOL FocusProblem(const CAuctionShipMethods& methods, int nProblem) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void ShowPane(int nIndex);

    CTabCtrl m_tabs;
    CResubmitShipServicePane m_yahuneko;
    CResubmitShipServicePane m_yupack;
    std::unique_ptr<CAuctionShipMethods> m_pPending;
};

class CResubmitEditShipMethodControlTabbedBaseDialog : public CTabbedDialog
{
    DECLARE_DYNAMIC(CResubmitEditShipMethodControlTabbedBaseDialog)
public:
    enum
    {
        ModeHub = 0,
        ModeJob = 1
    };
    enum
    {
        FlagForFollowing = 0x1,
        TimerFetchShipMethods = 0x2103,
        FetchDelay = 300
    };

    explicit CResubmitEditShipMethodControlTabbedBaseDialog(int nMode, CWnd* pParentWnd = nullptr);
    ~CResubmitEditShipMethodControlTabbedBaseDialog() override;

    void SetShipMethods(const CAuctionShipMethods& methods) { m_methods.CopyFrom(methods); }
    void GetShipMethods(CAuctionShipMethods& methods) const { methods.CopyFrom(m_methods); }
    void SetListingKind(int nKind) { m_nListingKind = nKind; }
    int GetListingKind() const { return m_nListingKind; }
    void SetSourceItem(const TanzoAuctionItem& item);
    CBitFlags& GetFlags() { return m_flags; }
    // Mode 1: the box for the following auctions shows (the default).
    void SetOfferFollowing(BOOL bOffer) { m_bOfferFollowing = bOffer; }

protected:
    void AddPages() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void RegisterLayoutControls() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    void UpdateCaption();
    // Every page shows the methods and the kind.
    void LoadPages();
    CResubmitShipPageInterface* PageInterface(int nIndex);

    int m_nMode;
    BOOL m_bOfferFollowing = TRUE;
    CAuctionShipMethods m_methods;
    int m_nListingKind = ShipListingUnset;
    CBitFlags m_flags;
    std::unique_ptr<TanzoAuctionItem> m_pSource;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITEDITSHIPMETHODDIALOG_H
