#include "text/Cp932Map.h"

#include <cstring>
#include <string>

#include "afx/CodePage.h"
#include "text/CharClass.h"

namespace
{
// C0 and C1 controls: no byte but an ASCII one stands for them.
bool IsControlUnit(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}
} // namespace

const CCp932Map& CCp932Map::Get()
{
    static const CCp932Map* map = new CCp932Map; // lives as long as the process
    return *map;
}

CCp932Map::CCp932Map()
{
    std::memset(m_single, 0, sizeof(m_single));
    std::memset(m_leadRow, 0, sizeof(m_leadRow));
    std::memset(m_pairs, 0, sizeof(m_pairs));
    std::memset(m_fromWide, 0, sizeof(m_fromWide));
    ReadToWide();
    ReadFromWide();
}

void CCp932Map::ReadToWide()
{
    for (int b = 1; b < 0x80; ++b)
        m_single[b] = (char16_t)b;
    std::u16string wide;
    for (int b = 0x80; b < 0x100; ++b)
    {
        if (IsSjisLeadByte((BYTE)b))
            continue;
        const char c = (char)b;
        // 0x80 is a control character (U+0080): substituted as the others.
        if (AfxMultiByteToWide(CP_SHIFT_JIS, &c, 1, wide) && wide.size() == 1 && wide[0] != kUndecodable &&
            !IsControlUnit(wide[0]))
            m_single[b] = wide[0];
    }

    // Every pair in one call; each gives one unit (its own or U+30FB).
    std::string pairs;
    int row = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead)
    {
        if (!IsSjisLeadByte((BYTE)lead))
            continue;
        m_leadRow[lead] = (BYTE)++row;
        for (int trail = 0x40; trail <= 0xFC; ++trail)
        {
            if (!IsSjisTrailByte((BYTE)trail))
                continue;
            pairs += (char)lead;
            pairs += (char)trail;
        }
    }
    bool whole = AfxMultiByteToWide(CP_SHIFT_JIS, pairs.data(), (int)pairs.size(), wide) &&
                 wide.size() * 2 == pairs.size();
    for (size_t i = 0; i < pairs.size(); i += 2)
    {
        const BYTE lead = (BYTE)pairs[i];
        const BYTE trail = (BYTE)pairs[i + 1];
        char16_t unit = 0;
        if (whole)
            unit = wide[i / 2];
        else
        {
            std::u16string one;
            if (AfxMultiByteToWide(CP_SHIFT_JIS, &pairs[i], 2, one) && one.size() == 1)
                unit = one[0];
        }
        // U+30FB is the platform's stand-in, and the character of 0x8145.
        if (unit == kUndecodable && !(lead == 0x81 && trail == 0x45))
            unit = 0;
        if (IsControlUnit(unit))
            unit = 0;
        m_pairs[m_leadRow[lead]][trail] = unit;
    }
}

void CCp932Map::ReadFromWide()
{
    // Every unit but NUL and the surrogates in one call, then the output
    // read back character by character; one per unit, '?' where none.
    std::u16string units;
    units.reserve(0x10000);
    for (int u = 1; u < 0x10000; ++u)
        if (u < 0xD800 || u > 0xDFFF)
            units += (char16_t)u;
    std::string bytes;
    bool ok = AfxWideToMultiByte(CP_SHIFT_JIS, units.data(), (int)units.size(), bytes) != FALSE;
    size_t j = 0;
    for (size_t i = 0; ok && i < units.size(); ++i)
    {
        if (j >= bytes.size())
        {
            ok = false;
            break;
        }
        const BYTE b = (BYTE)bytes[j];
        WORD code = b;
        if (IsSjisLeadByte(b) && j + 1 < bytes.size())
        {
            code = (WORD)((b << 8) | (BYTE)bytes[j + 1]);
            j += 2;
        }
        else
            ++j;
        m_fromWide[units[i]] = code;
    }
    if (!ok || j != bytes.size())
    {
        // The output did not split into one character per unit: ask unit by
        // unit.
        std::memset(m_fromWide, 0, sizeof(m_fromWide));
        for (char16_t u : units)
        {
            std::string one;
            BOOL usedDefault = FALSE;
            if (!AfxWideToMultiByte(CP_SHIFT_JIS, &u, 1, one, &usedDefault) || usedDefault || one.empty() ||
                one.size() > 2)
                continue;
            m_fromWide[u] = one.size() == 2 ? (WORD)(((BYTE)one[0] << 8) | (BYTE)one[1]) : (WORD)(BYTE)one[0];
        }
    }
    for (int u = 0x80; u < 0x10000; ++u)
    {
        // '?' is the platform's stand-in; a control byte stands only for
        // itself (0x80 for none); a single 0xFD-0xFF would read as a lead
        // byte.
        const WORD code = m_fromWide[u];
        if (code == (WORD)kUnmappable || code < 0x20 || code == 0x7F || code == 0x80 ||
            (code >= 0xFD && code <= 0xFF))
            m_fromWide[u] = 0;
    }
    for (int u = 1; u < 0x80; ++u)
        m_fromWide[u] = (WORD)u;
}
