#ifndef TANZO_NET_SERVICEHOSTS_H
#define TANZO_NET_SERVICEHOSTS_H

#include "afx/String.h"
#include "afx/wintypes.h"

// The hosts of the auction service. Addresses are built from a host's
// origin (scheme, host and port) and a path; the origins are configuration:
// each default can be replaced by a string value of the profile's
// "Settings" section, so that the program can talk to a stand-in of the
// service ("http://127.0.0.1:8080" is an origin too).
enum ServiceHost
{
    HostAuctions,       // auction pages: seller pages, bid history, feedback
    HostItemPage,       // item pages
    HostOpenList,       // the list of items on sale
    HostClosedList,     // the lists of closed and won items
    HostSell,           // listing and re-listing forms
    HostLogin,          // log-in pages and forms
    HostPortal,         // the portal's top page
    HostPoints,         // the points service
    HostImages,         // the service's images
    HostProtectedLogin, // one-time password and other protected log-in steps
    HostTrading,        // the trading system; its announcement page is http://
    HostContact,        // the seller's contact settings (bank accounts of easy trading)
    ServiceHostCount
};

// The profile section and the key of each host's origin.
extern const TCHAR kServiceHostSection[]; // "Settings"
LPCTSTR GetServiceHostKey(ServiceHost host);
LPCTSTR GetDefaultServiceOrigin(ServiceHost host);

// The origin in force, without a trailing "/".
CString GetServiceOrigin(ServiceHost host);

// Replaces a host's origin. An empty or null origin restores the default.
// FALSE, and nothing changes, for a text that is not an http:// or
// https:// origin (a path other than "/", a query or a fragment included).
BOOL SetServiceOrigin(ServiceHost host, LPCTSTR origin);
void ResetServiceOrigins();

// Reads a profile string as CWinApp::GetProfileString does.
typedef CString (*ServiceProfileReader)(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault);

// Takes every host's origin from the profile through reader; missing and
// invalid values keep the defaults. Returns the number of origins taken.
int LoadServiceOrigins(ServiceProfileReader reader);

// out = origin + path; FALSE for an empty path (out is then empty).
BOOL MakeServiceURL(ServiceHost host, LPCTSTR path, CString& out);

#endif // TANZO_NET_SERVICEHOSTS_H
