#include "afx/CodePage.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
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

bool IsTrailByte932(BYTE b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

const char* IconvName(UINT nCodePage)
{
    return nCodePage == CP_UTF8 ? "UTF-8" : "CP932";
}

BOOL PlatformToWide(UINT nCodePage, const char* psz, int nLength, std::u16string& out)
{
    Iconv cd("UTF-16LE", IconvName(nCodePage));
    if (!cd.IsOpen())
        return FALSE;
    // Windows' substitutes: U+FFFD in UTF-8, U+30FB in code page 932, where
    // a lead byte with a trail byte is one character without a mapping.
    const char* substitute = nCodePage == CP_UTF8 ? "\xFD\xFF" : "\xFB\x30";
    std::string bytes;
    bool ok = cd.Convert(psz, nLength, bytes,
                         [&](const char* p, size_t nLeft, std::string& converted)
                         {
                             converted.append(substitute, 2);
                             bool pair = nCodePage == CP_SHIFT_JIS && nLeft >= 2 &&
                                         AfxIsLeadByte((BYTE)p[0]) && IsTrailByte932((BYTE)p[1]);
                             return (size_t)(pair ? 2 : 1);
                         });
    if (!ok)
        return FALSE;
    out.resize(bytes.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = (char16_t)((BYTE)bytes[2 * i] | ((BYTE)bytes[2 * i + 1] << 8));
    return TRUE;
}

BOOL PlatformToMultiByte(UINT nCodePage, const char16_t* psz, int nLength, std::string& out,
                         BOOL* pUsedDefault)
{
    Iconv cd(IconvName(nCodePage), "UTF-16LE");
    if (!cd.IsOpen())
        return FALSE;
    std::string bytes(2 * (size_t)nLength, '\0');
    for (int i = 0; i < nLength; ++i)
    {
        bytes[2 * i] = (char)(psz[i] & 0xFF);
        bytes[2 * i + 1] = (char)(psz[i] >> 8);
    }
    // As WideCharToMultiByte: one substitute for each code unit, so a
    // surrogate pair without a code in code page 932 becomes "??".
    const char* substitute = nCodePage == CP_UTF8 ? "\xEF\xBF\xBD" : "?";
    bool ok = cd.Convert(bytes.data(), bytes.size(), out,
                         [&](const char*, size_t nLeft, std::string& converted)
                         {
                             converted += substitute;
                             if (pUsedDefault != nullptr)
                                 *pUsedDefault = TRUE;
                             return nLeft < 2 ? nLeft : (size_t)2;
                         });
    if (!ok)
        out.clear();
    return ok;
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
