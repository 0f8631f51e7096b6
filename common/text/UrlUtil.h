#ifndef TANZO_TEXT_URLUTIL_H
#define TANZO_TEXT_URLUTIL_H

#include "afx/String.h"

// Scheme prefixes that HasUrlScheme and IsEmptyOrSchemeOnly may test.
enum UrlSchemeFlags
{
    URL_SCHEME_HTTP = 1,  // "http://"
    URL_SCHEME_HTTPS = 2, // "https://"
    URL_SCHEME_FTP = 4,   // "ftp://"
    URL_SCHEME_RES = 8,   // "res://"
};

// TRUE when the url begins, ignoring case, with one of the selected prefixes.
BOOL HasUrlScheme(LPCTSTR url, UINT flags);

// TRUE for an empty text or one that is only a selected prefix: an address
// field holding just "http://" counts as empty.
BOOL IsEmptyOrSchemeOnly(LPCTSTR text, UINT flags);

BOOL IsMailtoUrl(LPCTSTR text);

// The local path a "file:" address names ("file:///C:/a%20b/c.htm" gives
// "C:\a b\c.htm", "file://server/share/x" gives "\\server\share\x"), or
// a path given as it is (a drive letter and ':', or "\\"); percent escapes
// are decoded and '/' becomes '\'. FALSE (out empty) for any other address.
BOOL FileUrlToPath(LPCTSTR url, CString& out);

// "http://", "https://" or "ftp://" and the host name; a port only when it
// is not the scheme's default.
BOOL GetSchemeAndHost(LPCTSTR url, CString& out);

// The text before the first "://" and "://"; FALSE without one.
BOOL GetSchemePrefix(LPCTSTR url, CString& out);

// 0 when both name the same place: scheme, query and fragment are ignored,
// and so is one trailing "/". Otherwise the byte order of the rest.
int CompareUrls(LPCTSTR a, LPCTSTR b);

#endif // TANZO_TEXT_URLUTIL_H
