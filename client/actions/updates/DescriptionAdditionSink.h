#ifndef TANZO_CLIENT_ACTIONS_DESCRIPTIONADDITIONSINK_H
#define TANZO_CLIENT_ACTIONS_DESCRIPTIONADDITIONSINK_H

#include "afx/String.h"
#include "client/actions/shared/CallbackSink.h"

// The text the user adds to the descriptions, as the job writes it into
// each item's form.
class CDescriptionAdditionSink : public CCallbackSink
{
public:
    void SetText(LPCTSTR text) { m_strText = text; }
    const CString& GetText() const { return m_strText; }

    BOOL ApplyToListingForm(CAuctionListingForm& form, int nFlag) override;
    BOOL ReadAndSave(int bSave) override;
    void ResetToDefaults() override;

private:
    CString m_strText;
};

#endif // TANZO_CLIENT_ACTIONS_DESCRIPTIONADDITIONSINK_H
