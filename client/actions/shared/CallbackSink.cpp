#include "client/actions/shared/CallbackSink.h"

CCallbackSink::~CCallbackSink() {}

BOOL CCallbackSink::ApplyToListingForm(CAuctionListingForm&, int)
{
    return FALSE;
}

BOOL CCallbackSink::ReadAndSave(int)
{
    return TRUE;
}

void CCallbackSink::ResetToDefaults() {}
