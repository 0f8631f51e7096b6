#ifndef TANZO_CLIENT_TANZOTABSTABBEDDIALOG_H
#define TANZO_CLIENT_TANZOTABSTABBEDDIALOG_H

// CTanzoTabsTabbedDialog: the tabs of the four item list pages that fill
// the main view (Windows builds). It hands the view's commands to the
// page of the selected tab, refreshes a page when its tab is selected and
// it holds no finished refresh, marks pages for reading again after jobs
// that changed them, and passes option changes and a user switch to every
// page.

#include "afx/ImageList.h"
#include "app/TabbedDialog.h"

class CTanzoTabbedPage;

class CTanzoTabsTabbedDialog : public CTabbedDialog
{
    DECLARE_DYNAMIC(CTanzoTabsTabbedDialog)
public:
    enum
    {
        // The mask of the tab images: red 0, green 128, blue 128.
        TabImageMask = 0x808000,
        MinTabWidth = 96
    };

    explicit CTanzoTabsTabbedDialog(CWnd* pParentWnd = nullptr);
    ~CTanzoTabsTabbedDialog() override;

    void AddPages() override;
    void OnBeforeAddPages() override;
    // A page without a finished refresh is refreshed when its tab shows.
    void ShowSelectedPage(BOOL bPostActivate) override;
    void OnTabStripMouseMove(UINT nFlags, int x, int y) override;

    // The page of a tab (0 selling, 1 closed with a winner, 2 closed
    // without, 3 won), or of the selected tab; null when it is not made.
    CTanzoTabbedPage* GetTanzoPage(int nTab) const;
    CTanzoTabbedPage* GetCurrentPage() const;

    // ---- What the view forwards; 0 without a current page
    BOOL RefreshCurrentPage(int nFirst, int nLast);
    int EarlyClose();
    int CancelAuction();
    int SetFeaturedAmount();
    int AddDescription();
    int Rate();
    int Resubmit();
    int Remove();
    int EditMemo();
    int ToggleRatingState(int nWhich);
    int SetMark(int nMark);
    int Stop();
    int SelectAll();
    int ShowInBrowser();
    BOOL FindText(LPCTSTR lpszText, int nDirection, DWORD dwOptions, int nStart);
    int ShowWinnerList();
    int CopyLinkAddress();
    int OpenLink();
    BOOL IsCommandEnabled(UINT nID) override;
    BOOL IsCommandChecked(UINT nID);
    int GetListKind();
    void ShowPageHelp();

    // Every page reads again: the current one now, the others when shown.
    void ResetPages();
    void ApplyFonts();
    void ApplyColours();
    // Clears the bits of a tab's page; TRUE when it had any.
    BOOL ClearPageBits(int nTab, DWORD dwBits);

protected:
    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);

    CImageList m_tabImages;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZOTABSTABBEDDIALOG_H
