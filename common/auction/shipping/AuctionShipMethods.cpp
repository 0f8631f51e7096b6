#include "auction/shipping/AuctionShipMethods.h"

#include "afx/Archive.h"
#include "auction/records/ArchiveWords.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"

namespace
{
// Index in the zero-terminated id table of the first text that the name
// matches, or -1. *pAnyLoaded tells whether the table held any text.
int FindNameInIds(const CString& name, const UINT* ids, int matchFlags, BOOL* pAnyLoaded = nullptr)
{
    BOOL anyLoaded = FALSE;
    int found = -1;
    for (int i = 0; ids[i] != 0; ++i)
    {
        CString text;
        if (!text.LoadString(ids[i]))
            continue;
        anyLoaded = TRUE;
        if (found < 0 && MatchText(name, text, matchFlags))
            found = i;
    }
    if (pAnyLoaded != nullptr)
        *pAnyLoaded = anyLoaded;
    return found;
}
} // namespace

BOOL HasShipMethodOfFeeType1(const CShipMethodList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        if (list.GetNext(pos).GetFeeType() == CShipMethod::FeeRegional)
            return TRUE;
    return FALSE;
}

CAuctionShipMethods::CAuctionShipMethods() {}

CAuctionShipMethods::CAuctionShipMethods(const CAuctionShipMethods& other) : CAuctionShipping()
{
    CopyFrom(other);
}

CAuctionShipMethods& CAuctionShipMethods::operator=(const CAuctionShipMethods& other)
{
    CopyFrom(other);
    return *this;
}

void CAuctionShipMethods::CopyFrom(const CAuctionShipMethods& other)
{
    if (&other == this)
        return;
    SetShipMethods(other.m_methods);
    CAuctionShipping::CopyFrom(other);
}

void CAuctionShipMethods::CopyTo(CAuctionShipMethods& other) const
{
    other.CopyFrom(*this);
}

BOOL CAuctionShipMethods::IsEqual(const CAuctionShipMethods& other) const
{
    if (&other == this)
        return TRUE;
    if (!CAuctionShipping::IsEqual(other) || m_methods.GetCount() != other.m_methods.GetCount())
        return FALSE;
    POSITION a = m_methods.GetHeadPosition();
    POSITION b = other.m_methods.GetHeadPosition();
    while (a != nullptr && b != nullptr)
        if (!m_methods.GetNext(a).IsEqual(other.m_methods.GetNext(b)))
            return FALSE;
    return TRUE;
}

void CAuctionShipMethods::SetShipMethods(const CShipMethodList& list)
{
    if (&list == &m_methods)
        return;
    m_methods.RemoveAll();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        m_methods.AddTail(list.GetNext(pos));
}

void CAuctionShipMethods::GetShipMethods(CShipMethodList& list) const
{
    if (&list == &m_methods)
        return;
    list.RemoveAll();
    for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
        list.AddTail(m_methods.GetNext(pos));
}

void CAuctionShipMethods::AppendShipMethod(const CShipMethod& method)
{
    m_methods.AddTail(method);
}

BOOL CAuctionShipMethods::GetFirstShipMethod(CShipMethod& out) const
{
    if (m_methods.IsEmpty())
        return FALSE;
    out.CopyFrom(m_methods.GetHead());
    return TRUE;
}

void CAuctionShipMethods::RemoveAllShipMethods()
{
    m_methods.RemoveAll();
}

void CAuctionShipMethods::Reset()
{
    RemoveAllShipMethods();
    CAuctionShipping::Reset();
}

BOOL CAuctionShipMethods::HasMethodOfFeeType(int feeType) const
{
    for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
        if (m_methods.GetNext(pos).GetFeeType() == feeType)
            return TRUE;
    return FALSE;
}

int CAuctionShipMethods::GetShippingKind() const
{
    if (TestShipFlags(ShipAllFlags))
        return 1;
    if (HasMethodOfFeeType(CShipMethod::FeeRegional))
        return 2;
    if (HasMethodOfFeeType(CShipMethod::FeeClient))
        return 3;
    return 0;
}

BOOL CAuctionShipMethods::FormatShipMethodList(CString& out, UINT formatId, UINT linkFormatId,
                                               UINT regionTextId, UINT arrivalTextId, LPCTSTR separator) const
{
    if (formatId == 0)
        return FALSE;
    CString format;
    format.LoadString(formatId);
    CString regionText;
    if (regionTextId != 0)
        regionText.LoadString(regionTextId);
    const BOOL useSeparator = separator != nullptr && *separator != '\0';

    CString joined;
    BOOL first = TRUE;
    for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
    {
        const CShipMethod& method = m_methods.GetNext(pos);
        if (!method.IsValid())
            continue;
        CString name = method.GetName();
        CString entry;
        switch (method.GetFeeType())
        {
        case CShipMethod::FeeOne:
        case CShipMethod::FeeRegional:
        {
            CString text;
            if (method.HasFee())
                FormatAmountWithUnit(method.GetFee(), text);
            if (!regionText.IsEmpty() && method.GetFeeType() == CShipMethod::FeeRegional &&
                method.HasAnyRegionFee())
            {
                if (useSeparator && !text.IsEmpty())
                    text += separator;
                text += regionText;
            }
            if (!text.IsEmpty())
                entry.Format(format, (LPCTSTR)name, (LPCTSTR)text);
            break;
        }
        case CShipMethod::FeeLink:
        {
            CString linkFormat;
            if (linkFormatId != 0 && !method.GetLink().IsEmpty() && linkFormat.LoadString(linkFormatId))
                entry.Format(linkFormat, (LPCTSTR)name, (LPCTSTR)method.GetLink());
            break;
        }
        case CShipMethod::FeeClient:
        {
            CString arrival;
            if (arrivalTextId != 0 && arrival.LoadString(arrivalTextId))
                entry.Format(format, (LPCTSTR)name, (LPCTSTR)arrival);
            break;
        }
        default:
            break;
        }
        if (entry.IsEmpty())
            entry = name;
        if (!first && useSeparator)
            joined += separator;
        joined += entry;
        first = FALSE;
    }
    out = joined;
    return TRUE;
}

int CAuctionShipMethods::CheckShipMethods(DWORD* detail, const UINT* prefixIds, const UINT* wholeIds,
                                          const UINT* arrivalIds) const
{
    if (detail != nullptr)
        *detail = 0;
    const DWORD shipFlags = TestShipFlags(ShipAllFlags);
    if (m_methods.IsEmpty() && shipFlags == 0)
        return ShipCheckNothing;

    if (prefixIds != nullptr)
    {
        for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
        {
            const CShipMethod& method = m_methods.GetNext(pos);
            if (!method.IsValid())
                continue;
            int index = FindNameInIds(method.GetName(), prefixIds, MATCH_NOCASE | MATCH_PREFIX);
            if (index >= 0)
            {
                if (detail != nullptr)
                    *detail = (DWORD)index << 16;
                return ShipCheckPrefixName;
            }
        }
    }

    if ((shipFlags & 0x02) && GetChoice1() == 0 && (shipFlags & 0x20) && GetChoice3() == 0 &&
        !GetPair1().IsEqual(GetPair3()))
        return ShipCheckPairsDiffer;

    // The services count as methods: without a fee when their size is
    // decided later, with one otherwise.
    CDWordArray feeTypes;
    for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
        feeTypes.Add((DWORD)m_methods.GetNext(pos).GetFeeType());
    if (shipFlags & 0x02)
        feeTypes.Add(GetChoice1() == 1 ? CShipMethod::FeeNone : CShipMethod::FeeOne);
    if (shipFlags & 0x08)
        feeTypes.Add(GetChoice2() == 1 ? CShipMethod::FeeNone : CShipMethod::FeeOne);
    if (shipFlags & 0x20)
        feeTypes.Add(GetChoice3() == 1 ? CShipMethod::FeeNone : CShipMethod::FeeOne);

    BOOL markNoFee = FALSE;
    BOOL markClient = FALSE;
    BOOL allNoFee = feeTypes.GetSize() > 0;
    BOOL allClient = feeTypes.GetSize() > 0;
    for (int i = 0; i < (int)feeTypes.GetSize(); ++i)
    {
        int feeType = (int)feeTypes[i];
        if (feeType != CShipMethod::FeeNone)
            allNoFee = FALSE;
        if (feeType != CShipMethod::FeeClient)
            allClient = FALSE;
        if (feeType == CShipMethod::FeeLink)
            return ShipCheckLink;
        if (feeType == CShipMethod::FeeNone)
        {
            if (i > 0 && !markNoFee)
                return ShipCheckNoFeeMixed;
            markNoFee = TRUE;
            markClient = FALSE;
        }
        else if (feeType == CShipMethod::FeeClient)
        {
            if (shipFlags != 0 || (i > 0 && !markClient))
                return ShipCheckClientMixed;
            markClient = TRUE;
            markNoFee = FALSE;
        }
        else
        {
            if (markNoFee)
                return ShipCheckNoFeeMixed;
            if (markClient)
                return ShipCheckClientMixed;
        }
    }

    if (allNoFee && wholeIds != nullptr && (shipFlags & ~(DWORD)0x41) == 0)
    {
        BOOL allKnown = TRUE;
        for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr && allKnown;)
        {
            const CShipMethod& method = m_methods.GetNext(pos);
            if (!method.IsValid())
                continue;
            BOOL anyLoaded = FALSE;
            // A table without any text holds every name.
            if (FindNameInIds(method.GetName(), wholeIds, MATCH_NOCASE, &anyLoaded) < 0 && anyLoaded)
                allKnown = FALSE;
        }
        if (allKnown)
            return ShipCheckWholeNames;
    }

    if (allClient && arrivalIds != nullptr)
    {
        for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
        {
            const CShipMethod& method = m_methods.GetNext(pos);
            if (!method.IsValid())
                continue;
            int index = FindNameInIds(method.GetName(), arrivalIds, MATCH_NOCASE);
            if (index >= 0)
            {
                if (detail != nullptr)
                    *detail = (DWORD)index << 16;
                return ShipCheckArrivalName;
            }
        }
    }

    if (detail != nullptr)
    {
        if (allNoFee)
            *detail |= ShipDetailAllNoFee;
        if (allClient)
            *detail |= ShipDetailAllClient;
    }
    return ShipCheckOk;
}

void CAuctionShipMethods::Serialize(CArchive& ar, DWORD flags, DWORD methodFlags)
{
    if (ar.IsStoring())
    {
        if (flags & PartMethods)
        {
            ar << (DWORD)m_methods.GetCount();
            for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
                m_methods.GetNext(pos).Serialize(ar, methodFlags);
        }
        CAuctionShipping::Serialize(ar, flags);
        return;
    }
    Reset();
    if (flags & PartMethods)
    {
        DWORD count = LoadCount(ar, MaxStoredMethods);
        for (DWORD i = 0; i < count; ++i)
        {
            CShipMethod method;
            method.Serialize(ar, methodFlags);
            if (!(methodFlags & CShipMethod::FieldFeeType))
                method.UpdateFeeType();
            m_methods.AddTail(method);
        }
    }
    CAuctionShipping::Serialize(ar, flags);
}
