#include "auction/accounts/UserAccount.h"

#include <cstring>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "text/Scramble.h"

CUserAccount::CUserAccount() {}

CUserAccount::~CUserAccount() {}

CUserAccount* CUserAccount::Clone() const
{
    return new CUserAccount(*this);
}

void CUserAccount::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsStoring())
    {
        CString scrambled;
        if (!EncodeScrambledText32(m_password, scrambled))
            AfxThrowArchiveException(CArchiveException::generic, nullptr);
        CUserIdEntry::Serialize(ar, flags);
        ar << scrambled;
        return;
    }
    m_password.Empty();
    CUserIdEntry::Serialize(ar, flags);
    CString scrambled;
    ar >> scrambled;
    DecodeScrambledText32(scrambled, m_password);
}

BOOL CUserAccount::IsValid() const
{
    return CUserIdEntry::IsValid() && !m_password.IsEmpty();
}

void CUserAccount::CopyFrom(const CUserAccount& other)
{
    if (&other == this)
        return;
    m_password = other.m_password;
    CUserIdEntry::CopyFrom(other);
}

BOOL CUserAccount::IsStorablePassword(LPCTSTR password)
{
    return password == nullptr || std::strlen(password) <= MaxPasswordBytes;
}

BOOL CUserAccount::SetPassword(LPCTSTR password)
{
    if (!IsStorablePassword(password))
        return FALSE;
    m_password = password;
    return TRUE;
}
