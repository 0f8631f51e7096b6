#include "afx/ParseUrl.h"

#include <cstring>

namespace
{
struct Scheme
{
    const char* name; // followed by "://"
    DWORD service;
    INTERNET_PORT port;
};

const Scheme kSchemes[] = {
    {"http", AFX_INET_SERVICE_HTTP, INTERNET_DEFAULT_HTTP_PORT},
    {"https", AFX_INET_SERVICE_HTTPS, INTERNET_DEFAULT_HTTPS_PORT},
    {"ftp", AFX_INET_SERVICE_FTP, INTERNET_DEFAULT_FTP_PORT},
    {"gopher", AFX_INET_SERVICE_GOPHER, 70},
    {"file", AFX_INET_SERVICE_FILE, INTERNET_INVALID_PORT_NUMBER},
};

bool EqualNoCase(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i)
    {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = (char)(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = (char)(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}
} // namespace

BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 INTERNET_PORT& nPort)
{
    dwServiceType = AFX_INET_SERVICE_UNK;
    strServer.Empty();
    strObject.Empty();
    nPort = INTERNET_INVALID_PORT_NUMBER;
    if (pstrURL == nullptr)
        return FALSE;

    // Leading blanks are not part of an address typed or cut from a page.
    while (*pstrURL == ' ' || *pstrURL == '\t')
        ++pstrURL;
    const char* sep = std::strstr(pstrURL, "://");
    if (sep == nullptr)
        return FALSE;
    size_t schemeLen = (size_t)(sep - pstrURL);
    const Scheme* scheme = nullptr;
    for (const Scheme& s : kSchemes)
        if (std::strlen(s.name) == schemeLen && EqualNoCase(s.name, pstrURL, schemeLen))
            scheme = &s;
    if (scheme == nullptr)
        return FALSE;

    // Authority: [user[:password]@]host[:port], up to the first "/", "?" or "#".
    const char* auth = sep + 3;
    const char* end = auth + std::strcspn(auth, "/?#");
    const char* host = auth;
    for (const char* p = auth; p < end; ++p)
        if (*p == '@')
            host = p + 1;
    const char* hostEnd = end;
    const char* colon = nullptr;
    if (*host == '[') // IPv6 literal
    {
        const char* close = (const char*)std::memchr(host, ']', (size_t)(end - host));
        if (close == nullptr)
            return FALSE;
        colon = (close + 1 < end && close[1] == ':') ? close + 1 : nullptr;
    }
    else
    {
        colon = (const char*)std::memchr(host, ':', (size_t)(end - host));
    }
    INTERNET_PORT port = scheme->port;
    if (colon != nullptr)
    {
        hostEnd = colon;
        if (colon + 1 < end)
        {
            unsigned long value = 0;
            for (const char* p = colon + 1; p < end; ++p)
            {
                if (*p < '0' || *p > '9')
                    return FALSE;
                value = value * 10 + (unsigned long)(*p - '0');
                if (value > 65535)
                    return FALSE;
            }
            port = (INTERNET_PORT)value;
        }
    }
    if (hostEnd == host && scheme->service != AFX_INET_SERVICE_FILE)
        return FALSE;

    dwServiceType = scheme->service;
    strServer = CString(host, (int)(hostEnd - host));
    strObject = *end != '\0' ? CString(end) : CString("/");
    if (strObject[0] != '/')
        strObject = "/" + strObject;
    nPort = port;
    return TRUE;
}
