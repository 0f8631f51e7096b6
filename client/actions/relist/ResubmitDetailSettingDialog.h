#ifndef TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGDIALOG_H

// The detailed re-listing settings (Windows builds): six tabs (basic,
// payment, shipping, bidder limits, markdown, returns), the pane of the
// common settings dialog for re-listing with new settings. Its pages live
// from the moment the dialog's window starts, shown or not: they are read,
// saved and written into every re-listed item's form through the pane's
// settings interface.

#include "auction/settings/AuctionSubmitSettingBaseDialog.h"
#include "client/actions/shared/CallbackSink.h"

class CResubmitDetailSettingDialog : public CAuctionSubmitSettingBaseDialog
{
    DECLARE_DYNAMIC(CResubmitDetailSettingDialog)
public:
    enum
    {
        TabBasic,
        TabPayment,
        TabShipping,
        TabBidLimit,
        TabMarkdown,
        TabReturnPolicy,
        TabCount
    };

    explicit CResubmitDetailSettingDialog(CWnd* pParentWnd = nullptr);

    void AddPages() override;
    CCallbackSink* GetCallbackSink() { return &m_sink; }

protected:
    // Enter and Escape belong to the common settings dialog.
    void OnOK() override;
    void OnCancel() override;

private:
    class CPaneSink : public CCallbackSink
    {
    public:
        explicit CPaneSink(CResubmitDetailSettingDialog& dialog) : m_dialog(dialog) {}
        // Every page; the payment, shipping and bidder-limit pages with the
        // sub-page of the listing kind (easy trading when nFlag is set).
        BOOL ApplyToListingForm(CAuctionListingForm& form, int nFlag) override;
        // Every page, shown or not; saved when all read and bSave is set.
        BOOL ReadAndSave(int bSave) override;
        void ResetToDefaults() override;

    private:
        CResubmitDetailSettingDialog& m_dialog;
    };
    CPaneSink m_sink;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITDETAILSETTINGDIALOG_H
