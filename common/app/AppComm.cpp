// CAppComm: the names and the profile helpers (both builds). The Windows
// side is in win32/AppCommWin.cpp.
#include "app/AppComm.h"

const TCHAR g_szCompanyName[] = "Velmar Soft";

IMPLEMENT_DYNAMIC(CAppComm, CWinApp)

namespace
{
const TCHAR kSectionSettings[] = "Settings";
const TCHAR kSectionInstallation[] = "Installation";
} // namespace

CAppComm::CAppComm(LPCTSTR lpszAppName) : CWinApp(lpszAppName) {}

CAppComm::~CAppComm() = default;

UINT CAppComm::GetSettingInt(LPCTSTR lpszKey, int nDefault)
{
    return GetProfileInt(kSectionSettings, lpszKey, nDefault);
}

BOOL CAppComm::WriteSettingInt(LPCTSTR lpszKey, int nValue)
{
    return WriteProfileInt(kSectionSettings, lpszKey, nValue);
}

CString CAppComm::GetSettingString(LPCTSTR lpszKey, LPCTSTR lpszDefault)
{
    return GetProfileString(kSectionSettings, lpszKey, lpszDefault != nullptr ? lpszDefault : "");
}

BOOL CAppComm::WriteSettingString(LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    return WriteProfileString(kSectionSettings, lpszKey, lpszValue);
}

CString CAppComm::GetInstallationString(LPCTSTR lpszKey, LPCTSTR lpszDefault)
{
    return GetProfileString(kSectionInstallation, lpszKey, lpszDefault != nullptr ? lpszDefault : "");
}

BOOL CAppComm::WriteInstallationString(LPCTSTR lpszKey, LPCTSTR lpszValue)
{
    return WriteProfileString(kSectionInstallation, lpszKey, lpszValue);
}
