#ifndef TANZO_AUCTION_SELECTVALUE_H
#define TANZO_AUCTION_SELECTVALUE_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CArchive;

// One chosen value: a number (0 = none) and an alternate word used as a
// boolean (for parcel sizes and weights: non-zero = "up to" the number).
class CSelectValue
{
public:
    enum
    {
        FieldNumber = 0x1,
        FieldAlternate = 0x2
    };

    CSelectValue(int number = 0, int alternate = 0) : m_number(number), m_alternate(alternate) {}

    void Clear();
    void SetNumber(int number) { m_number = number; }
    void SetIndex(int alternate) { m_alternate = alternate; }
    int GetNumber() const { return m_number; }
    int GetIndex() const { return m_alternate; }

    // Both alternates zero or both non-zero counts as equal.
    BOOL IsEqual(const CSelectValue& other) const;

    // out = the number formatted into string idIfAlternate or idOtherwise
    // (by the alternate word) when the number is above 0; TRUE when not empty.
    BOOL Format(CString& out, UINT idIfAlternate, UINT idOtherwise) const;

    void Serialize(CArchive& ar, DWORD flags);

private:
    int m_number;
    int m_alternate;
};

// Two chosen values; for parcels the first is a size in centimetres and the
// second a weight in kilograms.
class CSelectValuePair
{
public:
    enum
    {
        PartFirst = 0x1,
        PartSecond = 0x2
    };

    CSelectValuePair(int firstNumber = 0, int firstAlternate = 0, int secondNumber = 0,
                     int secondAlternate = 0);

    void Reset();
    void CopyFrom(const CSelectValuePair& other);
    BOOL IsEqual(const CSelectValuePair& other) const;

    const CSelectValue& GetFirst() const { return m_first; }
    const CSelectValue& GetSecond() const { return m_second; }
    void GetFirst(int& number, int& alternate) const;
    void GetSecond(int& number, int& alternate) const;
    void SetFirst(int number, int alternate);
    void SetSecond(int number, int alternate);
    void SetFirst(const CSelectValue& value) { m_first = value; }
    void SetSecond(const CSelectValue& value) { m_second = value; }

    // "%s / %s" of both values formatted with (a1, b1) and (a2, b2); an empty
    // part becomes string emptyId when it is given. out is left as it was
    // when both parts stay empty; TRUE when out was written.
    BOOL Format(CString& out, UINT a1, UINT b1, UINT a2, UINT b2, UINT emptyId) const;

    void Serialize(CArchive& ar, DWORD flags);

private:
    CSelectValue m_first;
    CSelectValue m_second;
};

#endif // TANZO_AUCTION_SELECTVALUE_H
