#ifndef TANZO_AUCTION_USERACCOUNT_H
#define TANZO_AUCTION_USERACCOUNT_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/accounts/UserIdEntry.h"

class CArchive;

// One of the user's own service IDs with its password. The password is
// plain in memory and scrambled wherever it is stored; the scrambling holds
// at most 32 bytes, so longer passwords are refused here.
class CUserAccount : public CUserIdEntry
{
public:
    enum
    {
        MaxPasswordBytes = 32
    };

    CUserAccount();
    CUserAccount(const CUserAccount& other) = default;
    CUserAccount& operator=(const CUserAccount& other) = default;
    virtual ~CUserAccount();

    virtual CUserAccount* Clone() const;
    // The ID and memo, then the password scrambled. Storing throws
    // CArchiveException rather than write a password it cannot scramble.
    virtual void Serialize(CArchive& ar, DWORD flags);
    // The ID and the password are both set.
    virtual BOOL IsValid() const;

    void CopyFrom(const CUserAccount& other);

    const CString& GetPassword() const { return m_password; }
    // FALSE, and the password stays as it was, for more than 32 bytes.
    BOOL SetPassword(LPCTSTR password);
    static BOOL IsStorablePassword(LPCTSTR password);

private:
    CString m_password;
};

#endif // TANZO_AUCTION_USERACCOUNT_H
