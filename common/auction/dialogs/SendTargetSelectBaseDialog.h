#ifndef TANZO_AUCTION_SENDTARGETSELECTBASEDIALOG_H
#define TANZO_AUCTION_SENDTARGETSELECTBASEDIALOG_H

// CSendTargetSelectBaseDialog: the base of the resizable dialogs in which
// the user ticks trading partners in a list (Windows builds). The derived
// dialog binds the list, the link line above it, the hint line below it
// and three buttons that need rows (DDX_Control), and gives the columns,
// the rows and the messages. The first two buttons move with the bottom
// edge; the third keeps its place.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "app/URLStatic.h"
#include "controls/CommListCtrl.h"
#include "text/BitFlags.h"

class CSendTargetSelectBaseDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CSendTargetSelectBaseDialog)
public:
    // Options.
    enum
    {
        OptionRefreshOnShow = 0x1 // refresh the list by timer once the dialog shows
    };
    // Reasons of OnNoTarget.
    enum
    {
        NoTargetAfterRefresh = 0, // the list is empty after the refresh on show
        NoTargetTicked = 1        // OK with no partner ticked
    };
    enum
    {
        TimerFirstRefresh = 4380,
        FirstRefreshDelay = 100
    };

    CSendTargetSelectBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CSendTargetSelectBaseDialog() override;

    void SetOptions(DWORD dwBits) { m_options.Set(dwBits); }
    BOOL TestOption(DWORD dwBits) const { return m_options.TestAny(dwBits) != 0; }

    virtual CCommListCtrl* GetListCtrl() = 0;
    virtual int GetColumnCount() = 0;
    virtual UINT GetColumnTitleId(int nColumn) = 0;
    virtual int GetColumnFormat(int nColumn) = 0;
    // The column whose texts are links, and their colour; FALSE for none.
    virtual BOOL GetLinkColumn(int& nColumn, COLORREF& crText);
    // The column of the check boxes; negative for none.
    virtual int GetCheckColumn();
    // NoTargetAfterRefresh or NoTargetTicked: the derived dialog says why.
    virtual void OnNoTarget(int nReason);
    // The link line's text and address; FALSE for none.
    virtual BOOL GetHeaderLink(CString& strText, CString& strAddress);
    // Adds the rows.
    virtual void FillList();
    // Whether the timer of OptionRefreshOnShow refreshes the list.
    virtual BOOL NeedsRefreshOnShow();
    // Whether OK may close: a partner is ticked (fixed cells do not count)
    // or there are no check boxes.
    virtual BOOL ValidateChecks();
    // Ticks or clears every row; fixed cells keep theirs.
    virtual void SetAllChecks(BOOL bCheck);

    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;
    BOOL GetToolTipText(UINT nID, CString& strText) override;

    void RefreshList();
    // The buttons need rows.
    void UpdateButtons();
    // The hint line shows the text; FALSE without a hint line.
    BOOL ShowHoverText(LPCTSTR lpszText);

protected:
    // Passes the link under the mouse from the link line to the hint line.
    class CHoverSink : public CLinkHoverSink
    {
    public:
        explicit CHoverSink(CSendTargetSelectBaseDialog* pDialog) : m_pDialog(pDialog) {}
        void OnLinkHover(LPCTSTR lpszLink) override { m_pDialog->ShowHoverText(lpszLink); }

    private:
        CSendTargetSelectBaseDialog* m_pDialog;
    };

    void OnOK() override;
    void RegisterLayoutControls() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    static BOOL HasWindow(const CWnd* pWnd) { return pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr; }

    CHoverSink m_hoverSink;
    CURLStatic m_linkStatic;
    CButton m_buttons[3];
    CDecorateStatic m_hintStatic;
    CBitFlags m_options;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_SENDTARGETSELECTBASEDIALOG_H
