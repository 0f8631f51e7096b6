#include "client/actions/updates/DescriptionAdditionSink.h"

#include "auction/settings/AuctionListingForm.h"

BOOL CDescriptionAdditionSink::ApplyToListingForm(CAuctionListingForm& form, int)
{
    form.SetAt(LF_DESCRIPTION, m_strText);
    return TRUE;
}

BOOL CDescriptionAdditionSink::ReadAndSave(int)
{
    return TRUE;
}

void CDescriptionAdditionSink::ResetToDefaults() {}
