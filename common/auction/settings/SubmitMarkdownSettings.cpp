#include "auction/settings/SubmitMarkdownSettings.h"

#include "auction/settings/AuctionListingForm.h"

namespace
{
const char kToggleKey[] = "ToggleVal";
const char kRatioKey[] = "MarkdownRatio";

BOOL IsValidRatioIndex(int nIndex)
{
    return nIndex >= 0 && nIndex < CSubmitMarkdownSettings::RatioCount;
}
} // namespace

CSubmitMarkdownSettings::CSubmitMarkdownSettings(UINT nSettingsId) : CSubmitSettings(nSettingsId, 0)
{
    Load();
}

void CSubmitMarkdownSettings::Load()
{
    m_bOn = (ReadInt(kToggleKey, 0) & 1) != 0;
    SetRatioIndex(ReadInt(kRatioKey, 0));
}

void CSubmitMarkdownSettings::Save() const
{
    WriteInt(kToggleKey, m_bOn ? 1 : 0);
    WriteInt(kRatioKey, m_nRatioIndex);
}

BOOL CSubmitMarkdownSettings::Apply(CAuctionListingForm& form) const
{
    form.SetAt(LF_MARKDOWN, m_bOn ? "1" : "");
    if (m_bOn && IsValidRatioIndex(m_nRatioIndex))
        form.SetInt(LF_MARKDOWN_RATIO, RatioPercent(m_nRatioIndex));
    else
        form.ClearAt(LF_MARKDOWN_RATIO);
    return TRUE;
}

BOOL CSubmitMarkdownSettings::IsDefault() const
{
    return !m_bOn && m_nRatioIndex == 0;
}

void CSubmitMarkdownSettings::SetDefaults()
{
    m_bOn = FALSE;
    m_nRatioIndex = 0;
}

void CSubmitMarkdownSettings::SetRatioIndex(int nIndex)
{
    m_nRatioIndex = IsValidRatioIndex(nIndex) ? nIndex : 0;
}

int CSubmitMarkdownSettings::RatioPercent(int nIndex)
{
    return IsValidRatioIndex(nIndex) ? (nIndex + 1) * 5 : 0;
}

CSubmitMarkdownSettings::Check CSubmitMarkdownSettings::CheckResubmits(int nNumResubmit) const
{
    if (!m_bOn)
        return CheckPasses;
    return nNumResubmit == 0 ? CheckNoResubmit : CheckConfirm;
}
