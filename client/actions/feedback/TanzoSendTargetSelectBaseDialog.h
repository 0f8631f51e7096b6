#ifndef TANZO_CLIENT_ACTIONS_TANZOSENDTARGETSELECTBASEDIALOG_H
#define TANZO_CLIENT_ACTIONS_TANZOSENDTARGETSELECTBASEDIALOG_H

// The partner dialogs of an item with several winners (Windows builds):
// choosing whom a feedback run rates, marking partners rated or excluded
// from feedback, or only showing the winner list. The dialogs work on
// copies of the item's buyers; the caller takes them back (GetTargets).
// When the item's winners are not known, they are read from its page.

#include "afx/Collections.h"
#include "afx/Controls.h"
#include "auction/dialogs/SendTargetSelectBaseDialog.h"
#include "client/TanzoAuctionBuyer.h"
#include "client/TanzoListParent.h"
#include "client/TanzoRateTargetListCtrl.h"
#include "text/BitFlags.h"

class CUserAccountList;
class TanzoAuctionItem;

class CTanzoSendTargetSelectBaseDialog : public CSendTargetSelectBaseDialog, public CTanzoListParent
{
    DECLARE_DYNAMIC(CTanzoSendTargetSelectBaseDialog)
public:
    // Own option bits.
    enum
    {
        OptionFetched = 0x1 // the partners were read from the service in this dialog
    };

    // nMode: PartnerModeChoose, PartnerModeRated, PartnerModeForbidden or
    // PartnerModeShow (client/actions/feedback/PartnerSelection.h).
    CTanzoSendTargetSelectBaseDialog(UINT nIDTemplate, int nMode, CWnd* pParentWnd, UINT nSettingsId);
    ~CTanzoSendTargetSelectBaseDialog() override;

    // The item stays the caller's and is never changed here.
    void SetItem(TanzoAuctionItem* pItem) { m_pItem = pItem; }
    int GetDisplayMode() const { return m_nMode; }
    DWORD GetOptionFlags() const { return m_ownOptions.Get(); }
    // Empties out, then appends a copy of every partner in order.
    void GetTargets(CTanzoAuctionBuyerList& out) const;
    // Who signs in again when the item page asks for it; default: the
    // document's accounts.
    void SetAccountList(CUserAccountList* pAccounts) { m_pAccounts = pAccounts; }

    CTanzoRateTargetListCtrl& GetList() { return m_list; }

    // CSendTargetSelectBaseDialog
    CCommListCtrl* GetListCtrl() override { return &m_list; }
    int GetColumnCount() override;
    UINT GetColumnTitleId(int nColumn) override;
    int GetColumnFormat(int nColumn) override;
    BOOL GetLinkColumn(int& nColumn, COLORREF& crText) override;
    int GetCheckColumn() override;
    void OnNoTarget(int nReason) override;
    BOOL GetHeaderLink(CString& strText, CString& strAddress) override;
    void FillList() override;
    BOOL NeedsRefreshOnShow() override;
    BOOL ValidateChecks() override;

    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;
    BOOL IsCommandEnabled(UINT nID) override;

    // CTanzoListParent
    void ShowListHoverText(LPCTSTR lpszText) override;
    int GetListDisplayMode() override { return m_nMode; }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The check boxes of the rows in order, as PartnerChecked and the like.
    void ReadChecks(CArray<int, int>& states) const;
    // The item page's partners replace the dialog's, each keeping the
    // flags of the known partner of its ID. FALSE, nothing changed, when
    // none were read.
    BOOL FetchPartners(const CTanzoAuctionBuyerList& known);
    // The update command: the current checks kept, the list read again,
    // the focused partner found again.
    void UpdateFromService();

    CStatic m_note;
    CTanzoRateTargetListCtrl m_list;
    int m_nMode;
    TanzoAuctionItem* m_pItem;
    CTanzoAuctionBuyerList m_partners;
    CBitFlagsEx m_ownOptions;
    CUserAccountList* m_pAccounts;
};

// Choosing the partners a feedback run rates, or marking them rated or
// excluded from feedback (dialog 263).
class CRateTargetSelectDialog : public CTanzoSendTargetSelectBaseDialog
{
public:
    CRateTargetSelectDialog(int nMode, CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

// The winner list of an item, without check boxes (dialog 283).
class CWinnerListDialog : public CTanzoSendTargetSelectBaseDialog
{
public:
    explicit CWinnerListDialog(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterLayoutControls() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CButton m_close;
};

#endif // TANZO_CLIENT_ACTIONS_TANZOSENDTARGETSELECTBASEDIALOG_H
