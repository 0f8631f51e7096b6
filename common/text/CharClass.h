#ifndef TANZO_TEXT_CHARCLASS_H
#define TANZO_TEXT_CHARCLASS_H

#include "afx/wintypes.h"

// Byte classes of code page 932 text. A byte below 0x80, 0x80 itself and
// 0xA0-0xDF stand alone; every other byte from 0x80 up begins a two-byte
// character, which text routines step over as a whole.

inline BOOL IsAsciiByte(BYTE b)
{
    return b < 0x80;
}

inline BOOL IsHalfWidthKana(BYTE b)
{
    return b == 0x80 || (b >= 0xA0 && b <= 0xDF);
}

inline BOOL IsSingleByteChar(BYTE b)
{
    return b < 0x81 || (b >= 0xA0 && b <= 0xDF);
}

// The bytes that code page 932 assigns as lead and as trail bytes, for
// converters and validity tests (text routines step by IsSingleByteChar).
inline BOOL IsSjisLeadByte(BYTE b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline BOOL IsSjisTrailByte(BYTE b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

inline BOOL IsEucKanaPair(BYTE lead, BYTE trail)
{
    return lead == 0x8E && trail >= 0xA0 && trail <= 0xDF;
}

inline BOOL IsDigitChar(int c)
{
    return c >= '0' && c <= '9';
}

inline BOOL IsHexDigitChar(int c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Value of a hexadecimal digit, -1 for any other character.
inline int HexDigitValue(int c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes of the character at p (1 or 2); a lead byte right before the
// terminating NUL counts as a character of its own.
inline int CharLength(LPCTSTR p)
{
    return (!IsSingleByteChar((BYTE)p[0]) && p[1] != '\0') ? 2 : 1;
}

// The same inside a counted range: p + 1 must lie inside it for two bytes.
inline int CharLength(LPCTSTR p, LPCTSTR end)
{
    return (!IsSingleByteChar((BYTE)p[0]) && p + 1 < end) ? 2 : 1;
}

// The same in HTML and entity text: a lead byte before a byte below 0x40
// (no trail byte of code page 932, but '&', '<' or a quote) stands alone,
// so that the markup byte after it is still seen.
inline int MarkupCharLength(LPCTSTR p, LPCTSTR end)
{
    return (!IsSingleByteChar((BYTE)p[0]) && p + 1 < end && (BYTE)p[1] >= 0x40) ? 2 : 1;
}

// TRUE when every byte is ASCII; the empty text (and null) passes.
BOOL IsAllAscii(LPCTSTR text);

// TRUE when a single-byte character of the text is half-width kana.
BOOL HasHalfWidthKana(LPCTSTR text);

// Flags of IsNumericText.
#define NUMERIC_SIGN 1 // a leading '+' or '-'
#define NUMERIC_DOT 2  // any number of '.'
#define NUMERIC_HEX 4  // hexadecimal digits

// TRUE when every byte is a digit (hexadecimal with NUMERIC_HEX), allowing
// a sign at the first position and dots as the flags say. The empty text
// is numeric.
BOOL IsNumericText(LPCTSTR text, int flags = 0);

#endif // TANZO_TEXT_CHARCLASS_H
