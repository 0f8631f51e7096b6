#include "auction/settings/SubmitSettingPageState.h"

#include "afx/WinApp.h"
#include "app/DialogProfile.h"

namespace
{
const char kPermanentStateKey[] = "PermanentStateVal";
const char kRegVersionKey[] = "RegVersion";
} // namespace

CSubmitSettingPageState::CSubmitSettingPageState(UINT nSettingsId)
    : m_nSettingsId(nSettingsId),
      m_permanentState((DWORD)GetDialogProfileInt(nSettingsId, kPermanentStateKey, 0))
{
}

void CSubmitSettingPageState::SavePermanentState() const
{
    WriteDialogProfileInt(m_nSettingsId, kPermanentStateKey, (int)m_permanentState.Get());
}

BOOL CSubmitSettingPageState::SetRegVersion(int nVersion) const
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr &&
           pApp->WriteProfileInt(GetDialogProfileSection(m_nSettingsId), kRegVersionKey, nVersion);
}

int CSubmitSettingPageState::GetRegVersion() const
{
    return GetDialogProfileInt(m_nSettingsId, kRegVersionKey, 0);
}

BOOL CSubmitSettingPageState::IsUntouched(BOOL bDefault, int nRegVersion)
{
    if (!m_permanentState.TestAny(StateCreated) && nRegVersion == 2)
        m_permanentState.Add(StateCreated);
    if (m_permanentState.TestAny(StateCreated | StateClientMark) || !bDefault)
        return FALSE;
    return nRegVersion == 0 || nRegVersion > 2;
}
