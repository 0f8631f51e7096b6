#include "auction/operations/AuctionOperationBase.h"

#include "auction/accounts/UserAccountList.h"
#include "auction/login/LoginAddresses.h"
#include "auction/login/PageReaders.h"
#include "auction/operations/OperationPageReaders.h"
#include "auction/records/AuctionItem.h"
#include "net/HttpComm.h"
#include "net/RequestHost.h"
#include "text/MbcsString.h"

CAuctionOperationBase::CAuctionOperationBase(CHttpComm* pHttpComm, CProgressSink* pSink)
    : CBitFlagsEx(0), m_progress(pHttpComm, pSink), m_pHost(nullptr), m_pOwner(nullptr)
{
}

CAuctionOperationBase::~CAuctionOperationBase() = default;

int CAuctionOperationBase::GetOperationType() const
{
    return -1;
}

int CAuctionOperationBase::CanRun()
{
    return 1;
}

UINT CAuctionOperationBase::GetIconResourceId() const
{
    return 0;
}

BOOL CAuctionOperationBase::GetExpectedUserId(CString& out)
{
    out.Empty();
    if (m_pOwner != nullptr)
        out = m_pOwner->GetCurrentUserID();
    return !out.IsEmpty();
}

BOOL CAuctionOperationBase::PerformLogin()
{
    if (m_pOwner == nullptr)
        return FALSE;
    CRequestHost* pHost = m_pHost;
    // The operation's own sink also without a host window, so that the
    // log-in's messages are seen wherever the work runs.
    const int nCode = m_pOwner->LogInCurrentUser(GetHttpComm(), m_progress.GetSink(),
                                                 pHost != nullptr ? pHost->GetHostWnd() : nullptr, 0);
    if (nCode == CUserAccountList::LoginDone)
        return TRUE;
    m_pOwner->ShowLogInError(nCode, GetHttpComm(), m_progress.GetSink());
    return FALSE;
}

BOOL CAuctionOperationBase::CheckCompletion()
{
    CHttpComm* pHttp = GetHttpComm();
    if (pHttp == nullptr)
        return FALSE;
    CString url;
    pHttp->GetUrl(url);
    if (IsAnnouncementPage(url))
    {
        ReportError(ErrorAnnouncement, 0);
        return FALSE;
    }
    if (IsServicePage(pHttp))
        return TRUE;
    ReportError(ErrorNotServicePage, 0);
    return FALSE;
}

BOOL CAuctionOperationBase::MakeItemUrl(const AuctionItem& item, CString& out)
{
    return !m_strItemPath.IsEmpty() && item.MakeURLOnItemHost(m_strItemPath, out);
}

void CAuctionOperationBase::ReportServerError(LPCTSTR text)
{
    CString message;
    message.FormatMessage(IDS_SERVER_ERROR, text != nullptr ? text : "");
    m_progress.ShowMessage(message, 0);
}

BOOL CAuctionOperationBase::RunGet(LPCTSTR url, LPCTSTR body)
{
    if (m_pHost != nullptr)
        return m_pHost->Request(url, body);
    // The conversation never repeats a request with a body by itself.
    CHttpComm* pHttp = GetHttpComm();
    return pHttp != nullptr && pHttp->Request(url, body, TRUE);
}

BOOL CAuctionOperationBase::RunPost(LPCTSTR url, LPCVOID data, DWORD length, LPCTSTR headers)
{
    if (m_pHost != nullptr)
        return m_pHost->Send(url, data, length, headers);
    CHttpComm* pHttp = GetHttpComm();
    return pHttp != nullptr && pHttp->Send(url, data, length, headers, TRUE);
}

BOOL CAuctionOperationBase::IsLoginWanted()
{
    CHttpComm* pHttp = GetHttpComm();
    if (pHttp == nullptr)
        return FALSE;
    CString url;
    pHttp->GetUrl(url);
    if (IsLoginPageUrl(url))
        return TRUE;
    if (TestAny(flagUserCompared) != 0)
        return FALSE;
    // Compared once per operation: on the first page that is not the
    // log-in page, whether or not it shows an ID.
    CString shown;
    const BOOL bShown = GetLoginUserIdFromPage(pHttp, shown);
    Add(flagUserCompared);
    CString expected;
    return bShown && GetExpectedUserId(expected) && !MbsEqualNoCase(shown, expected);
}

template <class Request> BOOL CAuctionOperationBase::FetchWithLogin(Request request)
{
    for (int nLogins = 0;; ++nLogins)
    {
        if (!request())
            return FALSE;
        if (!IsLoginWanted())
            return TRUE;
        if (nLogins == MaxLoginsPerRequest)
        {
            // Signed in each time, and still the service asks again.
            if (m_pOwner != nullptr)
                m_pOwner->ShowLogInError(CUserAccountList::LoginFailed, GetHttpComm(), m_progress.GetSink());
            return FALSE;
        }
        if (!PerformLogin())
            return FALSE;
    }
}

BOOL CAuctionOperationBase::CompareUserBeforePost()
{
    if (TestAny(flagUserCompared) != 0)
        return TRUE;
    const CString notice = GetLoginDoneUrl();
    return FetchWithLogin([&]() { return RunGet(notice, nullptr); });
}

BOOL CAuctionOperationBase::Get(LPCTSTR url, LPCTSTR body)
{
    if (body != nullptr && *body != '\0' && !CompareUserBeforePost())
        return FALSE;
    return FetchWithLogin([&]() { return RunGet(url, body); });
}

BOOL CAuctionOperationBase::Post(LPCTSTR url, LPCVOID data, DWORD length, LPCTSTR headers)
{
    if (!CompareUserBeforePost())
        return FALSE;
    return FetchWithLogin([&]() { return RunPost(url, data, length, headers); });
}
