#ifndef TANZO_CONTROLS_CHOICEVALUE_H
#define TANZO_CONTROLS_CHOICEVALUE_H

#include "afx/wintypes.h"

class CArchive;

// One chosen value of a small set (a mark, a setting) kept in archives.
// Whatever a damaged or foreign file holds, a loaded value lies in
// 0..MaxValue: anything else reads as 0.
class CChoiceValue
{
public:
    enum
    {
        MaxValue = 2816
    };
    // Flag of Serialize: the value takes part.
    enum
    {
        SerializeValue = 0x1
    };

    CChoiceValue() : m_nValue(0) {}
    CChoiceValue(const CChoiceValue& other) = default;
    CChoiceValue& operator=(const CChoiceValue& other) = default;
    virtual ~CChoiceValue();

    int GetValue() const { return m_nValue; }
    // TRUE when the value changed.
    BOOL Set(int nValue);
    BOOL IsZero() const { return m_nValue == 0; }
    void Clear() { m_nValue = 0; }
    BOOL IsEqual(const CChoiceValue& other) const { return this == &other || m_nValue == other.m_nValue; }

    // Loading clears the value first; the value itself is read or written
    // as one 32-bit int only with SerializeValue in flags.
    void Serialize(CArchive& ar, DWORD flags);

protected:
    int m_nValue;
};

#endif // TANZO_CONTROLS_CHOICEVALUE_H
