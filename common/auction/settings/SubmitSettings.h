#ifndef TANZO_AUCTION_SUBMITSETTINGS_H
#define TANZO_AUCTION_SUBMITSETTINGS_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CAuctionListingForm;

// The values of one listing-settings page, apart from its window: read
// from and saved to the page's profile section, compared with the page's
// defaults and written into the fields of a listing form. The page mode
// selects which part of a page's values a page keeps and writes (0: all).
class CSubmitSettings
{
public:
    CSubmitSettings(UINT nSettingsId, int nPageMode);
    virtual ~CSubmitSettings();

    // The values from the profile; missing ones are the defaults.
    virtual void Load() = 0;
    // The values of the mode to the profile.
    virtual void Save() const = 0;
    virtual BOOL Apply(CAuctionListingForm& form) const = 0;
    virtual BOOL IsDefault() const = 0;
    virtual void SetDefaults() = 0;

    UINT GetSettingsId() const { return m_nSettingsId; }
    int GetPageMode() const { return m_nPageMode; }

protected:
    int ReadInt(LPCTSTR lpszKey, int nDefault) const;
    void WriteInt(LPCTSTR lpszKey, int nValue) const;
    CString ReadString(LPCTSTR lpszKey) const;
    void WriteString(LPCTSTR lpszKey, LPCTSTR lpszValue) const;

    UINT m_nSettingsId;
    int m_nPageMode;

private:
    CSubmitSettings(const CSubmitSettings&) = delete;
    CSubmitSettings& operator=(const CSubmitSettings&) = delete;
};

#endif // TANZO_AUCTION_SUBMITSETTINGS_H
