#ifndef TANZO_CLIENT_ITEMUSERSTATE_H
#define TANZO_CLIENT_ITEMUSERSTATE_H

#include "afx/wintypes.h"
#include "controls/ChoiceValue.h"

class TanzoAuctionItem;

// What the user keeps on an item beyond what the service shows: a mark
// (the choice value; 0 none, at most 2816), state flags that the data file
// keeps (feedback left, feedback forbidden) and action flags that live
// only in memory (set after an action succeeded on the item).
class CItemUserState : public CChoiceValue
{
public:
    // State flags.
    enum : DWORD
    {
        StateRated = 0x1,
        StateForbidden = 0x2,
        StoredStateFlags = 0x3
    };

    CItemUserState() : m_stateFlags(0), m_actionFlags(0) {}
    // The user state of the item.
    explicit CItemUserState(const TanzoAuctionItem& item);
    ~CItemUserState() override;

    // No mark and no flags of either kind.
    virtual BOOL IsEmpty() const;
    virtual void Reset();

    void CopyFrom(const CItemUserState& other);
    BOOL IsEqual(const CItemUserState& other) const;

    int GetMark() const { return GetValue(); }
    void SetMark(int mark) { Set(mark); }

    DWORD GetFlags() const { return m_stateFlags; }
    void SetFlags(DWORD flags) { m_stateFlags = flags; }
    DWORD TestFlags(DWORD bits) const { return m_stateFlags & bits; }
    void AddFlags(DWORD bits) { m_stateFlags |= bits; }
    void RemoveFlags(DWORD bits) { m_stateFlags &= ~bits; }

    DWORD GetActionFlags() const { return m_actionFlags; }
    DWORD TestActionFlags(DWORD bits) const { return m_actionFlags & bits; }
    void AddActionFlags(DWORD bits) { m_actionFlags |= bits; }
    void RemoveActionFlags(DWORD bits) { m_actionFlags &= ~bits; }

protected:
    DWORD m_stateFlags;
    DWORD m_actionFlags;
};

#endif // TANZO_CLIENT_ITEMUSERSTATE_H
