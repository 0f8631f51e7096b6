#ifndef TANZO_AUCTION_SUBMITRETURNPOLICYSETTINGS_H
#define TANZO_AUCTION_SUBMITRETURNPOLICYSETTINGS_H

#include "auction/settings/SubmitSettings.h"

// Whether the seller takes items back, and a note on it.
class CSubmitReturnPolicySettings : public CSubmitSettings
{
public:
    explicit CSubmitReturnPolicySettings(UINT nSettingsId);

    void Load() override;
    void Save() const override;
    BOOL Apply(CAuctionListingForm& form) const override;
    BOOL IsDefault() const override;
    void SetDefaults() override;

    int GetPolicy() const { return m_nPolicy; }
    const CString& GetNote() const { return m_strNote; }
    void SetPolicy(int nPolicy) { m_nPolicy = nPolicy; }
    void SetNote(LPCTSTR lpszNote) { m_strNote = lpszNote; }

private:
    int m_nPolicy = 0;
    CString m_strNote;
};

#endif // TANZO_AUCTION_SUBMITRETURNPOLICYSETTINGS_H
