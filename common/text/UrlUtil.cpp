#include "text/UrlUtil.h"

#include "afx/ParseUrl.h"

#include <cstring>

namespace
{
struct Prefix
{
    UINT flag;
    const char* text;
};

const Prefix kPrefixes[] = {
    {URL_SCHEME_HTTP, "http://"},
    {URL_SCHEME_HTTPS, "https://"},
    {URL_SCHEME_FTP, "ftp://"},
    {URL_SCHEME_RES, "res://"},
};

// The prefixes are ASCII, so folding ASCII letters is enough: no lead byte
// of a two-byte character can equal one of them.
bool StartsWithNoCase(LPCTSTR text, const char* prefix)
{
    for (; *prefix != '\0'; ++prefix, ++text)
    {
        char c = *text;
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
        if (c != *prefix)
            return false;
    }
    return true;
}

bool IsDrivePath(LPCTSTR text)
{
    char c = text[0];
    return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && text[1] == ':';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Only "%XX" is an escape in a file address; '+' is a plus sign.
CString DecodePercentEscapes(const CString& text)
{
    CString out;
    int n = text.GetLength();
    for (int i = 0; i < n; ++i)
    {
        int high = i + 2 < n && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
        int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0 && (high | low) != 0)
        {
            out += (char)(high * 16 + low);
            i += 2;
        }
        else
            out += text[i];
    }
    return out;
}

CString NormalizeForCompare(LPCTSTR url)
{
    CString s(url);
    int scheme = s.Find("://");
    if (scheme >= 0)
        s = s.Mid(scheme + 3);
    int query = s.Find('?');
    if (query >= 0)
        s = s.Left(query);
    int fragment = s.Find('#');
    if (fragment >= 0)
        s = s.Left(fragment);
    if (s.GetLength() > 1 && s[s.GetLength() - 1] == '/')
        s = s.Left(s.GetLength() - 1);
    return s;
}
} // namespace

BOOL HasUrlScheme(LPCTSTR url, UINT flags)
{
    if (url == nullptr)
        return FALSE;
    for (const Prefix& p : kPrefixes)
        if ((flags & p.flag) != 0 && StartsWithNoCase(url, p.text))
            return TRUE;
    return FALSE;
}

BOOL IsEmptyOrSchemeOnly(LPCTSTR text, UINT flags)
{
    if (text == nullptr || *text == '\0')
        return TRUE;
    for (const Prefix& p : kPrefixes)
        if ((flags & p.flag) != 0 && std::strlen(text) == std::strlen(p.text) &&
            StartsWithNoCase(text, p.text))
            return TRUE;
    return FALSE;
}

BOOL IsMailtoUrl(LPCTSTR text)
{
    return text != nullptr && StartsWithNoCase(text, "mailto:");
}

BOOL FileUrlToPath(LPCTSTR url, CString& out)
{
    out.Empty();
    if (url == nullptr)
        return FALSE;
    CString path;
    if (StartsWithNoCase(url, "file:"))
    {
        LPCTSTR rest = url + 5;
        if (rest[0] == '/' && rest[1] == '/')
        {
            rest += 2;
            if (StartsWithNoCase(rest, "localhost/"))
                rest += 9;
            if (rest[0] == '/')
                ++rest; // "file:///C:/x"
            else if (!IsDrivePath(rest))
                path = "//"; // a server and its share
        }
        else if (rest[0] == '/' && IsDrivePath(rest + 1))
            ++rest; // "file:/C:/x"
        path += rest;
        path = DecodePercentEscapes(path);
    }
    else if (IsDrivePath(url) || (url[0] == '\\' && url[1] == '\\'))
        path = url;
    else
        return FALSE;
    // '/' is never the second byte of a two-byte character.
    path.Replace('/', '\\');
    out = path;
    return !out.IsEmpty();
}

BOOL GetSchemeAndHost(LPCTSTR url, CString& out)
{
    DWORD service = 0;
    CString server, object;
    INTERNET_PORT port = 0;
    if (!AfxParseURL(url, service, server, object, port))
        return FALSE;
    CString origin;
    INTERNET_PORT defaultPort;
    switch (service)
    {
    case AFX_INET_SERVICE_FTP:
        origin = "ftp://";
        defaultPort = INTERNET_DEFAULT_FTP_PORT;
        break;
    case AFX_INET_SERVICE_HTTP:
        origin = "http://";
        defaultPort = INTERNET_DEFAULT_HTTP_PORT;
        break;
    case AFX_INET_SERVICE_HTTPS:
        origin = "https://";
        defaultPort = INTERNET_DEFAULT_HTTPS_PORT;
        break;
    default:
        return FALSE;
    }
    origin += server;
    // The service's hosts are configurable origins: a port of their own must
    // survive, or relative addresses would lead to another server.
    if (port != defaultPort)
    {
        CString number;
        number.Format(":%u", (unsigned)port);
        origin += number;
    }
    out = origin;
    return TRUE;
}

BOOL GetSchemePrefix(LPCTSTR url, CString& out)
{
    CString s(url);
    int sep = s.Find("://");
    if (sep <= 0)
        return FALSE;
    out = s.Left(sep + 3);
    return TRUE;
}

int CompareUrls(LPCTSTR a, LPCTSTR b)
{
    return NormalizeForCompare(a).Compare(NormalizeForCompare(b));
}
