#ifndef TANZO_AUCTION_USERIDENTRY_H
#define TANZO_AUCTION_USERIDENTRY_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CArchive;

// A service user ID with a memo.
class CUserIdEntry
{
public:
    CUserIdEntry(LPCTSTR id = nullptr, LPCTSTR memo = nullptr);
    CUserIdEntry(const CUserIdEntry& other) = default;
    CUserIdEntry& operator=(const CUserIdEntry& other) = default;
    virtual ~CUserIdEntry();

    // A new entry with the same texts; the caller owns it.
    virtual CUserIdEntry* Clone() const;
    // The ID, then the memo; reading clears first.
    virtual void Serialize(CArchive& ar, DWORD flags);
    virtual BOOL IsValid() const;

    void CopyFrom(const CUserIdEntry& other);

    const CString& GetID() const { return m_id; }
    const CString& GetMemo() const { return m_memo; }
    void SetID(LPCTSTR id) { m_id = id; }
    void SetMemo(LPCTSTR memo) { m_memo = memo; }

private:
    CString m_id;
    CString m_memo;
};

#endif // TANZO_AUCTION_USERIDENTRY_H
