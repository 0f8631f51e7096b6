#include "auction/settings/SubmitBidLimitSettings.h"

#include "auction/settings/AuctionListingForm.h"

namespace
{
const char kToggleKey[] = "ToggleVal";
} // namespace

CSubmitBidLimitSettings::CSubmitBidLimitSettings(UINT nSettingsId, DWORD dwPageOptions, int nPageMode)
    : CSubmitSettings(nSettingsId, nPageMode), m_pageOptions(dwPageOptions)
{
    Load();
}

void CSubmitBidLimitSettings::Load()
{
    m_dwToggles = (DWORD)ReadInt(kToggleKey, (int)GetDefaultToggles()) & GetToggleMask();
}

void CSubmitBidLimitSettings::Save() const
{
    WriteInt(kToggleKey, (int)m_dwToggles);
}

BOOL CSubmitBidLimitSettings::Apply(CAuctionListingForm& form) const
{
    const DWORD dwShown = GetShownToggles();
    if ((dwShown & ToggleLimits) != 0)
    {
        form.SetAt(LF_MIN_BID_RATING, (m_dwToggles & ToggleMinRating) != 0 ? "0" : "");
        form.SetAt(LF_BAD_RATING_RATIO, (m_dwToggles & ToggleBadRatingRatio) != 0 ? "yes" : "");
        form.SetAt(LF_BID_CREDIT_LIMIT, (m_dwToggles & ToggleCreditLimit) != 0 ? "1" : "");
    }
    if ((dwShown & ToggleSalesContract) != 0)
        form.SetAt(LF_SALES_CONTRACT, (m_dwToggles & ToggleSalesContract) != 0 ? "1" : "");
    return TRUE;
}

BOOL CSubmitBidLimitSettings::IsDefault() const
{
    return m_dwToggles == GetDefaultToggles();
}

void CSubmitBidLimitSettings::SetDefaults()
{
    m_dwToggles = GetDefaultToggles();
}

DWORD CSubmitBidLimitSettings::GetDefaultToggles() const
{
    return m_nPageMode == 0 || m_nPageMode == 1 ? ToggleMinRating | ToggleBadRatingRatio : 0;
}

DWORD CSubmitBidLimitSettings::GetToggleMask() const
{
    DWORD dwMask =
        m_pageOptions.TestAny(OptionSalesContract) ? ToggleLimits | ToggleSalesContract : ToggleLimits;
    if (m_nPageMode == 1)
        dwMask &= ToggleLimits;
    else if (m_nPageMode == 3)
        dwMask &= ToggleSalesContract;
    return dwMask;
}

DWORD CSubmitBidLimitSettings::GetShownToggles() const
{
    DWORD dwShown = 0;
    if (m_nPageMode == 0 || m_nPageMode == 1)
        dwShown |= ToggleLimits;
    if ((m_nPageMode == 0 || m_nPageMode == 3) && m_pageOptions.TestAny(OptionSalesContract))
        dwShown |= ToggleSalesContract;
    return dwShown;
}
