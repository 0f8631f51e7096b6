#include "text/WideConvert.h"

#include <cstring>
#include <string>

#include "afx/CodePage.h"
#include "text/CharBuffer.h"
#include "text/CharClass.h"
#include "text/ConvertWriter.h"
#include "text/Cp932Map.h"
#include "text/TextCut.h"

namespace
{
inline void PutUtf8(char16_t u, CConvertWriter& w)
{
    if (u < 0x80)
        w.Put((char)u);
    else if (u < 0x800)
        w.Put((char)(0xC0 | (u >> 6)), (char)(0x80 | (u & 0x3F)));
    else
    {
        w.Put((char)(0xE0 | (u >> 12)));
        w.Put((char)(0x80 | ((u >> 6) & 0x3F)), (char)(0x80 | (u & 0x3F)));
    }
}

// A code page 932 code, or '?' for 0 (no code).
inline void PutCp932(WORD code, CConvertWriter& w, bool& substituted)
{
    if (code >= 0x100)
        w.Put((char)(code >> 8), (char)code);
    else if (code != 0)
        w.Put((char)code);
    else
    {
        substituted = true;
        w.Put(CCp932Map::kUnmappable);
    }
}

// The UTF-16 unit of the code page 932 character at p; size gets its bytes.
inline char16_t ReadCp932(const CCp932Map& map, const BYTE* p, const BYTE* end, int& size, bool& substituted)
{
    const BYTE b = *p;
    char16_t u;
    size = 1;
    if (IsSjisLeadByte(b))
    {
        if (p + 1 < end && IsSjisTrailByte(p[1]))
        {
            size = 2;
            u = map.Pair(b, p[1]);
        }
        else
        {
            // A following ASCII byte is read again on its own.
            size = (p + 1 < end && p[1] >= 0x80) ? 2 : 1;
            u = 0;
        }
    }
    else
        u = map.Single(b);
    if (u == 0)
    {
        substituted = true;
        u = CCp932Map::kUndecodable;
    }
    return u;
}

// The code point of the UTF-8 sequence at p, or -1 for a malformed one,
// which then takes size bytes (its longest well-formed beginning, at least
// one byte).
inline long ReadUtf8(const BYTE* p, const BYTE* end, int& size)
{
    const BYTE b = *p;
    int count;
    long cp;
    BYTE low = 0x80, high = 0xBF;
    size = 1;
    if (b >= 0xC2 && b <= 0xDF)
    {
        count = 1;
        cp = b & 0x1F;
    }
    else if (b >= 0xE0 && b <= 0xEF)
    {
        count = 2;
        cp = b & 0x0F;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    }
    else if (b >= 0xF0 && b <= 0xF4)
    {
        count = 3;
        cp = b & 0x07;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    }
    else
        return -1;
    for (int i = 1; i <= count; ++i)
    {
        if (p + i >= end || p[i] < low || p[i] > high)
        {
            size = i;
            return -1;
        }
        cp = (cp << 6) | (p[i] & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    size = count + 1;
    return cp;
}

inline bool IsHighSurrogate(unsigned u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

inline bool IsLowSurrogate(unsigned u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

// The two directions between code page 932 and UTF-8: a NUL is dropped,
// every other character goes through convert. FALSE for an empty text or
// an empty result.
template <class Convert>
BOOL ConvertToText(const char* data, int length, int sizeHint, CString& out, BOOL* pSubstituted,
                   Convert convert)
{
    if (length <= 0)
        return CConvertWriter::NoInput(out, pSubstituted);
    ConvertByChars(data, length, sizeHint, out, pSubstituted,
                   [convert](const BYTE*& p, const BYTE* end, CConvertWriter& w, bool& substituted)
                   {
                       if (*p == 0)
                       {
                           substituted = true;
                           ++p;
                       }
                       else
                           convert(p, end, w, substituted);
                   });
    return out.IsEmpty() ? FALSE : TRUE;
}
} // namespace

BOOL AnsiToUtf8(const char* data, int length, CString& out, BOOL* pSubstituted)
{
    const CCp932Map& map = CCp932Map::Get();
    return ConvertToText(data, length, length + length / 2, out, pSubstituted,
                         [&map](const BYTE*& p, const BYTE* end, CConvertWriter& w, bool& substituted)
                         {
                             int size;
                             char16_t u = ReadCp932(map, p, end, size, substituted);
                             p += size;
                             // 0xFD-0xFF decode to private-use units that no
                             // code comes back from (text routines take a lone
                             // one for a lead byte): undecodable, as a lead
                             // byte alone is, so the text reads back the same.
                             if (map.FromWide(u) == 0)
                             {
                                 substituted = true;
                                 u = CCp932Map::kUndecodable;
                             }
                             w.Ensure(3);
                             PutUtf8(u, w);
                         });
}

BOOL Utf8ToAnsi(const char* data, int length, CString& out, BOOL* pSubstituted)
{
    // A byte order mark says only that the text is UTF-8.
    int sizeHint = length;
    if (data != nullptr && length >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
    {
        data += 3;
        length -= 3;
    }
    const CCp932Map& map = CCp932Map::Get();
    return ConvertToText(data, length, sizeHint, out, pSubstituted,
                         [&map](const BYTE*& p, const BYTE* end, CConvertWriter& w, bool& substituted)
                         {
                             int size;
                             const long cp = ReadUtf8(p, end, size);
                             p += size;
                             w.Ensure(2);
                             PutCp932((cp >= 0 && cp < 0x10000) ? map.FromWide((char16_t)cp) : 0, w,
                                      substituted);
                         });
}

BOOL AnsiToUtf8(LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    return AnsiToUtf8(text, SafeLength(text), out, pSubstituted);
}

BOOL Utf8ToAnsi(LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    return Utf8ToAnsi(text, SafeLength(text), out, pSubstituted);
}

BOOL WideToAnsi(LPCWSTR wide, int length, CString& out, BOOL* pSubstituted)
{
    if (wide == nullptr || length <= 0)
        return CConvertWriter::NoInput(out, pSubstituted);
    const CCp932Map& map = CCp932Map::Get();
    CConvertWriter w(length * 2);
    bool substituted = false;
    for (int i = 0; i < length; ++i)
    {
        const unsigned u = (unsigned)wide[i];
        WORD code = 0;
        if (IsHighSurrogate(u) && i + 1 < length && IsLowSurrogate((unsigned)wide[i + 1]))
            ++i; // a pair: a character beyond code page 932
        else if (u != 0 && !IsHighSurrogate(u) && !IsLowSurrogate(u))
            code = map.FromWide((char16_t)u);
        w.Ensure(2);
        PutCp932(code, w, substituted);
    }
    w.Finish(out, substituted, pSubstituted);
    return out.IsEmpty() ? FALSE : TRUE;
}

BOOL WideToAnsi(LPCWSTR wide, CString& out, BOOL* pSubstituted)
{
    int length = 0;
    if (wide != nullptr)
        while (wide[length] != 0)
            ++length;
    return WideToAnsi(wide, length, out, pSubstituted);
}

BOOL WideBufferToAnsi(const CWideCharBuffer& buffer, CString& out, BOOL* pSubstituted)
{
    return WideToAnsi(buffer.GetData(), buffer.GetLength(), out, pSubstituted);
}

BOOL AnsiToWideBuffer(LPCTSTR text, CWideCharBuffer& buffer, BOOL* pSubstituted)
{
    if (pSubstituted != nullptr)
        *pSubstituted = FALSE;
    buffer.Clear();
    const int length = SafeLength(text);
    if (length == 0)
        return FALSE;
    // One unit per byte at most.
    LPWSTR pOut = buffer.AssignBuffer(length);
    if (pOut == nullptr)
        return FALSE;
    const CCp932Map& map = CCp932Map::Get();
    const BYTE* p = (const BYTE*)text;
    const BYTE* end = p + length;
    bool substituted = false;
    int n = 0;
    while (p < end)
    {
        if (*p < 0x80)
        {
            pOut[n++] = (WCHAR)*p++;
            continue;
        }
        int size;
        pOut[n++] = (WCHAR)ReadCp932(map, p, end, size, substituted);
        p += size;
    }
    pOut[n] = 0;
    buffer.ReleaseBuffer();
    if (pSubstituted != nullptr)
        *pSubstituted = substituted ? TRUE : FALSE;
    return buffer.IsEmpty() ? FALSE : TRUE;
}

BOOL ConvertCodePage(UINT fromCodePage, UINT toCodePage, LPCTSTR text, CString& out, BOOL* pSubstituted)
{
    if (pSubstituted != nullptr)
        *pSubstituted = FALSE;
    if (text == nullptr || *text == '\0')
        return CConvertWriter::NoInput(out, pSubstituted);
    if (fromCodePage == CP_ACP)
        fromCodePage = CP_SHIFT_JIS;
    if (toCodePage == CP_ACP)
        toCodePage = CP_SHIFT_JIS;
    if (fromCodePage == toCodePage)
    {
        out = text;
        return TRUE;
    }
    if (fromCodePage == CP_SHIFT_JIS && toCodePage == CP_UTF8)
        return AnsiToUtf8(text, out, pSubstituted);
    if (fromCodePage == CP_UTF8 && toCodePage == CP_SHIFT_JIS)
        return Utf8ToAnsi(text, out, pSubstituted);
    // Other code pages, as far as the platform's converter knows them.
    std::u16string wide;
    std::string converted;
    BOOL usedDefault = FALSE;
    if (!AfxMultiByteToWide(fromCodePage, text, -1, wide) || wide.empty() ||
        !AfxWideToMultiByte(toCodePage, wide.data(), (int)wide.size(), converted, &usedDefault) ||
        converted.empty())
        return CConvertWriter::NoInput(out, pSubstituted);
    // A NUL would end the text early for every reader of it.
    std::string clean;
    clean.reserve(converted.size());
    for (char c : converted)
        if (c != '\0')
            clean += c;
    if (pSubstituted != nullptr)
        *pSubstituted = (usedDefault || clean.size() != converted.size()) ? TRUE : FALSE;
    out = CString(clean.data(), (int)clean.size());
    return out.IsEmpty() ? FALSE : TRUE;
}
