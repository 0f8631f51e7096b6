#include "auction/login/LoginAddresses.h"

#include "text/MbcsString.h"
#include "text/UrlEncoding.h"

#include <cstring>

namespace
{
const TCHAR kLoginPath[] = "/config/login";

BOOL IsOriginEnd(TCHAR next)
{
    return next == '\0' || next == '/' || next == '?';
}

// pattern followed by "/", "?" or the end somewhere in the text.
BOOL HasAtBoundary(LPCTSTR text, LPCTSTR pattern)
{
    const int length = (int)strlen(pattern);
    for (int at = MbsFindNoCase(text, pattern); at >= 0; at = MbsFindNoCase(text, pattern, at + 1))
    {
        if (IsOriginEnd(text[at + length]))
            return TRUE;
    }
    return FALSE;
}

// "//" and the host (with its port) of the host's origin.
CString HostPart(ServiceHost host)
{
    CString origin = GetServiceOrigin(host);
    const int scheme = origin.Find("://");
    return scheme < 0 ? CString() : origin.Mid(scheme + 1);
}

CString WithDone(LPCTSTR query)
{
    CString encoded;
    UrlEncode(GetLoginDoneUrl(), encoded);
    return GetServiceOrigin(HostLogin) + kLoginPath + query + encoded;
}
} // namespace

BOOL HasServiceOrigin(LPCTSTR text, ServiceHost host)
{
    const CString part = HostPart(host);
    if (text == nullptr || *text == '\0' || part.IsEmpty())
        return FALSE;
    return HasAtBoundary(text, MakeServiceAddress(host, TRUE, nullptr)) ||
           HasAtBoundary(text, MakeServiceAddress(host, FALSE, nullptr));
}

BOOL LinksToService(LPCTSTR href, ServiceHost host, LPCTSTR path)
{
    const CString part = HostPart(host);
    if (href == nullptr || *href == '\0' || part.IsEmpty())
        return FALSE;
    if (path == nullptr || *path == '\0')
        return HasAtBoundary(href, part);
    return MbsFindNoCase(href, part + path) >= 0;
}

CString MakeServiceAddress(ServiceHost host, BOOL bSecure, LPCTSTR path)
{
    const CString part = HostPart(host);
    if (part.IsEmpty())
        return CString();
    return (bSecure ? "https:" : "http:") + part + (path != nullptr ? path : "");
}

BOOL BeginsWithOrigin(LPCTSTR url, LPCTSTR origin)
{
    const int length = origin != nullptr ? (int)strlen(origin) : 0;
    return url != nullptr && length > 0 && MbsCompareNNoCase(url, origin, length) == 0 &&
           (int)strlen(url) >= length && IsOriginEnd(url[length]);
}

BOOL IsOnServiceOrigin(LPCTSTR url, ServiceHost host, BOOL bAllowConfigured)
{
    if (url == nullptr || *url == '\0')
        return FALSE;
    return BeginsWithOrigin(url, MakeServiceAddress(host, TRUE, nullptr)) ||
           (bAllowConfigured && BeginsWithOrigin(url, GetServiceOrigin(host)));
}

CString GetLoginDoneUrl()
{
    return GetServiceOrigin(HostAuctions) + "/topic/notice/";
}

CString GetLoginUrl()
{
    return WithDone("?.src=auc&lg=jp&auth_lv=pw&.intl=jp&.done=");
}

CString GetLogoutUrl()
{
    return WithDone("?logout=1&.src=auc&lg=jp&.intl=jp&.done=");
}

CString GetLoginIdPage(int i)
{
    switch (i)
    {
    case 0:
        return GetLoginDoneUrl();
    case 1:
        return GetServiceOrigin(HostAuctions) + "/";
    case 2:
        return GetServiceOrigin(HostPortal) + "/";
    default:
        return CString();
    }
}
