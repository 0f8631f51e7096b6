#ifndef TANZO_APP_TABBEDDIALOG_H
#define TANZO_APP_TABBEDDIALOG_H

// A dialog with a row of tabs and one page per tab (Windows builds). Pages
// are made when their tab first shows, hidden (never destroyed) when
// another shows, validated before OK, and the last selected tab is kept as
// "SelectTab" in the dialog's profile section.

#include "afx/Array.h"
#include "app/BaseDialog.h"
#include "app/CommTabCtrl.h"
#include "app/TabbedPage.h"
#include "text/BitFlags.h"

class CTabbedDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CTabbedDialog)
public:
    // Validation options.
    enum
    {
        validateSelectedOnly = 0x1, // only the selected page counts
        validateUncreated = 0x2,    // pages never shown are validated too
        validateNoInitialPost = 0x4 // the first selection posts no activation
    };
    // Display options.
    enum
    {
        displayPages = 0x1 // pages are shown and fitted
    };
    // FitPage flags.
    enum
    {
        fitRepaint = 0x1,
        fitTwice = 0x2
    };

    CTabbedDialog(UINT nIDTemplate, UINT nIDTabCtrl, CWnd* pParentWnd = nullptr, UINT nHelpId = 0,
                  UINT nSettingsId = 0);
    // Deletes every page.
    ~CTabbedDialog() override;

    // Mouse moves over the tab strip, in this dialog's client coordinates.
    virtual void OnTabStripMouseMove(UINT nFlags, int x, int y);
    // Makes page nIndex's window, without a caption.
    virtual void CreatePage(int nIndex);
    // The derived dialog makes its pages here (with new) and adds them.
    virtual void AddPages() = 0;
    virtual BOOL ValidatePages();
    // The selection is about to change; it always may.
    virtual void OnSelChanging();
    virtual void ShowSelectedPage(BOOL bPostActivate);
    // Called first in OnInitDialog: image list, tab widths.
    virtual void OnBeforeAddPages();
    // The image of tab nIndex.
    virtual int GetTabImage(int nIndex);

    // Own help id, else the selected page's.
    UINT GetHelpId() override;

    void AddPage(CTabbedPageLink* pEntry);
    int GetPageCount() const { return (int)m_entries.GetSize(); }
    CTabbedPageLink* GetPageEntry(int nIndex) const;
    CTabbedPage* GetPage(int nIndex) const;
    int IndexOfEntry(const CTabbedPageLink* pEntry) const;
    int GetCurSel() const;
    CTabbedPageLink* GetCurPageEntry() const;
    int GetStartTab() const { return m_nStartTab; }
    void SelectPage(int nIndex, BOOL bPostActivate);
    void SelectEntry(CTabbedPageLink* pEntry, BOOL bPostActivate);
    void EnableTabs(BOOL bEnable);
    // Places page nIndex over the tab strip's display area.
    BOOL FitPage(int nIndex, UINT nFlags);

    CCommTabCtrl& GetTabCtrl() { return m_tabCtrl; }
    CBitFlags& GetValidationOptions() { return m_validation; }
    CBitFlagsEx& GetDisplayOptions() { return m_display; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnClose();

    CCommTabCtrl m_tabCtrl;
    CPtrArray m_entries; // CTabbedPageLink*, owned
    UINT m_nIDTabCtrl;
    int m_nStartTab;
    CBitFlags m_validation;
    CBitFlagsEx m_display;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_TABBEDDIALOG_H
