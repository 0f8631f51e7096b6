#ifndef TANZO_NET_PROGRESSSINK_H
#define TANZO_NET_PROGRESSSINK_H

#include "afx/wintypes.h"

// Where long work reports its status line, caption, second status line and
// messages. Progress dialogs, the main frame and the list pages implement
// it; only SetStatus must be supplied. Nobody deletes a sink through this
// interface, so it has no virtual destructor.
class CProgressSink
{
public:
    virtual void SetStatusId(UINT nID);
    virtual void SetStatus(LPCTSTR lpszText) = 0;
    virtual int ShowMessageId(UINT nID, UINT nType);
    virtual int ShowMessage(LPCTSTR lpszText, UINT nType);
    virtual void SetTitleId(UINT nID);
    virtual void SetTitle(LPCTSTR lpszText);
    virtual void SetSubStatusId(UINT nID);
    virtual void SetSubStatus(LPCTSTR lpszText);

protected:
    CProgressSink() = default;
    CProgressSink(const CProgressSink&) = default;
    CProgressSink& operator=(const CProgressSink&) = default;
    ~CProgressSink() = default;
};

#endif // TANZO_NET_PROGRESSSINK_H
