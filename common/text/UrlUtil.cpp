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
        if ((flags & p.flag) != 0 && std::strlen(text) == std::strlen(p.text) && StartsWithNoCase(text, p.text))
            return TRUE;
    return FALSE;
}

BOOL IsMailtoUrl(LPCTSTR text)
{
    return text != nullptr && StartsWithNoCase(text, "mailto:");
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
