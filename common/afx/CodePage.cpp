#include "afx/CodePage.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#include <vector>
#endif

#include "afx/String.h"

namespace
{
// The code page to convert with; 0 for one that is not supported.
UINT ResolveCodePage(UINT nCodePage)
{
    if (nCodePage == CP_ACP)
        return CP_SHIFT_JIS;
    return nCodePage == CP_SHIFT_JIS || nCodePage == CP_UTF8 ? nCodePage : 0;
}

// nLength, or the length up to the terminating NUL when it is negative.
template <class Char> int TextLength(const Char* psz, int nLength)
{
    if (psz == nullptr)
        return 0;
    if (nLength >= 0)
        return nLength;
    int n = 0;
    while (psz[n] != 0)
        ++n;
    return n;
}

#ifdef _WIN32

// A surrogate without its partner: WideCharToMultiByte gives U+FFFD for it
// in UTF-8 but cannot say so (it refuses the used-default flag there).
bool HasLoneSurrogate(const char16_t* psz, int nLength)
{
    for (int i = 0; i < nLength; ++i)
    {
        bool high = psz[i] >= 0xD800 && psz[i] <= 0xDBFF;
        if (high && i + 1 < nLength && psz[i + 1] >= 0xDC00 && psz[i + 1] <= 0xDFFF)
            ++i;
        else if (psz[i] >= 0xD800 && psz[i] <= 0xDFFF)
            return true;
    }
    return false;
}

BOOL PlatformToWide(UINT nCodePage, const char* psz, int nLength, std::u16string& out)
{
    int n = ::MultiByteToWideChar(nCodePage, 0, psz, nLength, nullptr, 0);
    if (n <= 0)
        return FALSE;
    out.resize(n);
    if (::MultiByteToWideChar(nCodePage, 0, psz, nLength, reinterpret_cast<LPWSTR>(&out[0]), n) != n)
    {
        out.clear();
        return FALSE;
    }
    return TRUE;
}

BOOL PlatformToMultiByte(UINT nCodePage, const char16_t* psz, int nLength, std::string& out,
                         BOOL* pUsedDefault)
{
    // Windows refuses flags and the used-default flag for UTF-8. No best fit
    // in code page 932: a character has its own code or becomes '?', as
    // with iconv.
    bool sjis = nCodePage == CP_SHIFT_JIS;
    DWORD dwFlags = sjis ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL usedDefault = FALSE;
    LPCWSTR pszWide = reinterpret_cast<LPCWSTR>(psz);
    int n = ::WideCharToMultiByte(nCodePage, dwFlags, pszWide, nLength, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return FALSE;
    out.resize(n);
    if (::WideCharToMultiByte(nCodePage, dwFlags, pszWide, nLength, &out[0], n, nullptr,
                              sjis ? &usedDefault : nullptr) != n)
    {
        out.clear();
        return FALSE;
    }
    if (!sjis)
        usedDefault = HasLoneSurrogate(psz, nLength);
    if (pUsedDefault != nullptr)
        *pUsedDefault = usedDefault;
    return TRUE;
}

#else

class Iconv
{
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (IsOpen())
            iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool IsOpen() const { return m_cd != (iconv_t)-1; }

    // Converts all of in to out; at each sequence that it cannot convert,
    // calls onError(in, inLeft, out), which appends a substitute and says
    // how many input bytes to skip.
    template <class OnError> bool Convert(const char* in, size_t inLeft, std::string& out, OnError onError)
    {
        char* pIn = const_cast<char*>(in);
        char chunk[4096];
        while (inLeft > 0)
        {
            char* pOut = chunk;
            size_t outLeft = sizeof(chunk);
            size_t r = iconv(m_cd, &pIn, &inLeft, &pOut, &outLeft);
            int error = r == (size_t)-1 ? errno : 0;
            out.append(chunk, pOut - chunk);
            if (error == EILSEQ || error == EINVAL)
            {
                size_t skip = onError(pIn, inLeft, out);
                pIn += skip;
                inLeft -= skip;
            }
            else if (error != 0 && error != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

// Bytes that code page 932 reads as the first of two.
bool IsLeadByte932(BYTE b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The single bytes that Windows' code page 932 maps and iconv's "CP932"
// does not: 0x80, 0xA0 and 0xFD-0xFF, to U+0080 and U+F8F0-U+F8F3.
const BYTE kExtraBytes[] = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};
const char16_t kExtraUnits[] = {0x0080, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};

char16_t ExtraUnitOf(BYTE b)
{
    for (size_t i = 0; i < sizeof(kExtraBytes); ++i)
        if (kExtraBytes[i] == b)
            return kExtraUnits[i];
    return 0;
}

BYTE ExtraByteOf(char16_t u)
{
    for (size_t i = 0; i < sizeof(kExtraBytes); ++i)
        if (kExtraUnits[i] == u)
            return kExtraBytes[i];
    return 0;
}

const char* IconvName(UINT nCodePage)
{
    return nCodePage == CP_UTF8 ? "UTF-8" : "CP932";
}

void AppendUnit(std::string& bytes, char16_t u)
{
    bytes += (char)(u & 0xFF);
    bytes += (char)(u >> 8);
}

BOOL PlatformToWide(UINT nCodePage, const char* psz, int nLength, std::u16string& out)
{
    Iconv cd("UTF-16LE", IconvName(nCodePage));
    if (!cd.IsOpen())
        return FALSE;
    // Windows' substitutes: U+FFFD in UTF-8, U+30FB in code page 932, where
    // a lead byte takes the byte after it, whatever it is, into the one
    // character without a mapping.
    const bool sjis = nCodePage == CP_SHIFT_JIS;
    std::string bytes;
    bool ok = cd.Convert(psz, nLength, bytes,
                         [&](const char* p, size_t nLeft, std::string& converted)
                         {
                             const BYTE b = (BYTE)p[0];
                             if (!sjis)
                             {
                                 AppendUnit(converted, 0xFFFD);
                                 return (size_t)1;
                             }
                             if (char16_t u = ExtraUnitOf(b))
                             {
                                 AppendUnit(converted, u);
                                 return (size_t)1;
                             }
                             AppendUnit(converted, 0x30FB);
                             return (size_t)(IsLeadByte932(b) && nLeft >= 2 ? 2 : 1);
                         });
    if (!ok)
        return FALSE;
    out.resize(bytes.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = (char16_t)((BYTE)bytes[2 * i] | ((BYTE)bytes[2 * i + 1] << 8));
    return TRUE;
}

// The units that are some code's own character in code page 932. iconv
// also gives codes to a few others (U+00A5 as 0x5C, U+2014 as 0x815C...)
// that decode to something else; Windows, without best fit, gives those
// the default character, and so does this build.
class COwnUnits
{
public:
    static const COwnUnits& Get()
    {
        static const COwnUnits* units = new COwnUnits; // lives as long as the process
        return *units;
    }
    bool Has(char16_t u) const { return (m_bits[u >> 5] >> (u & 31)) & 1; }

private:
    COwnUnits() : m_bits(0x10000 / 32, 0)
    {
        std::string codes;
        for (int b = 0; b < 0x100; ++b)
            if (!IsLeadByte932((BYTE)b))
                codes += (char)b;
        for (int lead = 0; lead < 0x100; ++lead)
            if (IsLeadByte932((BYTE)lead))
                for (int trail = 0x40; trail <= 0xFC; ++trail)
                    if (trail != 0x7F)
                    {
                        codes += (char)lead;
                        codes += (char)trail;
                    }
        std::u16string units;
        if (PlatformToWide(CP_SHIFT_JIS, codes.data(), (int)codes.size(), units))
            for (char16_t u : units)
                m_bits[u >> 5] |= 1u << (u & 31);
    }
    std::vector<unsigned> m_bits;
};

BOOL PlatformToMultiByte(UINT nCodePage, const char16_t* psz, int nLength, std::string& out,
                         BOOL* pUsedDefault)
{
    Iconv cd(IconvName(nCodePage), "UTF-16LE");
    if (!cd.IsOpen())
        return FALSE;
    const bool sjis = nCodePage == CP_SHIFT_JIS;
    // As WideCharToMultiByte: one substitute for each code unit, so a
    // surrogate pair without a code in code page 932 becomes "??".
    const char* substitute = sjis ? "?" : "\xEF\xBF\xBD";
    auto onError = [&](const char*, size_t nLeft, std::string& converted)
    {
        converted += substitute;
        if (pUsedDefault != nullptr)
            *pUsedDefault = TRUE;
        return nLeft < 2 ? nLeft : (size_t)2;
    };
    // Runs of units that iconv converts as Windows does go to it whole; the
    // others are written here.
    std::string run;
    auto flush = [&]
    {
        bool ok = run.empty() || cd.Convert(run.data(), run.size(), out, onError);
        run.clear();
        return ok;
    };
    const COwnUnits* own = sjis ? &COwnUnits::Get() : nullptr;
    for (int i = 0; i < nLength; ++i)
    {
        const char16_t u = psz[i];
        const BYTE extra = sjis ? ExtraByteOf(u) : 0;
        if (own == nullptr || (extra == 0 && own->Has(u)))
        {
            AppendUnit(run, u);
            continue;
        }
        if (!flush())
        {
            out.clear();
            return FALSE;
        }
        if (extra != 0)
            out += (char)extra;
        else
            onError(nullptr, 0, out);
    }
    if (!flush())
    {
        out.clear();
        return FALSE;
    }
    return TRUE;
}

#endif
} // namespace

BOOL AfxMultiByteToWide(UINT nCodePage, const char* psz, int nLength, std::u16string& out)
{
    out.clear();
    nCodePage = ResolveCodePage(nCodePage);
    nLength = TextLength(psz, nLength);
    return nCodePage != 0 && (nLength == 0 || PlatformToWide(nCodePage, psz, nLength, out));
}

BOOL AfxWideToMultiByte(UINT nCodePage, const char16_t* psz, int nLength, std::string& out,
                        BOOL* pUsedDefault)
{
    out.clear();
    if (pUsedDefault != nullptr)
        *pUsedDefault = FALSE;
    nCodePage = ResolveCodePage(nCodePage);
    nLength = TextLength(psz, nLength);
    return nCodePage != 0 &&
           (nLength == 0 || PlatformToMultiByte(nCodePage, psz, nLength, out, pUsedDefault));
}
