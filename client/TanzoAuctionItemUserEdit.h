#ifndef TANZO_CLIENT_TANZOAUCTIONITEMUSEREDIT_H
#define TANZO_CLIENT_TANZOAUCTIONITEMUSEREDIT_H

#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"
#include "client/ItemUserState.h"
#include "client/TanzoAuctionBuyer.h"

class CArchive;
class TanzoAuctionItem;

// What the document keeps of one item of the current user, by auction ID,
// in the data file of user edits: the user state, the memo, the item's
// local number, when the record was last touched, and the buyers of an
// item that has several winners (with their flags).
class TanzoAuctionItemUserEdit : public CItemUserState
{
public:
    enum
    {
        RecordVersion = 2,
        // Records not touched for this long are dropped (120 days).
        KeepSeconds = 10368000,
        // A stored buyer count above this is a corrupt file.
        MaxStoredBuyers = 100000
    };

    // Empty, touched now.
    TanzoAuctionItemUserEdit();
    // The item's user state, ID, memo and local number, touched now; the
    // buyers only when the item has more than one.
    explicit TanzoAuctionItemUserEdit(const TanzoAuctionItem& item);
    TanzoAuctionItemUserEdit(const TanzoAuctionItemUserEdit& other);
    TanzoAuctionItemUserEdit& operator=(const TanzoAuctionItemUserEdit& other);
    ~TanzoAuctionItemUserEdit() override;

    BOOL IsEmpty() const override { return IsEmpty(FALSE); }
    // Nothing worth keeping; with ignoreTimeAndId the update time and the
    // auction ID do not count.
    BOOL IsEmpty(BOOL ignoreTimeAndId) const;
    void Reset() override;

    void CopyFrom(const TanzoAuctionItemUserEdit& other);

    const CString& GetAuctionID() const { return m_auctionID; }
    const CString& GetMemo() const { return m_memo; }
    int GetLocalNumber() const { return m_localNumber; }
    CTime GetUpdateTime() const { return m_updateTime; }
    void SetUpdateTime(const CTime& time) { m_updateTime = time; }
    void Touch();
    // Touched less than 120 days ago (or in the future).
    BOOL IsRecent() const;

    int GetBuyerCount() const { return (int)m_buyers.GetCount(); }
    // Copies of the buyers (flags included); each call replaces.
    void SetBuyers(const CTanzoAuctionBuyerList& list);
    // Empties list, then appends a copy of every buyer; TRUE when any.
    BOOL GetBuyers(CTanzoAuctionBuyerList& list) const;
    void RemoveAllBuyers() { m_buyers.RemoveAll(); }

    // One record of the data file; fileVersion is the file's (version 1
    // files hold no mark and no buyers). Loading resets first and throws
    // CArchiveException badSchema for an unknown record version.
    void Serialize(CArchive& ar, int fileVersion);

private:
    CTime m_updateTime;
    int m_localNumber;
    CString m_auctionID;
    CString m_memo;
    CTanzoAuctionBuyerList m_buyers;
};

#endif // TANZO_CLIENT_TANZOAUCTIONITEMUSEREDIT_H
