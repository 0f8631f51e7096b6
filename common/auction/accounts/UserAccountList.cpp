#include "auction/accounts/UserAccountList.h"

#include "afx/MessageBox.h"
#include "afx/WinApp.h"
#include "app/AppComm.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountEditor.h"
#include "auction/login/AuctionLoginController.h"
#include "net/HttpComm.h"
#include "net/ProgressSink.h"
#include "text/MbcsString.h"
#include "text/Scramble.h"

#include <memory>

namespace
{
const TCHAR kUserCount[] = "UserCount";
const TCHAR kUserId[] = "UserID%02d";
const TCHAR kUserPassword[] = "UserPswd%02d";
const TCHAR kUserMemo[] = "UserMemo%02d";
const TCHAR kCurrentUserId[] = "CurUserID";
// The widest count the two-digit keys can hold.
const int kMaxStoredEntries = 99;

CAppComm* ProfileApp()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->IsKindOf(RUNTIME_CLASS(CAppComm)) ? static_cast<CAppComm*>(pApp)
                                                                      : nullptr;
}

// The log-in controller as the list runs it.
class CControllerLogin : public CAccountLogin
{
public:
    CControllerLogin(CHttpComm* pHttp, CProgressSink* pSink, int nLoginType) : m_controller(pHttp)
    {
        m_controller.SetProgressSink(pSink);
        m_controller.SetLoginType(nLoginType);
    }
    BOOL LogOut() override { return m_controller.LogOut(); }
    BOOL Login(const CUserAccount& account, CWnd* pParent) override
    {
        return m_controller.Login(account, pParent);
    }
    BOOL IsCancelled() const override { return m_controller.IsCancelled(); }

private:
    CAuctionLoginController m_controller;
};

CString EntryKey(LPCTSTR format, int i)
{
    CString key;
    key.Format(format, i);
    return key;
}
} // namespace

CUserAccountList::CUserAccountList() : m_accounts(10) {}

CUserAccountList::~CUserAccountList()
{
    RemoveAll();
}

CUserAccount* CUserAccountList::AccountAt(int index) const
{
    if (index < 0 || index >= m_accounts.GetCount())
        return nullptr;
    return m_accounts.GetAt(m_accounts.FindIndex(index));
}

int CUserAccountList::GetCount() const
{
    return (int)m_accounts.GetCount();
}

BOOL CUserAccountList::Add(const CUserAccount& account)
{
    if (GetCount() >= MaxAccounts)
        return FALSE;
    const BOOL bFirst = GetCount() == 0;
    m_accounts.AddTail(account.Clone());
    m_changed.Add(changedBit);
    if (bFirst)
        SetCurrentUserID(account.GetID());
    return TRUE;
}

BOOL CUserAccountList::RemoveAt(int index)
{
    CUserAccount* pAccount = AccountAt(index);
    if (pAccount == nullptr)
        return FALSE;
    const BOOL bCurrent = MbsEqualNoCase(pAccount->GetID(), m_strCurrentUserID);
    m_accounts.RemoveAt(m_accounts.FindIndex(index));
    delete pAccount;
    m_changed.Add(changedBit);
    if (bCurrent)
    {
        // Through the virtual, so that the document switches its data too.
        CUserAccount* pFirst = AccountAt(0);
        SetCurrentUserID(pFirst != nullptr ? (LPCTSTR)pFirst->GetID() : "");
    }
    return TRUE;
}

BOOL CUserAccountList::GetAt(int index, CUserAccount& out) const
{
    CUserAccount* pAccount = AccountAt(index);
    if (pAccount == nullptr)
        return FALSE;
    out.CopyFrom(*pAccount);
    return TRUE;
}

BOOL CUserAccountList::SetAt(int index, const CUserAccount& account)
{
    CUserAccount* pAccount = AccountAt(index);
    if (pAccount == nullptr)
        return FALSE;
    pAccount->CopyFrom(account);
    m_changed.Add(changedBit);
    return TRUE;
}

int CUserAccountList::FindByID(LPCTSTR id) const
{
    if (id == nullptr || *id == '\0')
        return -1;
    int index = 0;
    for (POSITION pos = m_accounts.GetHeadPosition(); pos != nullptr; ++index)
    {
        if (MbsEqualNoCase(m_accounts.GetNext(pos)->GetID(), id))
            return index;
    }
    return -1;
}

void CUserAccountList::SetCurrentUserID(LPCTSTR id)
{
    if (id == nullptr || MbsEqualNoCase(id, m_strCurrentUserID))
        return;
    m_strCurrentUserID = id;
    m_changed.Add(changedBit);
}

CString CUserAccountList::GetCurrentUserID() const
{
    return m_strCurrentUserID;
}

DWORD CUserAccountList::GetLogInOptions() const
{
    return DefaultLogInOptions;
}

int CUserAccountList::LogInCurrentUser(CHttpComm* pHttp, CProgressSink* pSink, CWnd* pParent, int nLoginType)
{
    if (pHttp == nullptr)
        return LoginFailed;
    DWORD dwOptions = 0;
    if (GetCount() == 0)
    {
        dwOptions = GetLogInOptions();
        if ((dwOptions & optionLoginWithoutAccounts) == 0)
            return LoginNoAccounts;
    }
    CString id = GetCurrentUserID();
    CUserAccount account;
    if (id.IsEmpty() && GetAt(0, account))
    {
        id = account.GetID();
        SetCurrentUserID(id);
    }
    const int index = FindByID(id);
    if (index < 0)
        return LoginIdNotFound;
    if ((dwOptions & optionSkipLogin) != 0)
        return LoginDone;
    if (!GetAt(index, account))
        return LoginIdNotFound;
    std::unique_ptr<CAccountLogin> login(CreateLogin(pHttp, pSink, nLoginType));
    if (!login)
        return LoginFailed;
    if (login->LogOut() && login->Login(account, pParent))
        return LoginDone;
    return login->IsCancelled() ? LoginCancelled : LoginFailed;
}

CAccountLogin* CUserAccountList::CreateLogin(CHttpComm* pHttp, CProgressSink* pSink, int nLoginType)
{
    return new CControllerLogin(pHttp, pSink, nLoginType);
}

BOOL CUserAccountList::ShowLogInError(int nCode, CHttpComm* pRequest, CProgressSink* pSink)
{
    if (pRequest != nullptr && pRequest->IsCancelled())
        return FALSE;
    CString text;
    switch (nCode)
    {
    case LoginIdNotFound:
        text.FormatMessage(IDS_LOGIN_ID_NOT_FOUND, (LPCTSTR)GetCurrentUserID());
        break;
    case LoginFailed:
        text.LoadString(IDS_AUTO_LOGIN_FAILED);
        break;
    default:
        return FALSE;
    }
    if (text.IsEmpty())
        return FALSE;
    if (pSink != nullptr)
        pSink->ShowMessage(text, 0);
    else
        AfxMessageBox(text, MB_OK);
    return TRUE;
}

BOOL CUserAccountList::LoadFromProfile()
{
    CAppComm* pApp = ProfileApp();
    if (pApp == nullptr)
        return FALSE;
    RemoveAll();
    int count = (int)pApp->GetSettingInt(kUserCount, 0);
    if (count > MaxAccounts - 1)
        count = MaxAccounts;
    for (int i = 1; i <= count; ++i)
    {
        CUserAccount* pAccount = new CUserAccount;
        pAccount->SetID(pApp->GetSettingString(EntryKey(kUserId, i)));
        CString password;
        DecodeScrambledText32(pApp->GetSettingString(EntryKey(kUserPassword, i)), password);
        pAccount->SetPassword(password);
        pAccount->SetMemo(pApp->GetSettingString(EntryKey(kUserMemo, i)));
        m_accounts.AddTail(pAccount);
    }
    m_strCurrentUserID = pApp->GetSettingString(kCurrentUserId);
    m_changed.Remove(changedBit);
    return TRUE;
}

BOOL CUserAccountList::SaveToProfile()
{
    if (!IsChanged())
        return TRUE;
    CAppComm* pApp = ProfileApp();
    if (pApp == nullptr)
        return FALSE;
    int old = (int)pApp->GetSettingInt(kUserCount, 0);
    if (old > kMaxStoredEntries)
        old = kMaxStoredEntries;
    const int count = GetCount();
    // Every value is tried, so that a refused one spoils no other.
    BOOL bWritten = pApp->WriteSettingInt(kUserCount, count);
    int i = 1;
    for (POSITION pos = m_accounts.GetHeadPosition(); pos != nullptr; ++i)
    {
        const CUserAccount* pAccount = m_accounts.GetNext(pos);
        CString scrambled;
        // A password that cannot be scrambled is never written plain.
        const BOOL bScrambled = EncodeScrambledText32(pAccount->GetPassword(), scrambled);
        bWritten &= pApp->WriteSettingString(EntryKey(kUserId, i), pAccount->GetID());
        bWritten &= bScrambled && pApp->WriteSettingString(EntryKey(kUserPassword, i), scrambled);
        bWritten &= pApp->WriteSettingString(EntryKey(kUserMemo, i), pAccount->GetMemo());
    }
    for (; i <= old; ++i)
    {
        for (LPCTSTR format : {kUserId, kUserPassword, kUserMemo})
            bWritten &= pApp->WriteSettingString(EntryKey(format, i), "");
    }
    bWritten &= pApp->WriteSettingString(kCurrentUserId, m_strCurrentUserID);
    if (!bWritten)
        return FALSE;
    m_changed.Remove(changedBit);
    return TRUE;
}

void CUserAccountList::RemoveAll()
{
    while (!m_accounts.IsEmpty())
        delete m_accounts.RemoveHead();
}

BOOL CUserAccountList::EditWithDialog(CUserAccountEditor& dialog)
{
    CUserAccount account;
    for (int i = 0; GetAt(i, account); ++i)
        dialog.AddEntry(account);
    if (dialog.RunModal() != IDOK)
        return FALSE;
    if (!dialog.IsChanged())
        return TRUE;
    if (dialog.GetEntryCount() < GetCount())
    {
        for (int i = GetCount() - 1; i >= 0; --i)
        {
            if (GetAt(i, account) && !dialog.HasEntry(account.GetID()))
                RemoveAt(i);
        }
    }
    if (dialog.IsModified(-1))
    {
        for (int j = 0; j < dialog.GetEntryCount(); ++j)
        {
            if (dialog.IsModified(j) && dialog.GetEntry(j, account))
                SetAt(j, account);
        }
    }
    for (int i = 0; i < dialog.GetAddedCount(); ++i)
    {
        if (dialog.GetAddedEntry(i, account))
            Add(account);
    }
    return TRUE;
}

CString FormatAccountMenuText(int index, LPCTSTR id)
{
    CString text;
    if (index <= 10)
        text.Format("&%d %s...", (index + 1) % 11, id);
    else
        text.Format("  %s...", id);
    return text;
}
