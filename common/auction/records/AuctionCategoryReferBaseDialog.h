#ifndef TANZO_AUCTION_AUCTIONCATEGORYREFERBASEDIALOG_H
#define TANZO_AUCTION_AUCTIONCATEGORYREFERBASEDIALOG_H

// CAuctionCategoryReferBaseDialog: the base of the tabbed dialogs that show
// the service's category pages in a browser frame, with the history of the
// categories picked before (Windows builds). The derived dialog makes the
// pages and the frame, binds the history list and its two buttons
// (DDX_Control) and asks before the history is cleared.

#include "afx/Controls.h"
#include "app/TabbedDialog.h"
#include "auction/records/AuctionCategoryList.h"
#include "auction/records/AuctionResourceIds.h"

class CHtmlFrame;

class CAuctionCategoryReferBaseDialog : public CTabbedDialog
{
    DECLARE_DYNAMIC(CAuctionCategoryReferBaseDialog)
public:
    // Controls and commands of the templates.

    CAuctionCategoryReferBaseDialog(UINT nIDTemplate, UINT nIDTabCtrl, CWnd* pParentWnd = nullptr,
                                    UINT nHelpId = 0, UINT nSettingsId = 0);
    ~CAuctionCategoryReferBaseDialog() override;

    // Empties the history list and its count ("CategoryNum" 0; the numbered
    // keys stay) when the user agrees.
    void ClearCategoryList(CListBox* pList);
    // The two buttons need a selected category.
    void UpdateCategoryButtons();

    CAuctionCategoryList& GetCategories() { return m_categories; }

protected:
    // The question before the history is cleared; TRUE on Yes.
    virtual BOOL ConfirmClearCategories() = 0;
    // The frame of the category pages; null while there is none.
    virtual CHtmlFrame* GetBrowserFrame();

    BOOL OnInitDialog() override;
    afx_msg void OnHistorySelChange();
    afx_msg void OnHistoryDoubleClick();
    afx_msg void OnClearHistory();
    afx_msg void OnBack();
    afx_msg void OnForward();

    CAuctionCategoryList m_categories;
    CListBox m_historyList;
    CButton m_selectionButtons[2];

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_AUCTIONCATEGORYREFERBASEDIALOG_H
