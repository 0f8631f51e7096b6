#ifndef TANZO_TEXT_CP932MAP_H
#define TANZO_TEXT_CP932MAP_H

#include "afx/wintypes.h"

// The platform's mapping between code page 932 and UTF-16 (afx/CodePage.h:
// Windows' own tables there, iconv "CP932" natively), read once into
// lookup tables so that the converters need no call per character.
class CCp932Map
{
public:
    static const CCp932Map& Get();

    // The UTF-16 unit of a byte that is not a lead byte, 0 when it has none.
    char16_t Single(BYTE b) const { return m_single[b]; }
    // The unit of a lead byte with a trail byte, 0 when the pair has none.
    char16_t Pair(BYTE lead, BYTE trail) const { return m_pairs[m_leadRow[lead]][trail]; }
    // The code page 932 code of a unit (a byte below 0x100, else lead << 8 |
    // trail), 0 when it has none.
    WORD FromWide(char16_t unit) const { return m_fromWide[unit]; }

    // The stand-ins for what cannot be converted.
    static const char16_t kUndecodable = 0x30FB;
    static const char kUnmappable = '?';

private:
    CCp932Map();
    void ReadToWide();
    void ReadFromWide();

    char16_t m_single[256];
    BYTE m_leadRow[256];
    char16_t m_pairs[61][256]; // row 0: no lead byte
    WORD m_fromWide[0x10000];
};

#endif // TANZO_TEXT_CP932MAP_H
