#include "auction/shipping/ShipMethod.h"

#include "afx/Archive.h"
#include "auction/records/ArchiveWords.h"
#include "text/NumberText.h"

CShipMethod::CShipMethod()
{
    Clear();
}

void CShipMethod::Clear()
{
    m_feeType = FeeOne;
    m_fee = -1;
    for (LONGLONG& fee : m_regionFee)
        fee = -1;
    m_name.Empty();
    m_link.Empty();
}

void CShipMethod::CopyFrom(const CShipMethod& other)
{
    if (&other == this)
        return;
    m_feeType = other.m_feeType;
    m_fee = other.m_fee;
    for (int i = 0; i < 3; ++i)
        m_regionFee[i] = other.m_regionFee[i];
    m_name = other.m_name;
    m_link = other.m_link;
}

BOOL CShipMethod::IsEqual(const CShipMethod& other) const
{
    for (int i = 0; i < 3; ++i)
        if (m_regionFee[i] != other.m_regionFee[i])
            return FALSE;
    return m_feeType == other.m_feeType && m_fee == other.m_fee && m_name == other.m_name &&
           m_link == other.m_link;
}

LONGLONG CShipMethod::GetRegionFee(int index) const
{
    if (index < 0 || index > 2)
        return -1;
    return m_regionFee[index];
}

void CShipMethod::UpdateFeeType()
{
    if (HasAnyRegionFee())
        m_feeType = FeeRegional;
    else if (HasFee())
        m_feeType = FeeOne;
    else if (!m_link.IsEmpty())
        m_feeType = FeeLink;
    else
        m_feeType = FeeNone;
}

BOOL CShipMethod::FormatRegionFees(CString& out, const UINT* ids, UINT formatId, UINT separatorId) const
{
    CString separator;
    if (separatorId == 0 || !separator.LoadString(separatorId))
        separator = " ";
    CString joined;
    BOOL any = FALSE;
    for (int i = 0; i < 3; ++i)
    {
        if (m_regionFee[i] < 0)
            continue;
        CString part;
        FormatAmountWithUnit(m_regionFee[i], part);
        CString format;
        if (ids != nullptr && ids[i] != 0 && format.LoadString(ids[i]))
        {
            CString formatted;
            formatted.Format(format, (LPCTSTR)part);
            part = formatted;
        }
        if (any)
            joined += separator;
        joined += part;
        any = TRUE;
    }
    if (!any)
        return FALSE;
    CString format;
    if (formatId != 0 && format.LoadString(formatId))
        out.Format(format, (LPCTSTR)joined);
    else
        out = " " + joined;
    return !out.IsEmpty();
}

void CShipMethod::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsStoring())
    {
        if (flags & FieldName)
            ar << m_name;
        if (flags & FieldFeeType)
            ar << (LONG)m_feeType;
        if (flags & FieldFee)
            StoreInt64(ar, m_fee);
        if (flags & FieldRegionFees)
            for (LONGLONG fee : m_regionFee)
                StoreInt64(ar, fee);
        if (flags & FieldLink)
            ar << m_link;
        return;
    }
    Clear();
    if (flags & FieldName)
        ar >> m_name;
    if (flags & FieldFeeType)
    {
        LONG feeType = 0;
        ar >> feeType;
        m_feeType = (feeType >= 0 && feeType <= MaxFeeType) ? (int)feeType : FeeNone;
    }
    if (flags & FieldFee)
        m_fee = LoadInt64(ar);
    if (flags & FieldRegionFees)
        for (LONGLONG& fee : m_regionFee)
            fee = LoadInt64(ar);
    if (flags & FieldLink)
        ar >> m_link;
}
