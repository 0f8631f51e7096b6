#ifndef TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGSUBDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGSUBDIALOG_H

// The nested tab strip of a detailed re-listing page (Windows builds): the
// page's settings for normal listings and for easy-trading listings. It
// lives inside the page; OK and Cancel go to the dialog that holds it, and
// reading it covers every sub-page, shown or not.

#include "app/TabbedDialog.h"

class CAuctionSubmitSettingBasePage;

class CResubmitDetailSettingSubDialog : public CTabbedDialog
{
    DECLARE_DYNAMIC(CResubmitDetailSettingSubDialog)
public:
    CResubmitDetailSettingSubDialog(UINT nIDTemplate, UINT nIDTabCtrl, CWnd* pParentWnd);

    // Sub-page nIndex when it is a listing-settings page, else null.
    CAuctionSubmitSettingBasePage* GetSettingPage(int nIndex) const;

protected:
    void OnOK() override;
    void OnCancel() override;
};

// Bidder limits: the sales contract of easy-trading listings.
class CResubmitDetailSettingBidLimitSubDialog : public CResubmitDetailSettingSubDialog
{
public:
    explicit CResubmitDetailSettingBidLimitSubDialog(CWnd* pParentWnd);
    void AddPages() override;
};

// Payment of normal and of easy-trading listings.
class CResubmitDetailSettingPaySubDialog : public CResubmitDetailSettingSubDialog
{
public:
    explicit CResubmitDetailSettingPaySubDialog(CWnd* pParentWnd);
    void AddPages() override;
};

// Shipping of normal and of easy-trading listings.
class CResubmitDetailSettingPostSubDialog : public CResubmitDetailSettingSubDialog
{
public:
    explicit CResubmitDetailSettingPostSubDialog(CWnd* pParentWnd);
    void AddPages() override;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGSUBDIALOG_H
