#ifndef TANZO_CLIENT_ACTIONS_RESUBMITCONFIRMDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITCONFIRMDIALOG_H

// The items about to be re-listed (Windows builds): the user checks them,
// puts them in the order in which the job takes them, edits their listing
// values and sets their paid options. OK checks the edits and hands copies
// of the rows back in the list's order. The rows' copies are the ones the
// edits change; only OK carries them back.

#include <memory>
#include <vector>

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "client/ListCommandRules.h"
#include "client/TanzoListParent.h"
#include "client/TanzoResubmitConfirmListCtrl.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CTanzoAItemBaseListCtrl;
class TanzoAuctionItem;

class CResubmitConfirmDialog : public CBaseDialog, public CTanzoListParent
{
    DECLARE_DYNAMIC(CResubmitConfirmDialog)
public:
    typedef std::vector<std::unique_ptr<TanzoAuctionItem>> ItemList;
    enum
    {
        MinWidth = 1000,
        MinHeight = 480,
        StatusTimer = 8450,
        StatusTimedMs = 8000,
        NoSortKind = 15
    };

    explicit CResubmitConfirmDialog(int nListKind, CWnd* pParentWnd = nullptr);
    ~CResubmitConfirmDialog() override;

    // Before DoModal: a full copy of a row's item.
    void AddItem(const TanzoAuctionItem& item);
    // The page list's sort (its current price stands for the start price here).
    void StoreSortState(CTanzoAItemBaseListCtrl& list);
    // After IDOK: copies of the items in the order of the rows.
    void GetItems(ItemList& out) const;
    int GetItemCount() const { return (int)m_items.size(); }

    // A timed text stays for a while: an untimed one does not replace it.
    void ShowStatusText(LPCTSTR lpszText, BOOL bTimed);

    CTanzoResubmitConfirmListCtrl& GetList() { return m_list; }

    // The list's hover texts and find results, and its pop-up's states.
    void ShowListStatusText(LPCTSTR lpszText, BOOL bTimed) override;
    BOOL IsListCommandEnabled(UINT nID) override;
    BOOL IsCommandEnabled(UINT nID) override;

protected:
    // The item edit hub over the selected rows' common record (bMulti:
    // several rows, batch mode); TRUE when its OK gave each of the rows its
    // result. While IsItemEditOffered says no, the edit commands stay grey.
    virtual BOOL IsItemEditOffered() const;
    virtual BOOL EditItems(BOOL bMulti, const TanzoAuctionItem& working, const CItemSelection& rows);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    void RegisterLayoutControls() override;
    void SetStandardToolTips() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);

    // Runs a command of the buttons, the pop-up or the keys; FALSE for
    // another id or one that cannot run now.
    BOOL RunCommand(UINT nID);
    void OnEdit();
    void OnPaidOptions();
    void OnMove(BOOL bUp);
    void InsertColumns();
    void ApplySortState();
    void UpdateButtons();
    void ShowCount();

    CStatic m_count;
    CDecorateStatic m_status;
    CTanzoResubmitConfirmListCtrl m_list;
    ItemList m_items;
    int m_nListKind;
    int m_nSortKind;
    int m_nSortDirection;
    CBitFlagsEx m_state;
    HACCEL m_hAccel;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITCONFIRMDIALOG_H
