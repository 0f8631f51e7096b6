#ifndef TANZO_APP_TABBEDPAGE_H
#define TANZO_APP_TABBEDPAGE_H

// A page of a tabbed dialog (Windows builds): a hosted CBaseDialog that the
// tabbed dialog reaches through the link the page is built on, creates on
// its first showing, validates before OK and deletes at the end (pages are
// made with new).

#include "afx/String.h"
#include "app/BaseDialog.h"
#include "text/BitFlags.h"

class CTabbedDialog;
class CTabbedPage;

class CTabbedPageLink
{
public:
    // Options.
    enum
    {
        optionFitTwice = 0x1 // a page made on its first showing is placed twice, so that it lays itself out
    };

    CTabbedPageLink() = default;
    // Deletes the page (the tabbed dialog deletes its pages through this).
    virtual ~CTabbedPageLink();

    // Brings the page to the front, then the framework's message box.
    virtual int ShowMessageText(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
    // Selects this page in its tabbed dialog when another one shows.
    virtual void Activate(BOOL bPostActivate);
    // The tab's text.
    virtual void GetTitle(CString& strTitle) = 0;
    // The page's window, a child of pParent.
    virtual BOOL Create(CWnd* pParent);
    // Reads and checks the page's controls; FALSE keeps the dialog open.
    virtual BOOL Validate(CTabbedDialog* pDialog);

    // The page becomes hosted: OK and Cancel go to the tabbed dialog, a
    // missing help id is the dialog's, and it has no standard tips.
    void Attach(CTabbedPage* pPage);
    CTabbedPage* GetPage() const { return m_pPage; }
    BOOL IsPageCreated() const;
    void SetOptions(DWORD dwBits) { m_options.Add(dwBits); }
    BOOL TestOption(DWORD dwBits) const { return m_options.TestAny(dwBits) != 0; }
    // The string-table text (nothing for 0) through ShowMessageText.
    int ShowMessage(UINT nIDText, UINT nType, UINT nIDHelp = 0);
    BOOL IsCurrentPage() const;
    BOOL IsStartPage() const;

protected:
    // The tabbed dialog the page window lives in; null else.
    CTabbedDialog* GetTabbedDialog() const;

    CTabbedPage* m_pPage = nullptr;
    CBitFlags m_options;

private:
    CTabbedPageLink(const CTabbedPageLink&) = delete;
    CTabbedPageLink& operator=(const CTabbedPageLink&) = delete;
};

class CTabbedPage : public CBaseDialog, public CTabbedPageLink
{
    DECLARE_DYNAMIC(CTabbedPage)
public:
    explicit CTabbedPage(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0,
                         UINT nSettingsId = 0);
    ~CTabbedPage() override;

    // The window's, not the link's.
    using CWnd::Attach;
};

#endif // TANZO_APP_TABBEDPAGE_H
