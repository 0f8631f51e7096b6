#ifndef TANZO_CLIENT_ACTIONS_RESUBMITEDITFIELDDIALOGS_H
#define TANZO_CLIENT_ACTIONS_RESUBMITEDITFIELDDIALOGS_H

// The small dialogs that change one field of an item before re-listing
// (Windows builds). The title and the description can first read the
// item's current value from the service: given a source item with an
// auction ID they run the re-listing job in its edit mode for that item
// once they show.

#include <memory>

#include "afx/CommonControls.h"
#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "auction/dialogs/AmountDialog.h"
#include "auction/records/ItemConditionDialog.h"
#include "auction/shipping/ShipSizeWeightDialog.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "controls/CommEdit.h"
#include "controls/ControlsResourceIds.h"
#include "text/BitFlags.h"

class CResubmitOperation;

// Runs the re-listing job in an edit mode (CResubmitOperation's
// EditFetch... bits) on one item behind the run dialog; TRUE when it read
// the form. The job is the caller's, to read the values from.
BOOL RunItemFetch(CWnd* pParent, const TanzoAuctionItem& item, DWORD dwMode, CResubmitOperation& job);

// What the fetching dialogs share: the source item and the one-shot timer.
class CItemFetchDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CItemFetchDialog)
public:
    enum
    {
        FetchDelay = 300
    };

    CItemFetchDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT_PTR nTimerId, DWORD dwMode);
    ~CItemFetchDialog() override;

    // A copy of the item whose current value is read; without an auction
    // ID nothing is read.
    void SetSourceItem(const TanzoAuctionItem& item);
    void SetText(LPCTSTR lpszText) { m_strText = lpszText; }
    const CString& GetText() const { return m_strText; }

protected:
    BOOL OnInitDialog() override;
    // The fetch is about to run (TRUE) or has ended.
    virtual void OnFetching(BOOL bRunning);
    // The job read the form: the value into the control.
    virtual void OnFetched(CResubmitOperation& job) = 0;
    virtual CWnd* GetValueControl() = 0;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    std::unique_ptr<TanzoAuctionItem> m_pSource;
    CString m_strText;
    UINT_PTR m_nTimerId;
    DWORD m_dwMode;

    DECLARE_MESSAGE_MAP()
};

class CResubmitEditTitleDialog : public CItemFetchDialog
{
    DECLARE_DYNAMIC(CResubmitEditTitleDialog)
public:
    enum
    {
        TitleBytes = 130,
        TimerFetchTitle = 0x2104
    };

    explicit CResubmitEditTitleDialog(CWnd* pParentWnd = nullptr);
    BOOL GetToolTipText(UINT nID, CString& strText) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnFetched(CResubmitOperation& job) override;
    CWnd* GetValueControl() override { return &m_edit; }

    afx_msg void OnTextChange();

    CCommEdit m_edit;

    DECLARE_MESSAGE_MAP()
};

class CResubmitEditDescriptionDialog : public CItemFetchDialog
{
    DECLARE_DYNAMIC(CResubmitEditDescriptionDialog)
public:
    enum
    {
        DescriptionBytes = 50999,
        TimerFetchDescription = 0x2101
    };

    explicit CResubmitEditDescriptionDialog(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void RegisterLayoutControls() override;
    void OnFetching(BOOL bRunning) override;
    void OnFetched(CResubmitOperation& job) override;
    CWnd* GetValueControl() override { return &m_edit; }
    // The preview of the text as it stands.
    virtual void ShowPreview(const CString& text);

    afx_msg void OnPreview();

    CCommEdit m_edit;

    DECLARE_MESSAGE_MAP()
};

class CResubmitEditBuyNowPriceDialog : public CAmountDialog
{
    DECLARE_DYNAMIC(CResubmitEditBuyNowPriceDialog)
public:
    explicit CResubmitEditBuyNowPriceDialog(CWnd* pParentWnd = nullptr);

protected:
    BOOL OnInitDialog() override;
    void ShowRangeError(int nKind) override;
};

class CResubmitEditSalesModeDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CResubmitEditSalesModeDialog)
public:
    explicit CResubmitEditSalesModeDialog(CWnd* pParentWnd = nullptr);

    CSalesMode& GetSalesMode() { return m_mode; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CComboBox m_combo;
    CSalesMode m_mode;
};

class CResubmitEditQuantityDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CResubmitEditQuantityDialog)
public:
    explicit CResubmitEditQuantityDialog(CWnd* pParentWnd = nullptr);

    void SetQuantity(int nQuantity) { m_nQuantity = nQuantity; }
    // 1..99 after OK.
    int GetQuantity() const { return m_nQuantity; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    CCommEdit m_edit;
    CSpinButtonCtrl m_spin;
    int m_nQuantity = 1;
};

class CResubmitEditItemConditionDialog : public CItemConditionDialog
{
    DECLARE_DYNAMIC(CResubmitEditItemConditionDialog)
public:
    // Mode bits.
    enum
    {
        ModeNewList = 0x1,       // without 中古, その他 and the comment
        ModeOfferFollowing = 0x2 // the box for the following auctions
    };
    // Bit of the flag word: apply to the following auctions.
    enum
    {
        FlagForFollowing = 0x1
    };

    explicit CResubmitEditItemConditionDialog(DWORD dwMode, CWnd* pParentWnd = nullptr);

    CBitFlags& GetFlags() { return m_flags; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    int IndexFromCondition(int nCode) override;
    int ConditionFromIndex(int nIndex) override;
    UINT GetConditionListTextId() override;
    void NotifyCommentRequired() override;
    BOOL GetConfirmText(int nCode, BOOL bHasComment, CString& strText) override;

    DWORD m_dwMode;
    CBitFlags m_flags;
};

class CResubmitEditSizeWeightDialog : public CShipSizeWeightDialog
{
    DECLARE_DYNAMIC(CResubmitEditSizeWeightDialog)
public:
    explicit CResubmitEditSizeWeightDialog(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    const UINT* GetSizeStringIds() override;
    const UINT* GetWeightStringIds() override;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITEDITFIELDDIALOGS_H
