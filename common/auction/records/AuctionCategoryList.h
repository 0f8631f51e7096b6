#ifndef TANZO_AUCTION_AUCTIONCATEGORYLIST_H
#define TANZO_AUCTION_AUCTIONCATEGORYLIST_H

#include "afx/List.h"
#include "afx/wintypes.h"
#include "auction/records/AuctionCategory.h"

// The categories the user picked, kept in the profile section of the
// dialog that shows them: "CategoryNum" the count, "Category%03d" the
// number and "CategoryName%03d" the name of each (from 1).
class CAuctionCategoryList
{
public:
    // Kinds of GetKeyName.
    enum
    {
        KeyCount = 0,
        KeyNumber = 1,
        KeyName = 2
    };

    CAuctionCategoryList();
    virtual ~CAuctionCategoryList();

    // A new empty category; the caller owns it.
    virtual AuctionCategory* CreateElement();
    // Writes entry nIndex (from 0); a key without a name is not written.
    virtual void WriteElement(const AuctionCategory& element, UINT nDialogId, int nIndex);
    // Reads entry nIndex; FALSE (the element untouched) when a key has no
    // name or the entry's number is missing or 0.
    virtual BOOL ReadElement(AuctionCategory& element, UINT nDialogId, int nIndex);
    // The key of the kind; null for none.
    virtual LPCTSTR GetKeyName(int nKind);

    void WriteCount(UINT nDialogId, int nCount);
    // The count becomes 0; the numbered keys stay.
    void ClearCount(UINT nDialogId);

    // Takes ownership.
    void Append(AuctionCategory* pElement);
    int GetCount() const { return (int)m_elements.GetCount(); }
    // Null outside the list.
    AuctionCategory* GetAt(int nIndex) const;
    void RemoveAll();

private:
    CAuctionCategoryList(const CAuctionCategoryList&) = delete;
    CAuctionCategoryList& operator=(const CAuctionCategoryList&) = delete;

    CTypedPtrList<CPtrList, AuctionCategory*> m_elements;
};

#endif // TANZO_AUCTION_AUCTIONCATEGORYLIST_H
