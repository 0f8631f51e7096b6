#include "net/ServiceHosts.h"

#include "afx/ParseUrl.h"
#include "text/UrlUtil.h"

const TCHAR kServiceHostSection[] = "Settings";

namespace
{
struct HostEntry
{
    LPCTSTR key;
    LPCTSTR origin;
};

const HostEntry kHosts[ServiceHostCount] = {
    {"HostAuctions", "https://auctions.yahoo.co.jp"},
    {"HostItemPage", "https://page.auctions.yahoo.co.jp"},
    {"HostOpenList", "https://openuser.auctions.yahoo.co.jp"},
    {"HostClosedList", "https://closeduser.auctions.yahoo.co.jp"},
    {"HostSell", "https://sell.auctions.yahoo.co.jp"},
    {"HostLogin", "https://login.yahoo.co.jp"},
    {"HostPortal", "https://www.yahoo.co.jp"},
    {"HostPoints", "https://points.yahoo.co.jp"},
    {"HostImages", "https://s.yimg.jp"},
    {"HostProtectedLogin", "https://protect.login.yahoo.co.jp"},
    {"HostTrading", "http://contact.auctions.yahoo.co.jp"},
    {"HostContact", "https://contact.auctions.yahoo.co.jp"},
};

CString& Origin(ServiceHost host)
{
    static CString origins[ServiceHostCount];
    return origins[host];
}

BOOL IsValidHost(ServiceHost host)
{
    return host >= 0 && host < ServiceHostCount;
}

// Scheme, host and port of an absolute URL; the object is returned too.
BOOL SplitOrigin(LPCTSTR url, CString& origin, CString& object)
{
    DWORD service = 0;
    CString server;
    INTERNET_PORT port = 0;
    origin.Empty();
    return AfxParseURL(url, service, server, object, port) && GetSchemeAndHost(url, origin);
}
} // namespace

LPCTSTR GetServiceHostKey(ServiceHost host)
{
    return IsValidHost(host) ? kHosts[host].key : "";
}

LPCTSTR GetDefaultServiceOrigin(ServiceHost host)
{
    return IsValidHost(host) ? kHosts[host].origin : "";
}

CString GetServiceOrigin(ServiceHost host)
{
    if (!IsValidHost(host))
        return CString();
    const CString& origin = Origin(host);
    return origin.IsEmpty() ? CString(kHosts[host].origin) : origin;
}

BOOL SetServiceOrigin(ServiceHost host, LPCTSTR origin)
{
    if (!IsValidHost(host))
        return FALSE;
    if (origin == nullptr || *origin == '\0')
    {
        Origin(host).Empty();
        return TRUE;
    }
    CString normal;
    CString object;
    // A path, a query or a fragment leaves an object other than "/".
    if (!SplitOrigin(origin, normal, object) || object != "/" || normal.Left(6) == "ftp://")
        return FALSE;
    Origin(host) = normal;
    return TRUE;
}

void ResetServiceOrigins()
{
    for (int i = 0; i < ServiceHostCount; ++i)
        Origin((ServiceHost)i).Empty();
}

int LoadServiceOrigins(ServiceProfileReader reader)
{
    if (reader == nullptr)
        return 0;
    int taken = 0;
    for (int i = 0; i < ServiceHostCount; ++i)
    {
        CString value = reader(kServiceHostSection, kHosts[i].key, "");
        value.TrimLeft();
        value.TrimRight();
        if (!value.IsEmpty() && SetServiceOrigin((ServiceHost)i, value))
            ++taken;
    }
    return taken;
}

BOOL MakeServiceURL(ServiceHost host, LPCTSTR path, CString& out)
{
    out.Empty();
    if (!IsValidHost(host) || path == nullptr || *path == '\0')
        return FALSE;
    out = GetServiceOrigin(host) + path;
    return TRUE;
}
