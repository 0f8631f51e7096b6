#ifndef TANZO_CLIENT_ACTIONS_RESUBMITCOMMONBASICPAGE_H
#define TANZO_CLIENT_ACTIONS_RESUBMITCOMMONBASICPAGE_H

// The pane of the common re-listing settings that keeps the previous
// listing's settings and changes only the auction's basic values (Windows
// builds). The first time it is made it takes the values an older release
// kept and stores them as its own.

#include "client/actions/relist/ResubmitSettingBasicPage.h"
#include "client/actions/shared/CallbackSink.h"

class CResubmitCommonBasicPage : public CResubmitSettingBasicPage
{
    DECLARE_DYNAMIC(CResubmitCommonBasicPage)
public:
    explicit CResubmitCommonBasicPage(CWnd* pParentWnd = nullptr);

    CCallbackSink* GetCallbackSink() { return &m_sink; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The older values, once, when this page's own were never stored.
    void TakeOlderSettings();

    class CPaneSink : public CCallbackSink
    {
    public:
        explicit CPaneSink(CResubmitCommonBasicPage& page) : m_page(page) {}
        BOOL ApplyToListingForm(CAuctionListingForm& form, int nFlag) override;
        BOOL ReadAndSave(int bSave) override;
        void ResetToDefaults() override;

    private:
        CResubmitCommonBasicPage& m_page;
    };
    CPaneSink m_sink;
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITCOMMONBASICPAGE_H
