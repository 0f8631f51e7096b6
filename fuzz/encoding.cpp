// Charset guess and every conversion direction of the Japanese encodings.
// Invariants: no NUL, no control byte that the input did not have (the
// escapes of ISO-2022-JP aside), well-formed output, and a second round
// through a pair of converters changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/Charset.h"
#include "text/JisConvert.h"
#include "text/WideConvert.h"

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string Bytes(const CString& s)
{
    return std::string((LPCTSTR)s, (size_t)s.GetLength());
}

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

void CheckNoNewControls(const std::string& in, const std::string& out, bool allowEsc)
{
    bool seen[0x80] = {};
    for (unsigned char c : in)
        if (c < 0x80)
            seen[c] = true;
    for (unsigned char c : out)
        Check(c != 0 && (!IsControl(c) || seen[c] || (allowEsc && c == 0x1B)));
}

bool IsLead(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsTrail(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Shift_JIS made by a converter: every lead byte has its trail byte, so
// that text routines stepping by characters never swallow a markup byte.
void CheckSjis(const std::string& s)
{
    for (size_t i = 0; i < s.size(); ++i)
    {
        unsigned char b = (unsigned char)s[i];
        if (b <= 0x80 || (b >= 0xA0 && b <= 0xDF))
            continue;
        Check(IsLead(b) && i + 1 < s.size() && IsTrail((unsigned char)s[i + 1]));
        ++i;
    }
}

void CheckEuc(const std::string& s)
{
    for (size_t i = 0; i < s.size(); ++i)
    {
        unsigned char b = (unsigned char)s[i];
        if (b < 0x80)
            continue;
        Check(i + 1 < s.size());
        unsigned char t = (unsigned char)s[i + 1];
        if (b == 0x8E)
            Check(t >= 0xA1 && t <= 0xDF);
        else
            Check(b >= 0xA1 && b <= 0xFE && t >= 0xA1 && t <= 0xFE);
        ++i;
    }
}

// ISO-2022-JP: 7 bits, our three escapes, pairs in two-byte mode, and back
// to ASCII at the end.
void CheckJis(const std::string& s)
{
    enum
    {
        ASCII,
        KANJI,
        KANA
    } mode = ASCII;
    for (size_t i = 0; i < s.size(); ++i)
    {
        unsigned char b = (unsigned char)s[i];
        Check(b < 0x80);
        if (b == 0x1B && i + 2 < s.size() && s.compare(i, 3, "\x1b$B") == 0)
            mode = KANJI;
        else if (b == 0x1B && i + 2 < s.size() && s.compare(i, 3, "\x1b(B") == 0)
            mode = ASCII;
        else if (b == 0x1B && i + 2 < s.size() && s.compare(i, 3, "\x1b(I") == 0)
            mode = KANA;
        else
        {
            // An ESC of the input itself goes as ASCII.
            Check(mode == ASCII || b >= 0x21);
            if (mode == KANJI)
            {
                Check(i + 1 < s.size() && b <= 0x7E && s[i + 1] >= 0x21 && s[i + 1] <= 0x7E);
                ++i;
            }
            else if (mode == KANA)
                Check(b <= 0x5F);
            continue;
        }
        i += 2;
    }
    Check(mode == ASCII);
}

void CheckUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();)
    {
        unsigned char b = (unsigned char)s[i];
        size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : 0;
        Check(n > 0 && i + n <= s.size());
        unsigned cp = n == 1 ? b : n == 2 ? (b & 0x1Fu) : (b & 0x0Fu);
        for (size_t k = 1; k < n; ++k)
        {
            unsigned char c = (unsigned char)s[i + k];
            Check((c & 0xC0) == 0x80);
            cp = (cp << 6) | (c & 0x3Fu);
        }
        Check(n != 2 || cp >= 0x80);
        Check(n != 3 || (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)));
        i += n;
    }
}

typedef BOOL (*Converter)(LPCTSTR, CString&, BOOL*);

// to and back: output of to, converted back and again, is what it was.
void CheckPair(const std::string& text, Converter to, Converter back, void (*wellFormed)(const std::string&),
               bool escapes)
{
    CString once, returned, twice;
    to(text.c_str(), once, nullptr);
    const std::string first = Bytes(once);
    wellFormed(first);
    CheckNoNewControls(text, first, escapes);
    back(once, returned, nullptr);
    CheckSjis(Bytes(returned));
    CheckNoNewControls(first, Bytes(returned), false);
    to(returned, twice, nullptr);
    Check(Bytes(twice) == first);
}

void CheckFrom(const std::string& text, Converter convert, const uint8_t* data, size_t size,
               BOOL (*counted)(const char*, int, CString&, BOOL*), bool strict)
{
    CString out;
    convert(text.c_str(), out, nullptr);
    if (strict)
        CheckSjis(Bytes(out));
    CheckNoNewControls(text, Bytes(out), false);
    // Counted input, NULs and all.
    const std::string bytes((const char*)data, size);
    CString raw;
    counted(bytes.data(), (int)size, raw, nullptr);
    if (strict)
        CheckSjis(Bytes(raw));
    CheckNoNewControls(bytes, Bytes(raw), false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    const int guess = GuessCharset((const char*)data, (int)size);
    Check(guess >= 0 && guess <= 4);

    // Zero-terminated texts end at the first NUL; NULs go for them.
    std::string text;
    text.reserve(size);
    for (size_t i = 0; i < size; ++i)
        if (data[i] != 0)
            text += (char)data[i];
    Check(GuessCharset(text.c_str()) >= 0);

    CheckPair(text, SjisToEuc, EucToSjis, CheckEuc, false);
    CheckPair(text, SjisToJis, JisToSjis, CheckJis, true);
    CheckPair(text, AnsiToUtf8, Utf8ToAnsi, CheckUtf8, false);

    // The text read as each foreign charset.
    CheckFrom(text, EucToSjis, data, size, EucToSjis, true);
    CheckFrom(text, JisToSjis, data, size, JisToSjis, true);
    CheckFrom(text, Utf8ToAnsi, data, size, Utf8ToAnsi, true);

    for (int code = 0; code <= 5; ++code)
    {
        CString converted;
        ConvertToCharset(text.c_str(), converted, code, nullptr);
        Check(std::strlen(converted) == (size_t)converted.GetLength());
    }
    return 0;
}
