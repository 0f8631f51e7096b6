#ifndef TANZO_CLIENT_ACTIONS_SENDONCESCOPE_H
#define TANZO_CLIENT_ACTIONS_SENDONCESCOPE_H

#include "afx/wintypes.h"

class AuctionItem;
class CHttpComm;
class CProgressSinkRef;

// While it lives, the conversation never repeats a request nor asks the
// user whether to: a final post is sent once, and whether a post that got
// no answer was taken is the service's to know.
class CSendOnceScope
{
public:
    explicit CSendOnceScope(CHttpComm* pHttp);
    ~CSendOnceScope();
    CSendOnceScope(const CSendOnceScope&) = delete;
    CSendOnceScope& operator=(const CSendOnceScope&) = delete;

private:
    CHttpComm* m_pHttp;
    BOOL m_bWasQuiet;
};

// A final post got no answer (not stopped by the user): 906 with the
// item's title and ID, since the service may have taken it.
void ShowFinalPostUnanswered(const CProgressSinkRef& progress, const AuctionItem& item);

#endif // TANZO_CLIENT_ACTIONS_SENDONCESCOPE_H
