#ifndef TANZO_AUCTION_AUCTIONCATEGORY_H
#define TANZO_AUCTION_AUCTIONCATEGORY_H

#include "afx/String.h"
#include "afx/wintypes.h"

// A category of the service that the user picked once: its number there
// (0: none) and its name.
class AuctionCategory
{
public:
    AuctionCategory(int nNumber = 0, LPCTSTR lpszName = nullptr);
    virtual ~AuctionCategory();

    virtual LPCTSTR GetTypeName() const;
    virtual void CopyFrom(const AuctionCategory& other);

    AuctionCategory& Assign(const AuctionCategory& other);

    int GetNumber() const { return m_nNumber; }
    const CString& GetName() const { return m_name; }
    void SetNumber(int nNumber) { m_nNumber = nNumber; }
    void SetName(LPCTSTR lpszName) { m_name = lpszName; }

private:
    AuctionCategory(const AuctionCategory&) = delete;
    AuctionCategory& operator=(const AuctionCategory&) = delete;

    int m_nNumber;
    CString m_name;
};

#endif // TANZO_AUCTION_AUCTIONCATEGORY_H
