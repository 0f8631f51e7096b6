#include "text/Charset.h"

#include <cstring>

#include "text/CharClass.h"
#include "text/JisConvert.h"
#include "text/MbcsString.h"
#include "text/TextSplit.h"
#include "text/WideConvert.h"

namespace
{
struct CharsetName
{
    LPCTSTR name;
    int code;
};

const CharsetName kNames[] = {
    {"ISO-2022-JP", CHARSET_ISO2022JP}, {"Shift_JIS", CHARSET_SJIS}, {"x-sjis", CHARSET_SJIS},
    {"EUC-JP", CHARSET_EUCJP},          {"x-euc-jp", CHARSET_EUCJP}, {"UTF-8", CHARSET_UTF8},
};

// Bytes of one chunk counted by one scorer: its ASCII bytes and the bytes
// of its well-formed multi-byte sequences.
struct Score
{
    int ascii = 0;
    int multi = 0;
};

inline bool InRange(BYTE b, BYTE low, BYTE high)
{
    return b >= low && b <= high;
}

// The bytes of the well-formed multi-byte sequence of each charset at p
// (*p is 0x80 or more); 0 when none begins there.
int SjisSequence(const BYTE* p, const BYTE* end)
{
    return (IsSjisLeadByte(p[0]) && p + 1 < end && IsSjisTrailByte(p[1])) ? 2 : 0;
}

int EucSequence(const BYTE* p, const BYTE* end)
{
    const BYTE b = p[0];
    if (p + 1 < end &&
        ((InRange(b, 0xA1, 0xFE) && InRange(p[1], 0xA1, 0xFE)) || (b == 0x8E && InRange(p[1], 0xA1, 0xDF))))
        return 2;
    if (b == 0x8F && end - p >= 3 && InRange(p[1], 0xA1, 0xFE) && InRange(p[2], 0xA1, 0xFE))
        return 3;
    return 0;
}

int Utf8Sequence(const BYTE* p, const BYTE* end)
{
    const BYTE b = p[0];
    if (InRange(b, 0xC0, 0xDF) && p + 1 < end && InRange(p[1], 0x80, 0xBF))
        return 2;
    if (InRange(b, 0xE0, 0xEF) && end - p >= 3 && InRange(p[1], 0x80, 0xBF) && InRange(p[2], 0x80, 0xBF))
        return 3;
    return 0;
}

// Walks the chunk as one charset: a byte that begins no sequence is
// skipped and counted nowhere.
template <int (*Sequence)(const BYTE*, const BYTE*)> Score ScoreAs(const BYTE* p, const BYTE* end)
{
    Score s;
    while (p < end)
    {
        if (*p < 0x80)
        {
            ++s.ascii;
            ++p;
            continue;
        }
        const int n = Sequence(p, end);
        s.multi += n;
        p += n > 0 ? n : 1;
    }
    return s;
}

bool HasJisEscape(const BYTE* p, const BYTE* end)
{
    for (; p < end; ++p)
    {
        if (*p != 0x1B)
            continue;
        const size_t left = (size_t)(end - p) - 1;
        if (left >= 2 && p[1] == '$' && (p[2] == '@' || p[2] == 'B'))
            return true;
        if (left >= 2 && p[1] == '(' && (p[2] == 'B' || p[2] == 'J' || p[2] == 'I'))
            return true;
        if (left >= 3 && p[1] == '$' && p[2] == '(' && p[3] == 'D')
            return true;
        if (left >= 5 && std::memcmp(p + 1, "&@\x1B$B", 5) == 0)
            return true;
    }
    return false;
}

int JudgeChunk(const BYTE* p, const BYTE* end, bool isLast)
{
    const int length = (int)(end - p);
    const Score scores[3] = {ScoreAs<SjisSequence>(p, end), ScoreAs<EucSequence>(p, end),
                             ScoreAs<Utf8Sequence>(p, end)};
    const int codes[3] = {CHARSET_SJIS, CHARSET_EUCJP, CHARSET_UTF8};
    if (isLast)
        for (int i = 0; i < 3; ++i)
            if (scores[i].multi > 0 && scores[i].multi + scores[i].ascii == length)
                return codes[i];
    if (HasJisEscape(p, end))
        return CHARSET_ISO2022JP;
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (scores[i].multi > scores[best].multi)
            best = i;
    return scores[best].multi > 0 ? codes[best] : CHARSET_UNKNOWN;
}
} // namespace

int CharsetCodeFromName(LPCTSTR name)
{
    if (name == nullptr)
        return CHARSET_UNKNOWN;
    for (const CharsetName& n : kNames)
        if (MbsCompareNoCase(name, n.name) == 0)
            return n.code;
    return CHARSET_UNKNOWN;
}

BOOL CharsetNameFromCode(int code, CString& out)
{
    for (const CharsetName& n : kNames)
        if (n.code == code)
        {
            out = n.name;
            return TRUE;
        }
    return FALSE;
}

BOOL MakeContentTypeForCharset(int code, CString& out)
{
    CString name;
    if (!CharsetNameFromCode(code, name))
        return FALSE;
    out.Format("text/html; charset=%s", (LPCTSTR)name);
    return TRUE;
}

int CharsetFromContentType(LPCTSTR value)
{
    CString name;
    if (!GetParameterValue(value, "charset", name, ';', -1))
        return CHARSET_UNKNOWN;
    // A quoted value is the same name.
    if (name.GetLength() >= 2 && name[0] == '"' && name[name.GetLength() - 1] == '"')
        name = name.Mid(1, name.GetLength() - 2);
    return CharsetCodeFromName(name);
}

int GuessCharset(const char* data, int length)
{
    if (data == nullptr || length <= 0)
        return CHARSET_UNKNOWN;
    const BYTE* text = (const BYTE*)data;
    const int kChunk = 1024;
    int start = 0;
    while (start < length)
    {
        // A chunk ends after about 1 KB, at the next control byte (a line
        // end) so that no line is cut.
        int last = start + kChunk - 1;
        if (last >= length - 1)
            last = length - 1;
        else
        {
            while (last < length - 1 && text[last] >= 0x20)
                ++last;
        }
        int verdict = JudgeChunk(text + start, text + last + 1, last == length - 1);
        if (verdict != CHARSET_UNKNOWN)
            return verdict;
        start = last + 1;
    }
    return CHARSET_UNKNOWN;
}

int GuessCharset(LPCTSTR text)
{
    return GuessCharset(text, text != nullptr ? (int)std::strlen(text) : 0);
}

BOOL ConvertToCharset(LPCTSTR text, CString& out, int code, BOOL* pSubstituted)
{
    if (pSubstituted != nullptr)
        *pSubstituted = FALSE;
    switch (code)
    {
    case CHARSET_ISO2022JP:
        return SjisToJis(text, out, pSubstituted);
    case CHARSET_SJIS:
        out = text;
        return TRUE;
    case CHARSET_EUCJP:
        return SjisToEuc(text, out, pSubstituted);
    case CHARSET_UTF8:
        return AnsiToUtf8(text, out, pSubstituted);
    default:
        return FALSE;
    }
}
