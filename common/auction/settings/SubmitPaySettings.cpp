#include "auction/settings/SubmitPaySettings.h"

namespace
{
const char kPayBitsKey[] = "Aspj";
} // namespace

CSubmitPaySettings::CSubmitPaySettings(UINT nSettingsId, int nPageMode)
    : CSubmitSettings(nSettingsId, nPageMode)
{
}

void CSubmitPaySettings::LoadBits()
{
    m_dwBits = (DWORD)ReadInt(kPayBitsKey, (int)GetDefaultBits()) & GetBitMask();
}

void CSubmitPaySettings::SaveBits() const
{
    WriteInt(kPayBitsKey, (int)m_dwBits);
}
