#ifndef TANZO_TEXT_BITFLAGS_H
#define TANZO_TEXT_BITFLAGS_H

#include "afx/wintypes.h"

class CArchive;

// A 32-bit flag word behind a small polymorphic value class: the switches of
// most option, state and operation objects. The meaning of the bits belongs
// to the owner. Derived classes add their own virtual operations after these
// and override none of them; the compound operations still go through the
// table so that an override would be seen.
//
// CBitFlags and CBitFlagsEx behave alike and store alike; they are distinct
// classes so that what is built on one is not the other.
template <class TFlags> class CBitFlagsT
{
public:
    CBitFlagsT(DWORD dwFlags = 0) : m_dwFlags(dwFlags) {}
    CBitFlagsT(const CBitFlagsT& other) : m_dwFlags(other.m_dwFlags) {}
    virtual ~CBitFlagsT();

    virtual TFlags& Set(DWORD dwFlags);
    virtual DWORD Get() const;
    virtual TFlags& Add(DWORD dwBits);
    // Word AND bits: non-zero when any of the bits is set.
    virtual DWORD TestAny(DWORD dwBits) const;
    // TRUE only for non-zero bits that are all set.
    virtual BOOL TestAll(DWORD dwBits) const;
    virtual TFlags& Remove(DWORD dwBits);
    virtual TFlags& SetOrRemove(DWORD dwBits, BOOL bOn);
    // Removes all the bits when any of them is set, else adds them all.
    virtual TFlags& Toggle(DWORD dwBits);
    virtual TFlags& SetMasked(DWORD dwValue, DWORD dwMask);
    virtual TFlags& Clear();
    virtual BOOL Equals(const TFlags& other) const;
    virtual TFlags& Assign(const TFlags& other);
    // The word as one 32-bit little-endian value, the same for both classes.
    virtual CArchive& Serialize(CArchive& ar);

    TFlags& operator=(const CBitFlagsT& other) { return Assign(static_cast<const TFlags&>(other)); }

protected:
    DWORD m_dwFlags;

private:
    TFlags& Self() { return static_cast<TFlags&>(*this); }
};

class CBitFlags : public CBitFlagsT<CBitFlags>
{
public:
    CBitFlags(DWORD dwFlags = 0) : CBitFlagsT<CBitFlags>(dwFlags) {}
    CBitFlags(const CBitFlags& other) = default;
    CBitFlags& operator=(const CBitFlags& other) = default;
    ~CBitFlags() override;
};

class CBitFlagsEx : public CBitFlagsT<CBitFlagsEx>
{
public:
    CBitFlagsEx(DWORD dwFlags = 0) : CBitFlagsT<CBitFlagsEx>(dwFlags) {}
    CBitFlagsEx(const CBitFlagsEx& other) = default;
    CBitFlagsEx& operator=(const CBitFlagsEx& other) = default;
    ~CBitFlagsEx() override;
};

extern template class CBitFlagsT<CBitFlags>;
extern template class CBitFlagsT<CBitFlagsEx>;

#endif // TANZO_TEXT_BITFLAGS_H
