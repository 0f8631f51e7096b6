// Throughput of our charset converters against iconv on the same bytes in
// the same run: Shift_JIS to UTF-8 and EUC-JP to Shift_JIS (and the two
// reverse directions). The text is generated, deterministically: a page-like
// mix of markup, ASCII words, kana, kanji and half-width kana.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "text/JisConvert.h"
#include "text/WideConvert.h"

#ifndef _WIN32
#include <iconv.h>
#endif

namespace
{
// A small fixed generator, so that every run and every machine sees the
// same text.
class CTextGenerator
{
public:
    explicit CTextGenerator(uint32_t seed) : m_state(seed) {}

    std::string Make(size_t bytes)
    {
        static const char* const kWords[] = {"item", "auction", "price", "yen",
                                             "bid",  "seller",  "2024",  "OK"};
        static const char* const kTags[] = {"<td class=\"title\">",
                                            "</td>",
                                            "<a href=\"/jp/show/mystatus?select=selling\">",
                                            "</a>",
                                            "<br>",
                                            "<span>",
                                            "</span>\r\n"};
        std::string out;
        out.reserve(bytes + 64);
        while (out.size() < bytes)
        {
            switch (Next() % 8)
            {
            case 0:
                out += kTags[Next() % 7];
                break;
            case 1:
                out += kWords[Next() % 8];
                out += ' ';
                break;
            case 2: // hiragana
            case 3:
                for (int n = 2 + Next() % 6; n > 0; --n)
                    Pair(out, 0x82, 0x9F + Next() % 83);
                break;
            case 4: // katakana, 0x837F is no character
            {
                for (int n = 2 + Next() % 5; n > 0; --n)
                {
                    int t = 0x40 + Next() % 86;
                    Pair(out, 0x83, t >= 0x7F ? t + 1 : t);
                }
                break;
            }
            case 5: // kanji of JIS level 1 (rows 16 to 47)
            case 6:
            {
                for (int n = 1 + Next() % 4; n > 0; --n)
                {
                    int row = 16 + Next() % 32, cell = 1 + Next() % 94;
                    if (row == 47 && cell > 51)
                        cell = 51;
                    JisPair(out, 0x20 + row, 0x20 + cell);
                }
                Pair(out, 0x81, 0x41 + Next() % 2); // 、。
                break;
            }
            default: // half-width kana
                for (int n = 1 + Next() % 4; n > 0; --n)
                    out += (char)(0xA1 + Next() % 63);
                break;
            }
        }
        return out;
    }

private:
    uint32_t Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

    static void Pair(std::string& out, int a, int b)
    {
        out += (char)a;
        out += (char)b;
    }

    static void JisPair(std::string& out, int j1, int j2)
    {
        int s1 = (j1 + 1) / 2 + 0x70;
        int s2 = (j1 & 1) ? j2 + 0x1F : j2 + 0x7D;
        if (s1 >= 0xA0)
            s1 += 0x40;
        if (s2 > 0x7E)
            s2 += 1;
        Pair(out, s1, s2);
    }

    uint32_t m_state;
};

// Best of a few runs, in MB/s of input.
double Throughput(size_t bytes, const std::function<size_t()>& run)
{
    double best = 1e30;
    size_t sink = 0;
    for (int i = 0; i < 7; ++i)
    {
        auto start = std::chrono::steady_clock::now();
        sink += run();
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
    }
    if (sink == 0)
        std::printf("(no output)\n");
    return bytes / best / 1e6;
}

#ifndef _WIN32
// The whole input in one iconv call; the output's length.
size_t IconvConvert(const char* to, const char* from, const std::string& in, std::vector<char>& buffer)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1)
        return 0;
    char* pIn = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* pOut = buffer.data();
    size_t outLeft = buffer.size();
    size_t r = iconv(cd, &pIn, &inLeft, &pOut, &outLeft);
    iconv_close(cd);
    return (r == (size_t)-1 || inLeft != 0) ? 0 : buffer.size() - outLeft;
}
#endif

void Report(const char* what, double ours, double theirs)
{
    if (theirs > 0)
        std::printf("%-22s ours %8.1f MB/s   iconv %8.1f MB/s   ratio %.2f\n", what, ours, theirs,
                    ours / theirs);
    else
        std::printf("%-22s ours %8.1f MB/s\n", what, ours);
}
} // namespace

int main()
{
    const std::string sjis = CTextGenerator(20240601).Make(4 << 20);
    CString euc, utf8, check;
    SjisToEuc(sjis.c_str(), euc);
    AnsiToUtf8(sjis.c_str(), utf8);
    EucToSjis(euc, check);
    if (std::string((LPCTSTR)check) != sjis)
    {
        std::printf("the generated text does not round-trip\n");
        return 1;
    }
    const std::string eucText((LPCTSTR)euc, (size_t)euc.GetLength());
    const std::string utf8Text((LPCTSTR)utf8, (size_t)utf8.GetLength());
    std::printf("corpus: %zu bytes of Shift_JIS (%zu EUC-JP, %zu UTF-8)\n", sjis.size(), eucText.size(),
                utf8Text.size());

    std::vector<char> buffer(sjis.size() * 3 + 16);
    double oursSjisUtf8 = Throughput(sjis.size(),
                                     [&]
                                     {
                                         CString out;
                                         AnsiToUtf8(sjis.c_str(), out);
                                         return (size_t)out.GetLength();
                                     });
    double oursEucSjis = Throughput(eucText.size(),
                                    [&]
                                    {
                                        CString out;
                                        EucToSjis(eucText.c_str(), out);
                                        return (size_t)out.GetLength();
                                    });
    double oursUtf8Sjis = Throughput(utf8Text.size(),
                                     [&]
                                     {
                                         CString out;
                                         Utf8ToAnsi(utf8Text.c_str(), out);
                                         return (size_t)out.GetLength();
                                     });
    double oursSjisEuc = Throughput(sjis.size(),
                                    [&]
                                    {
                                        CString out;
                                        SjisToEuc(sjis.c_str(), out);
                                        return (size_t)out.GetLength();
                                    });
    double iconvSjisUtf8 = 0, iconvEucSjis = 0, iconvUtf8Sjis = 0, iconvSjisEuc = 0;
#ifndef _WIN32
    if (IconvConvert("UTF-8", "CP932", sjis, buffer) != utf8Text.size())
        std::printf("iconv disagrees on Shift_JIS to UTF-8\n");
    iconvSjisUtf8 = Throughput(sjis.size(), [&] { return IconvConvert("UTF-8", "CP932", sjis, buffer); });
    iconvEucSjis =
        Throughput(eucText.size(), [&] { return IconvConvert("CP932", "EUC-JP-MS", eucText, buffer); });
    iconvUtf8Sjis =
        Throughput(utf8Text.size(), [&] { return IconvConvert("CP932", "UTF-8", utf8Text, buffer); });
    iconvSjisEuc = Throughput(sjis.size(), [&] { return IconvConvert("EUC-JP-MS", "CP932", sjis, buffer); });
#endif
    Report("Shift_JIS -> UTF-8", oursSjisUtf8, iconvSjisUtf8);
    Report("EUC-JP -> Shift_JIS", oursEucSjis, iconvEucSjis);
    Report("UTF-8 -> Shift_JIS", oursUtf8Sjis, iconvUtf8Sjis);
    Report("Shift_JIS -> EUC-JP", oursSjisEuc, iconvSjisEuc);
    return 0;
}
