#ifndef TANZO_AUCTION_AUCTIONSUBMITSETTINGBASEDIALOG_H
#define TANZO_AUCTION_AUCTIONSUBMITSETTINGBASEDIALOG_H

// CAuctionSubmitSettingBaseDialog: the tabbed dialog of the listing
// settings (Windows builds). OK checks every page, also those never shown;
// the client then saves the pages and writes them into its listing forms.

#include "app/TabbedDialog.h"
#include "text/BitFlags.h"

class CAuctionSubmitSettingBasePage;
class CAuctionSubmitSettingBasicBasePage;

class CAuctionSubmitSettingBaseDialog : public CTabbedDialog
{
    DECLARE_DYNAMIC(CAuctionSubmitSettingBaseDialog)
public:
    // The dialog options are the derived dialog's.
    CAuctionSubmitSettingBaseDialog(UINT nIDTemplate, UINT nIDTabCtrl, DWORD dwDialogOptions,
                                    CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);

    // The first page that is a basic page, or null.
    virtual CAuctionSubmitSettingBasicBasePage* GetBasicPage();

    // SaveSettings of every settings page, in tab order.
    void SaveAllPages();
    void ResetAllPagesToDefaults();
    // The page of tab nIndex when it is a settings page, else null.
    CAuctionSubmitSettingBasePage* GetSettingPage(int nIndex) const;
    // The basic page's number of automatic re-listings; -1 without one.
    int GetNumResubmit();

    CBitFlags& GetDialogOptions() { return m_options; }

protected:
    CBitFlags m_options;
};

#endif // TANZO_AUCTION_AUCTIONSUBMITSETTINGBASEDIALOG_H
