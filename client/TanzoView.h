#ifndef TANZO_CLIENT_TANZOVIEW_H
#define TANZO_CLIENT_TANZOVIEW_H

// CTanzoView: the client's one view (Windows builds). It hosts the tabbed
// dialog of the item lists, loads the user's accounts when it is first
// shown, and when it goes writes the accounts and every changed data set
// of the document.

#include "app/BaseDialogView.h"
#include "app/ImeModeSwitch.h"
#include "text/BitFlags.h"

class CTanzoDoc;
class CTanzoTabsTabbedDialog;

class CTanzoView : public CBaseDialogView
{
    DECLARE_DYNCREATE(CTanzoView)
public:
    // View flags.
    enum
    {
        flagInitialUpdateDone = 0x1 // the accounts were loaded
    };

    CTanzoView();
    ~CTanzoView() override;

    CBaseDialog* CreateHostedDialog() override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

    // The document when it is a CTanzoDoc, else null.
    CTanzoDoc* GetTanzoDocument() const;

    // What the main frame asks of the list pages: each answers 0 or does
    // nothing while the view hosts no list pages.
    BOOL IsCommandEnabled(UINT nID);
    BOOL IsCommandChecked(UINT nID);
    void RefreshCurrentPage(int nFirst, int nLast);
    BOOL FindText(LPCTSTR lpszText, int nDirection, DWORD dwOptions, int nStart);
    int GetListKind();
    void ResetPages();
    void ApplyFonts();
    void ApplyColours();

    BOOL TestViewFlags(DWORD dwBits) const { return m_viewFlags.TestAny(dwBits) != 0; }
    // The tabs of the list pages while they have a window, else null.
    CTanzoTabsTabbedDialog* GetTabs() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnDestroy();
    // The list commands, each handed to the page of the selected tab.
    afx_msg void OnRefresh();
    afx_msg void OnStop();
    afx_msg void OnShowInBrowser();
    afx_msg void OnShowWinnerList();
    afx_msg void OnOpenLink();
    afx_msg void OnCopyLink();
    afx_msg void OnSelectAll();
    afx_msg void OnPageHelp();
    afx_msg void OnItemCommand(UINT nID);
    afx_msg void OnMark(UINT nID);

    CImeStatusKeeper m_imeKeeper;
    CBitFlagsEx m_viewFlags;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZOVIEW_H
