#include "auction/settings/SubmitReturnPolicySettings.h"

#include "auction/settings/AuctionListingForm.h"

namespace
{
const char kPolicyKey[] = "ReturnPolicy";
const char kNoteKey[] = "ReturnPolicyNote";
} // namespace

CSubmitReturnPolicySettings::CSubmitReturnPolicySettings(UINT nSettingsId) : CSubmitSettings(nSettingsId, 0)
{
    Load();
}

void CSubmitReturnPolicySettings::Load()
{
    m_nPolicy = ReadInt(kPolicyKey, 0);
    m_strNote = ReadString(kNoteKey);
}

void CSubmitReturnPolicySettings::Save() const
{
    WriteInt(kPolicyKey, m_nPolicy);
    WriteString(kNoteKey, m_strNote);
}

BOOL CSubmitReturnPolicySettings::Apply(CAuctionListingForm& form) const
{
    form.SetAt(LF_RETURN_POLICY, m_nPolicy != 0 ? "1" : "0");
    form.SetAt(LF_RETURN_POLICY_COMMENT, m_strNote);
    return TRUE;
}

BOOL CSubmitReturnPolicySettings::IsDefault() const
{
    return m_nPolicy == 0 && m_strNote.IsEmpty();
}

void CSubmitReturnPolicySettings::SetDefaults()
{
    m_nPolicy = 0;
    m_strNote.Empty();
}
