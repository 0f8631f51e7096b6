#include "auction/shipping/AuctionShipping.h"

#include "afx/Archive.h"

namespace
{
int LoadChoice(CArchive& ar)
{
    LONG choice = 0;
    ar >> choice;
    return (choice == 0 || choice == 1) ? (int)choice : 0;
}
} // namespace

CAuctionShipping::CAuctionShipping() : m_shipFlags(0)
{
    Reset();
}

void CAuctionShipping::Reset()
{
    m_shipFlags.Clear();
    m_choice1 = 0;
    m_choice2 = 0;
    m_choice3 = 0;
    m_prefecture = DefaultPrefecture;
    m_pair1.Reset();
    m_pair2.Reset();
    m_pair3.Reset();
}

void CAuctionShipping::CopyFrom(const CAuctionShipping& other)
{
    if (&other == this)
        return;
    m_shipFlags.Assign(other.m_shipFlags);
    m_choice1 = other.m_choice1;
    m_choice2 = other.m_choice2;
    m_choice3 = other.m_choice3;
    m_prefecture = other.m_prefecture;
    m_pair1.CopyFrom(other.m_pair1);
    m_pair2.CopyFrom(other.m_pair2);
    m_pair3.CopyFrom(other.m_pair3);
}

void CAuctionShipping::CopyTo(CAuctionShipping& other) const
{
    other.CopyFrom(*this);
}

BOOL CAuctionShipping::IsEqual(const CAuctionShipping& other) const
{
    if (&other == this)
        return TRUE;
    return m_shipFlags.Equals(other.m_shipFlags) && m_choice1 == other.m_choice1 &&
           m_choice2 == other.m_choice2 && m_choice3 == other.m_choice3 &&
           m_prefecture == other.m_prefecture && m_pair1.IsEqual(other.m_pair1) &&
           m_pair2.IsEqual(other.m_pair2) && m_pair3.IsEqual(other.m_pair3);
}

BOOL CAuctionShipping::GetPrefectureName(CString& out, const UINT* ids) const
{
    if (ids == nullptr || m_prefecture < 1 || m_prefecture > PrefectureCount)
        return FALSE;
    return out.LoadString(ids[m_prefecture - 1]);
}

BOOL CAuctionShipping::BuildShippingTermsEntries(CShippingTermsEntryList& list, const DWORD* flagValues,
                                                 const UINT* nameIds, UINT a1, UINT b1, UINT a2, UINT b2,
                                                 const UINT* prefectureIds) const
{
    if (flagValues == nullptr || nameIds == nullptr || a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0)
        return FALSE;
    list.RemoveAll();
    for (int i = 0; flagValues[i] != 0; ++i)
    {
        if (nameIds[i] == 0)
            break;
        DWORD flag = flagValues[i];
        if (!m_shipFlags.TestAny(flag))
            continue;
        CString name;
        name.LoadString(nameIds[i]);
        CString detail;
        switch (flag)
        {
        case 0x02:
            if (m_choice1 == 0)
                m_pair1.Format(detail, a1, b1, a2, b2, 0);
            break;
        case 0x08:
            if (m_choice2 == 0)
                m_pair2.Format(detail, a1, b1, a2, b2, 0);
            break;
        case 0x10:
            if (prefectureIds != nullptr)
                GetPrefectureName(detail, prefectureIds);
            break;
        case 0x20:
            if (m_choice3 == 0)
                m_pair3.Format(detail, a1, b1, a2, b2, 0);
            break;
        default:
            break;
        }
        list.AddTail(CShippingTermsEntry(name, detail));
    }
    return TRUE;
}

BOOL CAuctionShipping::FormatShippingTermsText(CString& out, UINT formatId, LPCTSTR separator,
                                               const DWORD* flagValues, const UINT* nameIds, UINT a1, UINT b1,
                                               UINT a2, UINT b2, const UINT* prefectureIds) const
{
    if (formatId == 0)
        return FALSE;
    CShippingTermsEntryList entries;
    if (!BuildShippingTermsEntries(entries, flagValues, nameIds, a1, b1, a2, b2, prefectureIds))
        return FALSE;
    CString format;
    format.LoadString(formatId);
    for (POSITION pos = entries.GetHeadPosition(); pos != nullptr;)
    {
        const CShippingTermsEntry& entry = entries.GetNext(pos);
        CString text;
        if (!entry.GetDetail().IsEmpty())
            text.Format(format, (LPCTSTR)entry.GetName(), (LPCTSTR)entry.GetDetail());
        else
            text = entry.GetName();
        if (separator != nullptr && *separator != '\0' && !out.IsEmpty())
            out += separator;
        out += text;
    }
    return TRUE;
}

void CAuctionShipping::Serialize(CArchive& ar, DWORD flags)
{
    const DWORD pairParts = CSelectValuePair::PartFirst | CSelectValuePair::PartSecond;
    if (ar.IsStoring())
    {
        if (flags & PartFlags)
            m_shipFlags.Serialize(ar);
        if (flags & PartGroup1)
        {
            ar << (LONG)m_choice1;
            m_pair1.Serialize(ar, pairParts);
        }
        if (flags & PartGroup2)
        {
            ar << (LONG)m_choice2;
            ar << (LONG)m_prefecture;
            m_pair2.Serialize(ar, pairParts);
        }
        if (flags & PartGroup3)
        {
            ar << (LONG)m_choice3;
            m_pair3.Serialize(ar, pairParts);
        }
        return;
    }
    Reset();
    if (flags & PartFlags)
        m_shipFlags.Serialize(ar);
    if (flags & PartGroup1)
    {
        m_choice1 = LoadChoice(ar);
        m_pair1.Serialize(ar, pairParts);
    }
    if (flags & PartGroup2)
    {
        m_choice2 = LoadChoice(ar);
        LONG prefecture = 0;
        ar >> prefecture;
        m_prefecture =
            (prefecture >= 1 && prefecture <= PrefectureCount) ? (int)prefecture : DefaultPrefecture;
        m_pair2.Serialize(ar, pairParts);
    }
    if (flags & PartGroup3)
    {
        m_choice3 = LoadChoice(ar);
        m_pair3.Serialize(ar, pairParts);
    }
    if (flags & PartFlags)
    {
        // A group whose details were not stored cannot stay switched on.
        if (!(flags & PartGroup1))
            m_shipFlags.Remove(ShipGroup1);
        if (!(flags & PartGroup2))
            m_shipFlags.Remove(ShipGroup2);
        if (!(flags & PartGroup3))
            m_shipFlags.Remove(ShipGroup3);
    }
}
