#include "auction/settings/SubmitSettings.h"

#include "app/DialogProfile.h"

CSubmitSettings::CSubmitSettings(UINT nSettingsId, int nPageMode)
    : m_nSettingsId(nSettingsId), m_nPageMode(nPageMode)
{
}

CSubmitSettings::~CSubmitSettings() = default;

int CSubmitSettings::ReadInt(LPCTSTR lpszKey, int nDefault) const
{
    return GetDialogProfileInt(m_nSettingsId, lpszKey, nDefault);
}

void CSubmitSettings::WriteInt(LPCTSTR lpszKey, int nValue) const
{
    WriteDialogProfileInt(m_nSettingsId, lpszKey, nValue);
}

CString CSubmitSettings::ReadString(LPCTSTR lpszKey) const
{
    CString strValue;
    GetDialogProfileString(m_nSettingsId, lpszKey, strValue, "");
    return strValue;
}

void CSubmitSettings::WriteString(LPCTSTR lpszKey, LPCTSTR lpszValue) const
{
    WriteDialogProfileString(m_nSettingsId, lpszKey, lpszValue);
}
