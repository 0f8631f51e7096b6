#ifndef TANZO_AUCTION_SHIPMETHOD_H
#define TANZO_AUCTION_SHIPMETHOD_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CArchive;

// One shipping method of an item: a name with one fee, three regional fees
// or a link text. Amounts are yen; a negative amount is not set.
class CShipMethod
{
public:
    // Fee types.
    enum
    {
        FeeOne = 0,
        FeeRegional = 1,
        FeeLink = 2,
        FeeNone = 3,
        FeeClient = 4, // a kind of the client's
        MaxFeeType = 4
    };
    // Fields of Serialize.
    enum
    {
        FieldName = 0x01,
        FieldFeeType = 0x02,
        FieldFee = 0x04,
        FieldRegionFees = 0x08,
        FieldLink = 0x10,
        AllFields = 0x1F
    };

    CShipMethod();

    void Clear();
    void CopyFrom(const CShipMethod& other);
    BOOL IsEqual(const CShipMethod& other) const;

    int GetFeeType() const { return m_feeType; }
    LONGLONG GetFee() const { return m_fee; }
    LONGLONG GetRegionFee1() const { return m_regionFee[0]; }
    LONGLONG GetRegionFee2() const { return m_regionFee[1]; }
    LONGLONG GetRegionFee3() const { return m_regionFee[2]; }
    LONGLONG GetRegionFee(int index) const; // -1 outside 0..2
    CString GetName() const { return m_name; }
    const CString& GetLink() const { return m_link; }

    void SetFeeType(int feeType) { m_feeType = feeType; }
    void SetFee(LONGLONG fee) { m_fee = fee; }
    void SetRegionFee1(LONGLONG fee) { m_regionFee[0] = fee; }
    void SetRegionFee2(LONGLONG fee) { m_regionFee[1] = fee; }
    void SetRegionFee3(LONGLONG fee) { m_regionFee[2] = fee; }
    void SetName(LPCTSTR name) { m_name = name; }
    void SetLink(LPCTSTR link) { m_link = link; }

    BOOL IsValid() const { return !m_name.IsEmpty(); }
    BOOL HasFee() const { return m_fee >= 0; }
    BOOL HasRegionFee1() const { return m_regionFee[0] >= 0; }
    BOOL HasRegionFee2() const { return m_regionFee[1] >= 0; }
    BOOL HasRegionFee3() const { return m_regionFee[2] >= 0; }
    BOOL HasAnyRegionFee() const { return HasRegionFee1() || HasRegionFee2() || HasRegionFee3(); }

    // 1 with a regional fee, else 0 with a fee, else 2 with a link, else 3.
    void UpdateFeeType();

    // The set regional fees as amounts with the unit, each formatted into
    // ids[i] when given, joined by string separatorId (a blank when 0) and
    // formatted into formatId (a blank in front when 0). TRUE when not empty.
    BOOL FormatRegionFees(CString& out, const UINT* ids, UINT formatId, UINT separatorId) const;

    // No version word; reading clears first; a fee type outside 0..4 reads
    // as 3.
    void Serialize(CArchive& ar, DWORD flags);

private:
    int m_feeType;
    LONGLONG m_fee;
    LONGLONG m_regionFee[3];
    CString m_name;
    CString m_link;
};

#endif // TANZO_AUCTION_SHIPMETHOD_H
