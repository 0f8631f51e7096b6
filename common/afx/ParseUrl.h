#ifndef TANZO_AFX_PARSEURL_H
#define TANZO_AFX_PARSEURL_H

#include "afx/String.h"
#include "afx/wintypes.h"

#ifdef _WIN32
#include <wininet.h>
#else
typedef WORD INTERNET_PORT;
#define INTERNET_INVALID_PORT_NUMBER 0
#define INTERNET_DEFAULT_FTP_PORT 21
#define INTERNET_DEFAULT_HTTP_PORT 80
#define INTERNET_DEFAULT_HTTPS_PORT 443
#define INTERNET_SERVICE_FTP 1
#define INTERNET_SERVICE_GOPHER 2
#define INTERNET_SERVICE_HTTP 3
#endif

// Service types of AfxParseURL.
#define AFX_INET_SERVICE_FTP INTERNET_SERVICE_FTP
#define AFX_INET_SERVICE_HTTP INTERNET_SERVICE_HTTP
#define AFX_INET_SERVICE_GOPHER INTERNET_SERVICE_GOPHER
#define AFX_INET_SERVICE_UNK 0x1000
#define AFX_INET_SERVICE_FILE (AFX_INET_SERVICE_UNK + 1)
#define AFX_INET_SERVICE_MAILTO (AFX_INET_SERVICE_UNK + 2)
#define AFX_INET_SERVICE_HTTPS (AFX_INET_SERVICE_UNK + 11)

// Splits an absolute URL into its service, server, object (path and query,
// "/" when empty) and port (the service's default when none is written).
// FALSE, with the service AFX_INET_SERVICE_UNK, for a text that is not an
// absolute URL of a known service or whose port is not a number up to 65535.
BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 INTERNET_PORT& nPort);

#endif // TANZO_AFX_PARSEURL_H
