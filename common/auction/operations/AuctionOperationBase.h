#ifndef TANZO_AUCTION_AUCTIONOPERATIONBASE_H
#define TANZO_AUCTION_AUCTIONOPERATIONBASE_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/operations/OperationResourceIds.h"
#include "net/ProgressSinkRef.h"
#include "text/BitFlags.h"

class AuctionItem;
class CHttpComm;
class CProgressSink;
class CRequestHost;
class CUserAccountList;

// One piece of work against the service on the user's behalf (re-listing,
// feedback, removal...). Its requests notice when the service has dropped
// the log-in or shows another user, sign in again through the owner (the
// account list) and are repeated. Made for one command; the concrete
// operation supplies Run.
class CAuctionOperationBase : public CBitFlagsEx
{
public:
    // Bits of the flag word; the others belong to concrete operations.
    enum
    {
        flagUserCompared = 0x1, // the ID a page shows was compared once
        flag2 = 0x2,
    };
    // Kinds of ReportError used here.
    enum
    {
        ErrorNotServicePage = 3,
        ErrorAnnouncement = 4,
    };
    enum
    {
        // A service that keeps asking for a log-in after each one is given
        // up on after this many for one request.
        MaxLoginsPerRequest = 3,
    };

    CAuctionOperationBase(CHttpComm* pHttpComm, CProgressSink* pSink);
    ~CAuctionOperationBase() override;

    // The work; non-zero when it succeeded.
    virtual BOOL Run() = 0;
    // The concrete operation's type number; -1 here.
    virtual int GetOperationType() const;
    virtual int GetTargetCount() const = 0;
    // 0 when the operation must not run now.
    virtual int CanRun();
    virtual void ReportResult(BOOL bOk) = 0;
    virtual void ReportError(int nKind, LPARAM param) = 0;
    // The owner's current user; FALSE (out empty) for none.
    virtual BOOL GetExpectedUserId(CString& out);
    // Signs in again through the owner; a failure is reported by it.
    virtual BOOL PerformLogin();
    // The last page is a page of the service: FALSE, with ReportError 4
    // for the trading system's announcement and 3 for any other page.
    virtual BOOL CheckCompletion();
    // The item's URL of the item path on the item page's host.
    virtual BOOL MakeItemUrl(const AuctionItem& item, CString& out);
    // The icon of the operation's progress dialog; 0: none.
    virtual UINT GetIconResourceId() const;

    // GET when body is null or empty, else a url-encoded POST; 1 when the
    // page was fetched and may be used. Before the first POST of the
    // operation the user is checked on a GET of the notice page.
    BOOL Get(LPCTSTR url, LPCTSTR body = nullptr);
    // A POST of raw bytes (multipart bodies) with extra header lines.
    BOOL Post(LPCTSTR url, LPCVOID data, DWORD length, LPCTSTR headers);
    // Message 672 with the service's text.
    void ReportServerError(LPCTSTR text);

    // What the requests run on. A host window runs them on its own
    // conversation, which must be the one set here.
    void SetHttpComm(CHttpComm* pHttpComm) { m_progress.SetHttpComm(pHttpComm); }
    CHttpComm* GetHttpComm() const { return m_progress.GetHttpComm(); }
    void SetProgressSink(CProgressSink* pSink) { m_progress.SetSink(pSink); }
    const CProgressSinkRef& GetProgress() const { return m_progress; }
    void SetHostWindow(CRequestHost* pHost) { m_pHost = pHost; }
    CRequestHost* GetHostWindow() const { return m_pHost; }
    void SetOwner(CUserAccountList* pOwner) { m_pOwner = pOwner; }
    CUserAccountList* GetOwner() const { return m_pOwner; }
    void SetName(LPCTSTR name) { m_strName = name; }
    const CString& GetName() const { return m_strName; }
    void SetItemPath(LPCTSTR path) { m_strItemPath = path; }
    const CString& GetItemPath() const { return m_strItemPath; }
    void AddFlags(DWORD dwBits) { Add(dwBits); }
    BOOL TestFlag2() const { return TestAny(flag2) != 0; }
    BOOL TestFlags(DWORD dwBits) const { return TestAny(dwBits) != 0; }

private:
    CAuctionOperationBase(const CAuctionOperationBase&) = delete;
    CAuctionOperationBase& operator=(const CAuctionOperationBase&) = delete;

    // The request itself, through the host when there is one.
    BOOL RunGet(LPCTSTR url, LPCTSTR body);
    BOOL RunPost(LPCTSTR url, LPCVOID data, DWORD length, LPCTSTR headers);
    // Runs the request until its page needs no log-in.
    template <class Request> BOOL FetchWithLogin(Request request);
    // The last page asks for a log-in: its address is the log-in page, or
    // it is the first page compared and shows another user.
    BOOL IsLoginWanted();
    // Before the first POST: a GET that compares the user.
    BOOL CompareUserBeforePost();

    CProgressSinkRef m_progress;
    CRequestHost* m_pHost;
    CUserAccountList* m_pOwner;
    CString m_strName;
    CString m_strItemPath;
};

#endif // TANZO_AUCTION_AUCTIONOPERATIONBASE_H
