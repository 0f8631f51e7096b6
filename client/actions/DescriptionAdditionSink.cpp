#include "client/actions/DescriptionAdditionSink.h"

#include "auction/AuctionListingForm.h"

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
