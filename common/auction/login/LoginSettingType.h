#ifndef TANZO_AUCTION_LOGINSETTINGTYPE_H
#define TANZO_AUCTION_LOGINSETTINGTYPE_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/login/LoginResourceIds.h"
#include "controls/ChoiceValue.h"

class CWinApp;

// How the user wants to sign in: automatically over HTTP, half by hand in
// the browser with the password filled in, or by hand. Kept in the
// profile's "Settings" as "LoginSettingType".
class CLoginSettingType : public CChoiceValue
{
public:
    enum
    {
        Automatic = 0,
        SemiManual = 1,
        Manual = 2,
        TypeCount = 3
    };

    CLoginSettingType() = default;
    CLoginSettingType(const CLoginSettingType& other) = default;
    CLoginSettingType& operator=(const CLoginSettingType& other) = default;
    ~CLoginSettingType() override;

    // A stored value outside the three settings reads as automatic.
    void LoadFromProfile(CWinApp* pApp);
    void SaveToProfile(CWinApp* pApp) const;
    int GetType() const { return GetValue(); }
    // Another type than the three is kept out: it becomes automatic.
    void SetType(int nType);

    // The combo box's text of a setting; FALSE for another number.
    static BOOL LoadLoginSettingTypeText(int nType, CString& out);
    // The log-in controller's type of the setting (its types 0, 2, 3).
    int GetLoginType() const;
};

#endif // TANZO_AUCTION_LOGINSETTINGTYPE_H
