#ifndef TANZO_AUCTION_LOGINADDRESSES_H
#define TANZO_AUCTION_LOGINADDRESSES_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "net/ServiceHosts.h"

// The addresses of signing in and out, built from the host table, and the
// classes of address that the log-in windows tell apart.

// TRUE when text holds the host's origin, in its https:// or http:// form,
// followed by "/", "?" or the end ("http://127.0.0.1:4000" is not found in
// "http://127.0.0.1:40001/").
BOOL HasServiceOrigin(LPCTSTR text, ServiceHost host);
// TRUE when a link of a page leads to the host, written with any scheme
// or none ("//host/..."): the host followed by path when one is given,
// else by "/", "?" or the end.
BOOL LinksToService(LPCTSTR href, ServiceHost host, LPCTSTR path = nullptr);
// The host's address with the path in its https:// (bSecure) or http://
// form, whatever scheme the configured origin has.
CString MakeServiceAddress(ServiceHost host, BOOL bSecure, LPCTSTR path);
// TRUE when the URL begins with the host's https:// origin, or with the
// configured origin (bAllowConfigured), followed by "/", "?" or the end.
BOOL IsOnServiceOrigin(LPCTSTR url, ServiceHost host, BOOL bAllowConfigured);
// TRUE when the URL begins with the origin (ignoring case) followed by
// "/", "?" or the end.
BOOL BeginsWithOrigin(LPCTSTR url, LPCTSTR origin);

// The notice page of the auction host, where the service goes after a
// successful log-in.
CString GetLoginDoneUrl();
// The log-in page, which returns to the done address.
CString GetLoginUrl();
CString GetLogoutUrl();
// The pages that show the signed-in ID, in the order they are asked: the
// done address, the auction top page, the portal's top page.
enum
{
    LoginIdPageCount = 3
};
CString GetLoginIdPage(int i);

#endif // TANZO_AUCTION_LOGINADDRESSES_H
