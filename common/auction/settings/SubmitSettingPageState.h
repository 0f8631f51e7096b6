#ifndef TANZO_AUCTION_SUBMITSETTINGPAGESTATE_H
#define TANZO_AUCTION_SUBMITSETTINGPAGESTATE_H

#include "afx/wintypes.h"
#include "text/BitFlags.h"

// What every listing-settings page keeps beside its values, in its own
// profile section: whether its window was ever made ("PermanentStateVal")
// and which version of the program saved it last ("RegVersion"). From
// these the page tells whether the user may never have looked at it.
class CSubmitSettingPageState
{
public:
    // Permanent-state bits.
    enum : DWORD
    {
        StateCreated = 0x1,   // the page window was made at least once
        StateClientMark = 0x2 // set by the client
    };
    // The version every save writes.
    enum
    {
        CurrentRegVersion = 3
    };

    // Reads "PermanentStateVal".
    explicit CSubmitSettingPageState(UINT nSettingsId);

    void SavePermanentState() const;
    CBitFlagsEx& GetPermanentState() { return m_permanentState; }
    const CBitFlagsEx& GetPermanentState() const { return m_permanentState; }

    BOOL SetRegVersion(int nVersion) const;
    // 0 when no version ever saved the page.
    int GetRegVersion() const;

    // Never shown, holding only defaults, not marked by the client, and
    // saved by no version or by one above 2 (which still asked). A page
    // that version 2 saved was shown then: it counts as shown from now on.
    BOOL IsUntouched(BOOL bDefault, int nRegVersion);

private:
    UINT m_nSettingsId;
    CBitFlagsEx m_permanentState;
};

#endif // TANZO_AUCTION_SUBMITSETTINGPAGESTATE_H
