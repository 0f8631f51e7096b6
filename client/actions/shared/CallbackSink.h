#ifndef TANZO_CLIENT_ACTIONS_CALLBACKSINK_H
#define TANZO_CLIENT_ACTIONS_CALLBACKSINK_H

#include "afx/wintypes.h"

class CAuctionListingForm;

// A pane of listing settings as the settings dialog and the re-listing job
// reach it, whatever its class: a pane holds one and answers for itself.
class CCallbackSink
{
public:
    virtual ~CCallbackSink();

    // Writes the pane's settings into the form; nFlag is the pane's own
    // (the easy-trading flag of the detail pane). Non-zero when anything
    // was written.
    virtual BOOL ApplyToListingForm(CAuctionListingForm& form, int nFlag);
    // Reads the pane's controls into its values and, when that succeeded
    // and bSave is set, stores them. The read's success; a pane that fails
    // has told the user why.
    virtual BOOL ReadAndSave(int bSave);
    // The pane's values back to their defaults, stored nowhere.
    virtual void ResetToDefaults();
};

#endif // TANZO_CLIENT_ACTIONS_CALLBACKSINK_H
