#include "auction/settings/SubmitBasicSettings.h"

#include "auction/settings/AuctionListingForm.h"

namespace
{
const char kToggleKey[] = "ToggleVal";
const char kDurationKey[] = "Duration";
const char kClosingTimeKey[] = "ClosingTime";
const char kNumResubmitKey[] = "NumResubmit";
const DWORD kDefaultToggles =
    CSubmitBasicSettings::ToggleCloseEarly | CSubmitBasicSettings::ToggleAutoExtension;
} // namespace

CSubmitBasicSettings::CSubmitBasicSettings(UINT nSettingsId) : CSubmitSettings(nSettingsId, 0)
{
    Load();
}

void CSubmitBasicSettings::Load()
{
    m_dwToggles = (DWORD)ReadInt(kToggleKey, (int)kDefaultToggles) & ToggleMask;
    m_nDuration = ReadInt(kDurationKey, DefaultDuration);
    m_nClosingTime = ReadInt(kClosingTimeKey, DefaultClosingTime);
    m_nNumResubmit = ReadInt(kNumResubmitKey, DefaultNumResubmit);
}

void CSubmitBasicSettings::Save() const
{
    WriteInt(kToggleKey, (int)m_dwToggles);
    WriteInt(kDurationKey, m_nDuration);
    WriteInt(kClosingTimeKey, m_nClosingTime);
    WriteInt(kNumResubmitKey, m_nNumResubmit);
}

BOOL CSubmitBasicSettings::Apply(CAuctionListingForm& form) const
{
    form.SetAt(LF_CLOSE_EARLY, (m_dwToggles & ToggleCloseEarly) != 0 ? "yes" : "");
    form.SetAt(LF_AUTO_EXTENSION, (m_dwToggles & ToggleAutoExtension) != 0 ? "yes" : "");
    form.SetInt(LF_DURATION, m_nDuration);
    form.SetInt(LF_CLOSING_TIME, m_nClosingTime);
    form.SetInt(LF_NUM_RESUBMIT, m_nNumResubmit);
    return TRUE;
}

BOOL CSubmitBasicSettings::IsDefault() const
{
    return m_dwToggles == kDefaultToggles && m_nDuration == DefaultDuration &&
           m_nClosingTime == DefaultClosingTime && m_nNumResubmit == DefaultNumResubmit;
}

void CSubmitBasicSettings::SetDefaults()
{
    m_dwToggles = kDefaultToggles;
    m_nDuration = DefaultDuration;
    m_nClosingTime = DefaultClosingTime;
    m_nNumResubmit = DefaultNumResubmit;
}

int CSubmitBasicSettings::ClampNumResubmit(int nCount)
{
    return nCount >= 0 && nCount <= MaxNumResubmit ? nCount : MaxNumResubmit;
}
