#ifndef TANZO_NET_REQUESTHOST_H
#define TANZO_NET_REQUESTHOST_H

#include "afx/wintypes.h"

class CWnd;

// A window that runs the requests of a piece of work on its own HTTP
// conversation, so that they show in it and its Cancel stops them: the
// progress dialogs that host an operation. Nobody deletes a host through
// this interface.
class CRequestHost
{
public:
    // GET when body is null or empty, else a form POST of the text;
    // non-zero when the page was read.
    virtual BOOL Request(LPCTSTR url, LPCTSTR body) = 0;
    // POST of raw bytes with the extra header lines.
    virtual BOOL Send(LPCTSTR url, LPCVOID data, DWORD length, LPCTSTR headers) = 0;
    // The window that owns what the work shows meanwhile (log-in dialogs).
    virtual CWnd* GetHostWnd() = 0;

protected:
    CRequestHost() = default;
    CRequestHost(const CRequestHost&) = default;
    CRequestHost& operator=(const CRequestHost&) = default;
    ~CRequestHost() = default;
};

#endif // TANZO_NET_REQUESTHOST_H
