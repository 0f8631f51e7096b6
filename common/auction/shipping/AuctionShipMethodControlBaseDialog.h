#ifndef TANZO_AUCTION_AUCTIONSHIPMETHODCONTROLBASEDIALOG_H
#define TANZO_AUCTION_AUCTIONSHIPMETHODCONTROLBASEDIALOG_H

// CAuctionShipMethodControlBaseDialog: the base of the resizable dialog in
// which the user adds, changes, deletes and orders up to ten shipping
// methods (Windows builds). The derived dialog binds the list and the five
// buttons (DDX_Control), gives the texts, the context menu and the entry
// dialog; the client fills the edited list before the dialog runs and
// reads it after OK.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "auction/records/AuctionResourceIds.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "auction/shipping/ShipEditorRules.h"
#include "auction/shipping/ShipMethodAddBaseDialog.h"
#include "auction/shipping/ShipMethodListCtrl.h"

// Commands of the list's context menu: add, edit, delete, up, down (the
// derived dialog maps each to its action).

class CAuctionShipMethodControlBaseDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CAuctionShipMethodControlBaseDialog)
public:
    CAuctionShipMethodControlBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CAuctionShipMethodControlBaseDialog() override;

    void SetShipMethods(const CShipMethodList& methods);
    const CShipMethodList& GetShipMethods() const { return m_methods; }
    BOOL IsModified() const { return m_bModified; }

    // The entry dialog of Add and Edit, or null; the caller deletes it.
    virtual CShipMethodAddBaseDialog* CreateEntryDialog(CWnd* pParent) = 0;
    // A new method: fee type 0 and a fee of 500. FALSE: none is given to
    // the entry dialog.
    virtual BOOL InitNewMethod(CShipMethod& method);
    // 0: no title.
    virtual UINT GetColumnTitleId(int nColumn) = 0;
    // ShipEditAdd .. ShipEditDown for a context-menu command.
    virtual int CommandToAction(UINT nCommandId) = 0;
    // 0: the list's context menu; 1: the link commands put on top of it.
    virtual UINT GetContextMenuId(int nWhich) = 0;
    // The question before a delete, the method's name as insert %1; 0 asks
    // nothing.
    virtual UINT GetDeleteConfirmMessageId();
    virtual COLORREF GetLinkColor();
    // Fee column texts (ShipEditorRules' FormatShipMethodFeeText).
    virtual UINT GetFeeTypeTextId(int nFeeType);
    virtual UINT GetRegionFeeFormatId();
    virtual UINT GetRegionFeeSeparatorId();
    // Three ids or null.
    virtual const UINT* GetRegionFeeIds();

    BOOL OnInitDialog() override;
    BOOL IsCommandEnabled(UINT nID) override;

    // Rows from the edited list, each with its own copy of the method.
    void FillList();
    void SetRowTexts(int nRow);
    // The rows, in order, back into the edited list (at most ten).
    void StoreListToRecords();
    BOOL CanDo(int nAction, int nRow);
    void UpdateButtons();
    // Runs an action on the selected row.
    void DoAction(int nAction);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnOK() override;
    void RegisterLayoutControls() override;
    afx_msg void OnDestroy();
    afx_msg void OnCopyLink();
    afx_msg void OnOpenLink();

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnMove(BOOL bUp);
    int GetSelectedRow() const;
    // The button of an action.
    CButton& GetActionButton(int nAction);

    CShipMethodList m_methods;
    CShipMethodListCtrl m_list;
    CButton m_addButton;
    CButton m_editButton;
    CButton m_deleteButton;
    CButton m_upButton;
    CButton m_downButton;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_AUCTIONSHIPMETHODCONTROLBASEDIALOG_H
