#include "text/JisConvert.h"

#include <cstring>

#include "text/CharClass.h"
#include "text/ConvertWriter.h"
#include "text/Cp932Map.h"
#include "text/IbmExtensionTable.h"

namespace
{
const BYTE ESC = 0x1B;

// The geta mark, the stand-in for a character that has no place in the
// target: Shift_JIS 0x81AC, JIS 0x222E.
const BYTE GETA_SJIS1 = 0x81, GETA_SJIS2 = 0xAC;
const BYTE GETA_JIS1 = 0x22, GETA_JIS2 = 0x2E;

inline bool IsKana(BYTE b)
{
    return b >= 0xA1 && b <= 0xDF;
}

inline bool IsJisByte(BYTE b)
{
    return b >= 0x21 && b <= 0x7E;
}

inline bool IsEucByte(BYTE b)
{
    return b >= 0xA1 && b <= 0xFE;
}

inline void SjisToJisPair(BYTE s1, BYTE s2, BYTE& j1, BYTE& j2)
{
    if (s1 >= 0xE0)
        s1 -= 0x40;
    if (s2 >= 0x80)
        s2 -= 1;
    if (s2 < 0x9E)
    {
        j1 = (BYTE)(2 * s1 - 0xE1);
        j2 = (BYTE)(s2 - 0x1F);
    }
    else
    {
        j1 = (BYTE)(2 * s1 - 0xE0);
        j2 = (BYTE)(s2 - 0x7D);
    }
}

inline void JisToSjisPair(BYTE j1, BYTE j2, BYTE& s1, BYTE& s2)
{
    if (j1 & 1)
    {
        s1 = (BYTE)((j1 + 1) / 2 + 0x70);
        s2 = (BYTE)(j2 + 0x1F);
    }
    else
    {
        s1 = (BYTE)(j1 / 2 + 0x70);
        s2 = (BYTE)(j2 + 0x7D);
    }
    if (s1 >= 0xA0)
        s1 += 0x40;
    if (s2 > 0x7E)
        s2 += 1;
}

// Whether a two-byte code is a character of code page 932: the others
// become the geta mark, as the UTF-8 converters substitute them.
inline bool IsAssignedSjis(BYTE s1, BYTE s2)
{
    return CCp932Map::Get().Pair(s1, s2) != 0;
}

inline bool IsAssignedJis(BYTE j1, BYTE j2)
{
    BYTE s1, s2;
    JisToSjisPair(j1, j2, s1, s2);
    return IsAssignedSjis(s1, s2);
}

// One character read from the input.
enum CharKind
{
    KIND_BYTE,    // a single byte to keep (ASCII, or a kana byte)
    KIND_PAIR,    // a JIS X 0208 pair in j1, j2
    KIND_GETA,    // no place in the target: the geta mark's pair in j1, j2
    KIND_DROPPED, // nothing (a NUL, a lead byte cut off by the end)
};

struct CharRead
{
    CharKind kind;
    int size; // input bytes taken
    BYTE j1, j2;
};

inline CharRead Geta(int size)
{
    return {KIND_GETA, size, GETA_JIS1, GETA_JIS2};
}

// Bytes of a malformed sequence to take as one: a following ASCII byte is
// read again as a character of its own, so that markup and line ends
// survive.
inline int BadSize(const BYTE* p, const BYTE* end, int good)
{
    return (p + good < end && p[good] >= 0x80) ? good + 1 : good;
}

// A Shift_JIS character as JIS X 0208 (user-defined characters and
// malformed bytes as the geta mark, IBM extensions moved to their
// NEC-selected or JIS X 0208 codes).
inline CharRead ReadSjis(const BYTE* p, const BYTE* end)
{
    const BYTE b = p[0];
    if (b < 0x80)
        return {b == 0 ? KIND_DROPPED : KIND_BYTE, 1, b, 0};
    if (IsKana(b))
        return {KIND_BYTE, 1, b, 0};
    if (!IsSjisLeadByte(b))
        return Geta(1);
    if (p + 1 == end)
        return {KIND_DROPPED, 1, 0, 0};
    BYTE t = p[1];
    if (!IsSjisTrailByte(t))
        return Geta(t >= 0x80 ? 2 : 1);
    BYTE s1 = b;
    if ((b >= 0xF0 && b <= 0xF9) || !IsAssignedSjis(b, t))
        return Geta(2);
    if (b >= 0xFA)
    {
        WORD code = kIbmExtensionToNec[b - 0xFA][t - 0x40];
        if (code == 0)
            return Geta(2);
        s1 = (BYTE)(code >> 8);
        t = (BYTE)code;
    }
    CharRead r = {KIND_PAIR, 2, 0, 0};
    SjisToJisPair(s1, t, r.j1, r.j2);
    return r;
}

// An EUC-JP character: ASCII, a kana byte (0x8E pair), a JIS X 0208 pair;
// JIS X 0212 (0x8F triple) and malformed bytes as the geta mark.
inline CharRead ReadEuc(const BYTE* p, const BYTE* end)
{
    const BYTE b = p[0];
    if (b < 0x80)
        return {b == 0 ? KIND_DROPPED : KIND_BYTE, 1, b, 0};
    if (b == 0x8E)
    {
        if (p + 1 == end)
            return {KIND_DROPPED, 1, 0, 0};
        if (IsKana(p[1]))
            return {KIND_BYTE, 2, p[1], 0};
        return Geta(BadSize(p, end, 1));
    }
    if (b == 0x8F)
    {
        if (p + 1 == end)
            return {KIND_DROPPED, 1, 0, 0};
        if (!IsEucByte(p[1]))
            return Geta(BadSize(p, end, 1));
        if (p + 2 == end)
            return {KIND_DROPPED, 2, 0, 0};
        if (!IsEucByte(p[2]))
            return Geta(BadSize(p, end, 2));
        return Geta(3);
    }
    if (!IsEucByte(b))
        return Geta(1);
    if (p + 1 == end)
        return {KIND_DROPPED, 1, 0, 0};
    if (!IsEucByte(p[1]))
        return Geta(BadSize(p, end, 1));
    const BYTE j1 = (BYTE)(b - 0x80), j2 = (BYTE)(p[1] - 0x80);
    if (!IsAssignedJis(j1, j2))
        return Geta(2);
    return {KIND_PAIR, 2, j1, j2};
}

// Raw 8-bit bytes inside ISO-2022-JP text, taken as Shift_JIS as they are.
inline int CopyRawSjis(const BYTE* p, const BYTE* end, CConvertWriter& w, bool& substituted)
{
    const BYTE b = p[0];
    if (IsKana(b))
    {
        w.Put((char)b);
        return 1;
    }
    if (IsSjisLeadByte(b) && p + 1 < end && IsSjisTrailByte(p[1]))
    {
        w.Put((char)b, (char)p[1]);
        return 2;
    }
    substituted = true;
    if (IsSjisLeadByte(b) && p + 1 == end)
        return 1;
    w.Put((char)GETA_SJIS1, (char)GETA_SJIS2);
    return (IsSjisLeadByte(b) && p + 1 < end && p[1] >= 0x80) ? 2 : 1;
}

// Bytes of the ISO-2022-JP escape at p (p[0] is ESC) and the mode it
// selects; 0 when it is not one.
enum JisMode
{
    MODE_ASCII,
    MODE_KANJI,
    MODE_KANA,
    MODE_OTHER_KANJI, // a two-byte set without Shift_JIS codes (JIS X 0212)
};

inline int ReadEscape(const BYTE* p, const BYTE* end, JisMode& mode, bool& known)
{
    const size_t left = (size_t)(end - p) - 1;
    known = true;
    if (left >= 2 && p[1] == '$' && (p[2] == '@' || p[2] == 'B'))
    {
        mode = MODE_KANJI;
        return 3;
    }
    if (left >= 3 && p[1] == '$' && p[2] == '(')
    {
        if (p[3] == 'O' || p[3] == 'Q')
        {
            mode = MODE_KANJI;
            return 4;
        }
        if (p[3] == 'D' || p[3] == 'P')
        {
            mode = MODE_OTHER_KANJI;
            return 4;
        }
    }
    if (left >= 5 && p[1] == '&' && p[2] == '@' && p[3] == ESC && p[4] == '$' && p[5] == 'B')
    {
        mode = MODE_KANJI;
        return 6;
    }
    if (left >= 2 && p[1] == '(')
    {
        if (p[2] == 'B' || p[2] == 'J' || p[2] == 'H')
        {
            mode = MODE_ASCII;
            return 3;
        }
        if (p[2] == 'I')
        {
            mode = MODE_KANA;
            return 3;
        }
    }
    known = false;
    // Another designation of two printable bytes: read on as ASCII.
    if (left >= 2 && p[1] >= 0x20 && p[1] <= 0x7E && p[2] >= 0x20 && p[2] <= 0x7E)
    {
        mode = MODE_ASCII;
        return 3;
    }
    return 0;
}

// What SjisToEuc and EucToSjis write for a kept byte and for a JIS X 0208
// pair.
struct EucTarget
{
    static void Byte(BYTE b, CConvertWriter& w)
    {
        if (b >= 0x80)
            w.Put((char)0x8E, (char)b);
        else
            w.Put((char)b);
    }
    static void Pair(BYTE j1, BYTE j2, CConvertWriter& w) { w.Put((char)(j1 | 0x80), (char)(j2 | 0x80)); }
};

struct SjisTarget
{
    static void Byte(BYTE b, CConvertWriter& w) { w.Put((char)b); }
    static void Pair(BYTE j1, BYTE j2, CConvertWriter& w)
    {
        BYTE s1, s2;
        JisToSjisPair(j1, j2, s1, s2);
        w.Put((char)s1, (char)s2);
    }
};

// The two directions between Shift_JIS and EUC-JP: each character is
// taken by Read and written as Target writes it. Both are template
// arguments so that they are inlined into the loop.
template <CharRead (*Read)(const BYTE*, const BYTE*), class Target>
BOOL ConvertByPairs(const char* data, int length, int sizeHint, CString& out, BOOL* pSubstituted)
{
    return ConvertByChars(data, length, sizeHint, out, pSubstituted,
                          [](const BYTE*& p, const BYTE* end, CConvertWriter& w, bool& substituted)
                          {
                              const CharRead r = Read(p, end);
                              p += r.size;
                              w.Ensure(2);
                              switch (r.kind)
                              {
                              case KIND_BYTE:
                                  Target::Byte(r.j1, w);
                                  break;
                              case KIND_GETA:
                                  substituted = true;
                                  [[fallthrough]];
                              case KIND_PAIR:
                                  Target::Pair(r.j1, r.j2, w);
                                  break;
                              case KIND_DROPPED:
                                  substituted = true;
                                  break;
                              }
                          });
}
} // namespace

BOOL SjisToEuc(const char* data, int length, CString& out, BOOL* pSubstituted)
{
    return ConvertByPairs<ReadSjis, EucTarget>(data, length, length + length / 8, out, pSubstituted);
}

BOOL EucToSjis(const char* data, int length, CString& out, BOOL* pSubstituted)
{
    return ConvertByPairs<ReadEuc, SjisTarget>(data, length, length, out, pSubstituted);
}

BOOL SjisToJis(const char* data, int length, CString& out, BOOL* pSubstituted)
{
    if (data == nullptr || length < 0)
        return CConvertWriter::NoInput(out, pSubstituted);
    const BYTE* p = (const BYTE*)data;
    const BYTE* end = p + length;
    CConvertWriter w(length + length / 4, out, data, length);
    bool substituted = false;
    JisMode mode = MODE_ASCII;
    auto shift = [&](JisMode to)
    {
        if (mode == to)
            return;
        w.Ensure(3);
        w.Put((char)ESC);
        if (to == MODE_KANJI)
            w.Put('$', 'B');
        else
            w.Put('(', to == MODE_KANA ? 'I' : 'B');
        mode = to;
    };
    while (p < end)
    {
        CharRead r = ReadSjis(p, end);
        p += r.size;
        switch (r.kind)
        {
        case KIND_BYTE:
            if (r.j1 == ESC)
            {
                // An escape in the text would switch the reader's mode.
                substituted = true;
                break;
            }
            shift(r.j1 >= 0x80 ? MODE_KANA : MODE_ASCII);
            w.Ensure(1);
            w.Put((char)(r.j1 & 0x7F));
            break;
        case KIND_GETA:
            substituted = true;
            [[fallthrough]];
        case KIND_PAIR:
            shift(MODE_KANJI);
            w.Ensure(2);
            w.Put((char)r.j1, (char)r.j2);
            break;
        case KIND_DROPPED:
            substituted = true;
            break;
        }
    }
    shift(MODE_ASCII);
    w.Finish(out, substituted, pSubstituted);
    return TRUE;
}

BOOL JisToSjis(const char* data, int length, CString& out, BOOL* pSubstituted)
{
    if (data == nullptr || length < 0)
        return CConvertWriter::NoInput(out, pSubstituted);
    const BYTE* p = (const BYTE*)data;
    const BYTE* end = p + length;
    CConvertWriter w(length, out, data, length);
    bool substituted = false;
    JisMode mode = MODE_ASCII;
    while (p < end)
    {
        const BYTE b = *p;
        w.Ensure(2);
        if (b == ESC)
        {
            bool known;
            int n = ReadEscape(p, end, mode, known);
            if (!known)
                substituted = true;
            p += n > 0 ? n : 1;
            continue;
        }
        if (b == 0)
        {
            substituted = true;
            ++p;
            continue;
        }
        if (b < 0x21 || b == 0x7F)
        {
            w.Put((char)b);
            ++p;
            continue;
        }
        if (b >= 0x80)
        {
            // 8-bit bytes in a 7-bit text: kana and Shift_JIS as they are.
            bool bad = false;
            p += CopyRawSjis(p, end, w, bad);
            substituted = substituted || bad;
            continue;
        }
        switch (mode)
        {
        case MODE_ASCII:
            w.Put((char)b);
            ++p;
            break;
        case MODE_KANA:
            if (b <= 0x5F)
                w.Put((char)(b + 0x80));
            else
            {
                w.Put((char)GETA_SJIS1, (char)GETA_SJIS2);
                substituted = true;
            }
            ++p;
            break;
        case MODE_KANJI:
        case MODE_OTHER_KANJI:
            if (p + 1 == end)
            {
                substituted = true;
                ++p;
            }
            else if (!IsJisByte(p[1]))
            {
                // Read the second byte again: a line end or an escape.
                w.Put((char)GETA_SJIS1, (char)GETA_SJIS2);
                substituted = true;
                ++p;
            }
            else if (mode == MODE_OTHER_KANJI || !IsAssignedJis(b, p[1]))
            {
                w.Put((char)GETA_SJIS1, (char)GETA_SJIS2);
                substituted = true;
                p += 2;
            }
            else
            {
                BYTE s1, s2;
                JisToSjisPair(b, p[1], s1, s2);
                w.Put((char)s1, (char)s2);
                p += 2;
            }
            break;
        }
    }
    w.Finish(out, substituted, pSubstituted);
    return TRUE;
}

BOOL SjisToEuc(LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    return SjisToEuc(text, text != nullptr ? (int)std::strlen(text) : -1, out, pSubstituted);
}

BOOL EucToSjis(LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    return EucToSjis(text, text != nullptr ? (int)std::strlen(text) : -1, out, pSubstituted);
}

BOOL SjisToJis(LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    return SjisToJis(text, text != nullptr ? (int)std::strlen(text) : -1, out, pSubstituted);
}

BOOL JisToSjis(LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    return JisToSjis(text, text != nullptr ? (int)std::strlen(text) : -1, out, pSubstituted);
}
