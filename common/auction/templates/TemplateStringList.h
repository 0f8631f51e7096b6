#ifndef TANZO_AUCTION_TEMPLATESTRINGLIST_H
#define TANZO_AUCTION_TEMPLATESTRINGLIST_H

#include "afx/List.h"
#include "afx/wintypes.h"
#include "auction/templates/TemplateStringItem.h"

class CArchive;

// The templates of one set, in the user's order; the list owns them.
//
// Archive form: a 32-bit count, then each item's Serialize with the list's
// flags. A list that holds fewer than it finds (GetMaxCount) reads every
// stored item and keeps the first ones, so that what follows the list in
// the file is read from the right place.
class CTemplateStringList
{
public:
    // A stored count above this is a corrupt archive.
    enum
    {
        MaxStoredItems = 10000
    };

    CTemplateStringList();
    virtual ~CTemplateStringList();

    // Loading deletes the current items first.
    virtual void Serialize(CArchive& ar, DWORD flags);
    // A copy of pSource, or an empty item for null; the caller owns it.
    virtual CTemplateStringItem* CreateItem(const CTemplateStringItem* pSource);
    // Most items kept; negative: no limit.
    virtual int GetMaxCount();
    // A loaded list had more items than it keeps.
    virtual void OnCountLimited();

    int GetCount() const { return (int)m_items.GetCount(); }
    // Takes ownership.
    void Append(CTemplateStringItem* pItem);
    void DeleteAll();
    // Copies item nIndex into item; FALSE (item untouched) outside the list.
    BOOL GetAt(int nIndex, CTemplateStringItem& item) const;

private:
    CTemplateStringList(const CTemplateStringList&) = delete;
    CTemplateStringList& operator=(const CTemplateStringList&) = delete;

    CTypedPtrList<CPtrList, CTemplateStringItem*> m_items;
};

#endif // TANZO_AUCTION_TEMPLATESTRINGLIST_H
