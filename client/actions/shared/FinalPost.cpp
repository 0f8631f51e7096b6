#include "client/actions/shared/FinalPost.h"

#include "afx/MessageBox.h"
#include "auction/records/AuctionItem.h"
#include "client/TanzoOperation.h"
#include "net/HttpComm.h"
#include "net/ProgressSinkRef.h"

namespace
{
// While it lives the conversation never repeats a request nor asks the
// user whether to: whether a post that got no answer was taken is the
// service's to know.
class CSendOnce
{
public:
    explicit CSendOnce(CHttpComm& http) : m_http(http), m_bWasQuiet(http.TestAny(CHttpComm::flagQuiet) != 0)
    {
        m_http.Add(CHttpComm::flagQuiet);
    }
    ~CSendOnce()
    {
        if (!m_bWasQuiet)
            m_http.Remove(CHttpComm::flagQuiet);
    }
    CSendOnce(const CSendOnce&) = delete;
    CSendOnce& operator=(const CSendOnce&) = delete;

private:
    CHttpComm& m_http;
    BOOL m_bWasQuiet;
};
} // namespace

BOOL SendFinalPost(CTanzoOperation& job, LPCTSTR url, LPCTSTR body, const AuctionItem& item)
{
    CHttpComm* pHttp = job.GetHttpComm();
    // Stopped already: the post does not leave.
    if (pHttp == nullptr || pHttp->IsCancelled())
        return FALSE;
    job.AddFlags(CAuctionOperationBase::flag2);
    BOOL bAnswered;
    {
        CSendOnce once(*pHttp);
        bAnswered = job.Get(url, body);
    }
    if (!bAnswered)
        ShowFinalPostUnanswered(job.GetProgress(), item);
    return bAnswered;
}

void ShowFinalPostUnanswered(const CProgressSinkRef& progress, const AuctionItem& item)
{
    CString message, line;
    message.LoadString(IDS_MAYBE_FAILED);
    item.FormatTitleWithID(line, FALSE);
    progress.ShowMessage(message + "\r\n\r\n" + line, kErrorBox);
}
