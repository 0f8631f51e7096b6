// Form decoding, entities and the split, cut, wrap and search family on
// arbitrary text. The first byte chooses the parameters; the rest is the
// text. Invariants: no NUL in any result, nothing lost by wrapping, form
// encoding round-trips, searches agree with a naive scan.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "afx/Collections.h"
#include "text/HtmlText.h"
#include "text/LineWrap.h"
#include "text/MbcsString.h"
#include "text/NumberText.h"
#include "text/TextCut.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"
#include "text/UrlEncoding.h"

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckText(const CString& s)
{
    Check(std::strlen(s) == (size_t)s.GetLength());
}

bool IsLeadByte(unsigned char b)
{
    return b > 0x80 && (b < 0xA0 || b > 0xDF);
}

// Character boundaries of s, as every text routine steps.
std::vector<bool> Boundaries(const std::string& s)
{
    std::vector<bool> at(s.size() + 1, false);
    for (size_t i = 0; i < s.size();)
    {
        at[i] = true;
        i += (IsLeadByte((unsigned char)s[i]) && i + 1 < s.size()) ? 2 : 1;
    }
    at[s.size()] = true;
    return at;
}

int NaiveFind(const std::string& text, const std::string& sub)
{
    if (sub.empty())
        return -1;
    std::vector<bool> at = Boundaries(text);
    std::vector<bool> subAt = Boundaries(sub);
    for (size_t i = 0; i + sub.size() <= text.size(); ++i)
        if (at[i] && at[i + sub.size()] && text.compare(i, sub.size(), sub) == 0)
        {
            // The characters must line up, not only the bytes.
            bool same = true;
            for (size_t k = 0; k < sub.size() && same; ++k)
                same = at[i + k] == subAt[k];
            if (same)
                return (int)i;
        }
    return -1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1 << 14)
        return 0;
    const unsigned char p = data[0];
    std::string text;
    for (size_t i = 1; i < size; ++i)
        if (data[i] != 0)
            text += (char)data[i];
    const CString s(text.c_str());

    // Form encoding.
    CString encoded, decoded;
    Check(UrlEncode(s, encoded));
    Check(UrlDecode(encoded, decoded));
    Check(decoded == s);
    UrlDecode(s, decoded);
    CheckText(decoded);

    // Entities and escapes.
    CString html = s;
    DecodeHtmlEntities(html, p & 1);
    CheckText(html);
    Check(html.GetLength() <= s.GetLength());
    HtmlToPlainText(s, html, (p & 2) ? "\r\n" : nullptr);
    CheckText(html);
    CString unescaped;
    DecodeUnicodeEscapes(s, unescaped);
    CheckText(unescaped);
    CString escaped = s;
    EscapeChar(escaped, (char)('"' + (p & 3)), '\\');
    TrimRightKeepEscaped(escaped, ' ', '\\');
    CheckText(escaped);

    // Splitting.
    CStringList names, values, parts;
    const char separator = "&;=,/ ?"[p % 7];
    SplitByChar(s, separator, parts);
    SplitByString(s, (p & 8) ? "--" : "\r\n", parts);
    Check(ParseQueryString(s, names, values));
    Check(ParseParameterList(s, names, values, separator, (p >> 4) - 1));
    CString value, main, url;
    GetQueryParameter(s, "a", value, TRUE);
    CheckText(value);
    SplitHeaderValue(s, main, "charset", &value);
    int seconds = 0;
    GetRefreshTarget(s, url, &seconds);
    CString left, right;
    SplitAtChar(s, left, right, separator);
    Check(left.GetLength() + right.GetLength() <= s.GetLength());

    // Cutting: always at character boundaries.
    std::vector<bool> at = Boundaries(text);
    CString cut = s;
    const int n = (int)(p % 40);
    TruncateToBytes(cut, n);
    Check(cut.GetLength() <= n && at[cut.GetLength()]);
    cut = s;
    KeepAfterString(cut, "<b>", p & 1);
    cut = s;
    KeepBeforeChar(cut, separator, p & 2);
    Check(at[cut.GetLength()]);
    cut = s;
    RemoveTrailingBackslash(cut);
    Check(at[cut.GetLength()]);
    cut = s;
    FilterNumberChars(cut, TRUE, TRUE);
    ParseIntSaturated(cut);
    ParseInt64Saturated(s);
    GroupDigits(cut, 3);
    cut = s;
    KeepAsciiChars(cut, p & 1);

    // Searches: the text split at its first '|' into text and pattern.
    const size_t bar = text.find('|');
    if (bar != std::string::npos && text.size() < 300)
    {
        const std::string hay = text.substr(0, bar);
        const std::string sub = text.substr(bar + 1);
        Check(MbsFind(hay.c_str(), sub.c_str()) == NaiveFind(hay, sub));
        const int last = ReverseFindString(hay.c_str(), sub.c_str(), 0);
        Check(last == -1 || (last >= NaiveFind(hay, sub) && hay.compare(last, sub.size(), sub) == 0));
        MatchText(hay.c_str(), sub.c_str(), p & 15);
        MbsCompareNoCase(hay.c_str(), sub.c_str());
    }

    // Wrapping loses nothing: without its inserted breaks the text is the
    // same.
    std::string plain;
    for (char c : text)
        if (c != '\x1f')
            plain += c;
    CString wrapped(plain.c_str());
    const int width = 1 + (p & 15);
    const int overhang = (int)(p >> 6) - 1;
    WrapText(wrapped, width, overhang, (p >> 4) & 7, "\x1f");
    std::string back;
    for (int i = 0; i < wrapped.GetLength(); ++i)
        if (wrapped[i] != '\x1f')
            back += wrapped[i];
    Check(back == plain);
    return 0;
}
