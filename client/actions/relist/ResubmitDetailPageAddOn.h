#ifndef TANZO_CLIENT_ACTIONS_RESUBMITDETAILPAGEADDON_H
#define TANZO_CLIENT_ACTIONS_RESUBMITDETAILPAGEADDON_H

// What the pages of the detailed re-listing settings share beside their
// listing-settings base (Windows builds): the window they were made for,
// and for the payment, shipping and bidder-limit pages the nested tab
// strip of the settings that differ between normal and easy-trading
// listings, to which each page passes on what is done to it.

#include "afx/Controls.h"
#include "afx/wintypes.h"

class CAuctionListingForm;
class CAuctionSubmitSettingBasePage;
class CResubmitDetailSettingSubDialog;
class CWnd;

class CResubmitDetailPageAddOn
{
public:
    // pOwner: the detail dialog, not owned.
    explicit CResubmitDetailPageAddOn(CWnd* pOwner);
    virtual ~CResubmitDetailPageAddOn();

    // Makes the page's sub-pages; 0 when it has none.
    virtual int PrepareSubPages();
    // Writes the page and the sub-pages of one listing kind (easy trading
    // when the flag is set); non-zero when anything was written.
    virtual BOOL ApplyWithSubPages(CAuctionListingForm& form, int nEasyTrading);

    // The way of re-listing chosen in the common settings dialog that
    // holds the detail dialog (1: set anew); 0 elsewhere.
    int GetResubmitType() const;

protected:
    CWnd* m_pOwner;
};

// The version of a page's saved values: its own, else the one an older
// release kept for every page.
int GetDetailRegVersion(int nOwnVersion);

// The add-on of a page with sub-pages.
class CResubmitDetailContainerAddOn : public CResubmitDetailPageAddOn
{
public:
    CResubmitDetailContainerAddOn(CAuctionSubmitSettingBasePage& page, CWnd* pOwner);
    // Deletes the sub-dialog.
    ~CResubmitDetailContainerAddOn() override;

    int PrepareSubPages() override;
    BOOL ApplyWithSubPages(CAuctionListingForm& form, int nEasyTrading) override;

    // Null until PrepareSubPages, or when it could not be made.
    CResubmitDetailSettingSubDialog* GetSubDialog() const { return m_pSubDialog; }

protected:
    // A new sub-dialog of the page's kind, the page its parent.
    virtual CResubmitDetailSettingSubDialog* NewSubDialog() = 0;

    // What each page passes on; a page without a sub-dialog has nothing to
    // pass on.
    void SaveSubPages();
    BOOL AreSubPagesDefault() const;
    void ResetSubPages();
    // Reads every sub-page, shown or not; the first that refuses is
    // selected.
    BOOL ReadSubPages();
    // The sub-dialog's window over the placeholder, behind it.
    void ShowSubDialog();
    // Once, from the page's WM_DESTROY.
    void DestroySubDialog();
    // ConfirmPage of a page that asks, under new settings only, whether
    // the defaults of a tab never opened are meant; Yes is remembered.
    int ConfirmUnopened(int nWhich, UINT nIDText);

    CStatic m_placeholder;
    CResubmitDetailSettingSubDialog* m_pSubDialog;

private:
    CAuctionSubmitSettingBasePage& m_page;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITDETAILPAGEADDON_H
