#ifndef TANZO_AUCTION_AUCTIONSHIPMETHODS_H
#define TANZO_AUCTION_AUCTIONSHIPMETHODS_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/shipping/AuctionShipping.h"
#include "auction/shipping/ShipMethod.h"

class CArchive;

typedef CList<CShipMethod, const CShipMethod&> CShipMethodList;

// TRUE when a method of the list has regional fees (fee type 1).
BOOL HasShipMethodOfFeeType1(const CShipMethodList& list);

// Results of CAuctionShipMethods::CheckShipMethods.
enum
{
    ShipCheckOk = 0,
    ShipCheckNothing = 1,     // no method and no shipping service
    ShipCheckLink = 2,        // a method with a link text only
    ShipCheckNoFeeMixed = 3,  // methods without a fee mixed with others
    ShipCheckClientMixed = 4, // the client's kind mixed with others or with services
    ShipCheckPrefixName = 5,  // a name begins with a refused text (index in detail)
    ShipCheckWholeNames = 6,  // only methods without a fee, all of known names
    ShipCheckArrivalName = 7, // an arrival method of a known name (index in detail)
    ShipCheckPairsDiffer = 8  // two services with different parcel sizes
};
// Detail bits of CheckShipMethods with result 0; the table index of results
// 5 and 7 stands in the bits from 16 up.
enum
{
    ShipDetailAllNoFee = 0x1,
    ShipDetailAllClient = 0x2
};

// The shipping methods of an item, in the user's order, and its terms.
class CAuctionShipMethods : public CAuctionShipping
{
public:
    // Parts of Serialize (the terms' parts are CAuctionShipping's).
    enum
    {
        PartMethods = 0x01
    };
    // A stored method count above this is a corrupt archive.
    enum
    {
        MaxStoredMethods = 100
    };

    CAuctionShipMethods();
    CAuctionShipMethods(const CAuctionShipMethods& other);
    CAuctionShipMethods& operator=(const CAuctionShipMethods& other);

    void CopyFrom(const CAuctionShipMethods& other);
    void CopyTo(CAuctionShipMethods& other) const;
    BOOL IsEqual(const CAuctionShipMethods& other) const;

    void SetShipMethods(const CShipMethodList& list);
    void GetShipMethods(CShipMethodList& list) const;
    const CShipMethodList& GetShipMethodList() const { return m_methods; }
    void AppendShipMethod(const CShipMethod& method);
    BOOL GetFirstShipMethod(CShipMethod& out) const;
    int GetShipMethodCount() const { return (int)m_methods.GetCount(); }
    void RemoveAllShipMethods();
    void Reset();

    BOOL HasMethodOfFeeType(int feeType) const;
    // 1 with a shipping service, else 2 with regional fees, else 3 with the
    // client's kind, else 0.
    int GetShippingKind() const;

    // The valid methods as text, joined by separator; FALSE when formatId
    // is 0.
    BOOL FormatShipMethodList(CString& out, UINT formatId, UINT linkFormatId, UINT regionTextId,
                              UINT arrivalTextId, LPCTSTR separator) const;

    // Whether the methods can be listed: one of the ShipCheck codes. The id
    // tables are zero-terminated string ids of method names.
    int CheckShipMethods(DWORD* detail, const UINT* prefixIds, const UINT* wholeIds,
                         const UINT* arrivalIds) const;

    // flags: PartMethods and the terms' parts; methodFlags: the fields of
    // each method. Reading resets first; a method whose fee type was not
    // stored gets it from its fees.
    void Serialize(CArchive& ar, DWORD flags, DWORD methodFlags);

private:
    CShipMethodList m_methods;
};

#endif // TANZO_AUCTION_AUCTIONSHIPMETHODS_H
