#include "auction/login/LoginSettingType.h"

#include "afx/WinApp.h"
#include "auction/login/AuctionLoginController.h"

namespace
{
const TCHAR kSection[] = "Settings";
const TCHAR kEntry[] = "LoginSettingType";

BOOL IsKnownType(int nType)
{
    return nType >= CLoginSettingType::Automatic && nType < CLoginSettingType::TypeCount;
}
} // namespace

CLoginSettingType::~CLoginSettingType() {}

void CLoginSettingType::LoadFromProfile(CWinApp* pApp)
{
    SetType(pApp != nullptr ? (int)pApp->GetProfileInt(kSection, kEntry, Automatic) : Automatic);
}

void CLoginSettingType::SaveToProfile(CWinApp* pApp) const
{
    if (pApp != nullptr)
        pApp->WriteProfileInt(kSection, kEntry, GetType());
}

void CLoginSettingType::SetType(int nType)
{
    Set(IsKnownType(nType) ? nType : Automatic);
}

BOOL CLoginSettingType::LoadLoginSettingTypeText(int nType, CString& out)
{
    if (!IsKnownType(nType))
        return FALSE;
    return out.LoadString(IDS_LOGIN_SETTING_AUTOMATIC + nType);
}

int CLoginSettingType::GetLoginType() const
{
    switch (GetType())
    {
    case SemiManual:
        return CAuctionLoginController::LoginBrowserFilled;
    case Manual:
        return CAuctionLoginController::LoginBrowserManual;
    default:
        return CAuctionLoginController::LoginHttp;
    }
}
