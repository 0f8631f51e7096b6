#ifndef TANZO_AUCTION_AUCTIONSHIPPING_H
#define TANZO_AUCTION_AUCTIONSHIPPING_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/records/SelectValue.h"
#include "text/BitFlags.h"

class CArchive;

// A shipping term as shown to the user: a name and a detail.
class CShippingTermsEntry
{
public:
    CShippingTermsEntry(LPCTSTR name = nullptr, LPCTSTR detail = nullptr) : m_name(name), m_detail(detail) {}

    const CString& GetName() const { return m_name; }
    const CString& GetDetail() const { return m_detail; }

private:
    CString m_name;
    CString m_detail;
};

typedef CList<CShippingTermsEntry, const CShippingTermsEntry&> CShippingTermsEntryList;

// The shipping terms of an item: which of the service's fixed-price
// shipping services it uses (seven flag bits in three groups), whether each
// group's parcel size is decided later (the choices), the prefecture it is
// sent from and each group's parcel size and weight.
class CAuctionShipping
{
public:
    // Shipping flags, by group.
    enum
    {
        ShipGroup1 = 0x07, // 0x01, 0x02, 0x04
        ShipGroup2 = 0x18, // 0x08, 0x10
        ShipGroup3 = 0x60, // 0x20, 0x40
        ShipAllFlags = 0x7F
    };
    // Parts of Serialize.
    enum
    {
        PartFlags = 0x02,
        PartGroup1 = 0x04,
        PartGroup2 = 0x08,
        PartGroup3 = 0x10,
        AllParts = 0x1E
    };
    enum
    {
        DefaultPrefecture = 13,
        PrefectureCount = 47
    };

    CAuctionShipping();

    void Reset();
    void CopyFrom(const CAuctionShipping& other);
    void CopyTo(CAuctionShipping& other) const;
    BOOL IsEqual(const CAuctionShipping& other) const;

    DWORD TestShipFlags(DWORD bits) const { return m_shipFlags.TestAny(bits); }
    void SetShipFlags(DWORD flags) { m_shipFlags.Set(flags); }
    DWORD GetShipFlags() const { return m_shipFlags.Get(); }

    int GetChoice1() const { return m_choice1; }
    int GetChoice2() const { return m_choice2; }
    int GetChoice3() const { return m_choice3; }
    int GetPrefecture() const { return m_prefecture; }
    void SetChoice1(int choice) { m_choice1 = choice; }
    void SetChoice2(int choice) { m_choice2 = choice; }
    void SetChoice3(int choice) { m_choice3 = choice; }
    void SetPrefecture(int prefecture) { m_prefecture = prefecture; }

    const CSelectValuePair& GetPair1() const { return m_pair1; }
    const CSelectValuePair& GetPair2() const { return m_pair2; }
    const CSelectValuePair& GetPair3() const { return m_pair3; }
    void SetPair1(const CSelectValuePair& pair) { m_pair1.CopyFrom(pair); }
    void SetPair2(const CSelectValuePair& pair) { m_pair2.CopyFrom(pair); }
    void SetPair3(const CSelectValuePair& pair) { m_pair3.CopyFrom(pair); }

    // ids: the 47 string ids of the prefectures; TRUE when a name loaded.
    BOOL GetPrefectureName(CString& out, const UINT* ids) const;

    // One entry per flag value of the zero-terminated flagValues that is set,
    // named by the matching nameIds entry (a zero id ends the walk). FALSE
    // when a table or a format id is missing.
    BOOL BuildShippingTermsEntries(CShippingTermsEntryList& list, const DWORD* flagValues,
                                   const UINT* nameIds, UINT a1, UINT b1, UINT a2, UINT b2,
                                   const UINT* prefectureIds) const;
    // The entries appended to out, each as formatId with name and detail (or
    // the name alone), separated by separator.
    BOOL FormatShippingTermsText(CString& out, UINT formatId, LPCTSTR separator, const DWORD* flagValues,
                                 const UINT* nameIds, UINT a1, UINT b1, UINT a2, UINT b2,
                                 const UINT* prefectureIds) const;

    // No version word; reading resets first, takes defaults for values out
    // of range and drops the flag bits of groups whose part was not stored.
    void Serialize(CArchive& ar, DWORD flags);

private:
    CBitFlags m_shipFlags;
    int m_choice1;
    int m_choice2;
    int m_prefecture;
    int m_choice3;
    CSelectValuePair m_pair1;
    CSelectValuePair m_pair2;
    CSelectValuePair m_pair3;
};

#endif // TANZO_AUCTION_AUCTIONSHIPPING_H
