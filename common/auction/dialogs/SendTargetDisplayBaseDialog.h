#ifndef TANZO_AUCTION_SENDTARGETDISPLAYBASEDIALOG_H
#define TANZO_AUCTION_SENDTARGETDISPLAYBASEDIALOG_H

// The base of a dialog that lists send targets (Windows builds): one
// column of texts, one row per entry the converter has a text for, and a
// button that closes the dialog with OK. The derived dialog gives the
// template (with the list 1877 and the button 2299) and the column's
// title.

#include "afx/Controls.h"
#include "afx/List.h"
#include "app/BaseDialog.h"
#include "auction/records/AuctionResourceIds.h"
#include "controls/CommListCtrl.h"

class CValueTextConverter;

class CSendTargetDisplayBaseDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CSendTargetDisplayBaseDialog)
public:
    CSendTargetDisplayBaseDialog(UINT nIDTemplate, CValueTextConverter* pConverter,
                                 CWnd* pParentWnd = nullptr, UINT nSettingsId = 0, UINT nHelpId = 0);
    ~CSendTargetDisplayBaseDialog() override;

    void AddEntry(void* pEntry) { m_entries.AddTail(pEntry); }
    // The string id of a column's title.
    virtual UINT GetColumnTitleId(int nColumn) = 0;

    CCommListCtrl& GetList() { return m_list; }

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void CloseWithOk();

    CCommListCtrl m_list;
    CButton m_button;
    CPtrList m_entries;
    CValueTextConverter* m_pConverter;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_SENDTARGETDISPLAYBASEDIALOG_H
