// The operation base over a played network: a lapsed log-in or another
// user's page signs in again through the owner and repeats the request, a
// bounded number of times; the user is checked before the first POST; the
// page is checked to be the service's.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "auction/operations/AuctionTargetListOperation.h"
#include "auction/records/AuctionItem.h"
#include "net/FakeNetwork.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressSink.h"
#include "net/RequestHost.h"
#include "net/ServiceHosts.h"

namespace
{
const char kAuctions[] = "http://auctions.test";
const char kLogin[] = "https://login.test";
const char kTrading[] = "http://trading.test";
const char kPage[] = "http://auctions.test/jp/show/operation";
const char kNotice[] = "http://auctions.test/topic/notice/";

// The service as the tests play it: a page of the auctions host shows the
// signed-in user; without a session it sends the log-in page.
struct Service
{
    bool signedIn = true;
    std::string shownUser = "Taro_Seller"; // empty: the page shows no ID
    bool serviceName = true;
    bool announcement = false;
    bool fail = false;

    void Answer(const SentRequest& sent, HttpExchange& x)
    {
        if (fail)
            return; // no connection
        if (sent.url.compare(0, strlen(kLogin), kLogin) == 0)
        {
            Respond(x, 200, "",
                    "<html><title>Yahoo! JAPAN - ログイン</title><form name=login_form></form></html>");
            return;
        }
        if (sent.url.compare(0, strlen(kTrading), kTrading) == 0)
        {
            Respond(x, 200, "", "<html><title>Yahoo!オークション - お知らせ</title></html>");
            return;
        }
        if (announcement)
        {
            Respond(x, 302, std::string(kTrading) + "/trs/announcement.html");
            return;
        }
        if (!signedIn)
        {
            Respond(x, 302, std::string(kLogin) + "/config/login?.src=auc");
            return;
        }
        std::string body = "<html><head><title>";
        body += serviceName ? "Yahoo!オークション - 操作" : "操作";
        body += "</title></head><body><div id=msthd>";
        if (!shownUser.empty())
            body += "<a id=msthdLoginName>" + shownUser + "</a> さん";
        body += "</div><p>done</p></body></html>";
        Respond(x, 200, "", body);
    }
};

// The account list as the operation's owner: its log-in signs the played
// service in (or fails as told) and is recorded.
class COwner : public CUserAccountList
{
public:
    explicit COwner(Service& service) : m_service(service)
    {
        CUserAccount account;
        account.SetID("taro_seller");
        account.SetPassword("pw");
        Add(account);
    }
    int LogInCurrentUser(CHttpComm* pHttp, CProgressSink* pSink, CWnd* pParent, int nLoginType) override
    {
        logins.push_back({pHttp, pSink, pParent, nLoginType});
        if (result == LoginDone)
            m_service.signedIn = true;
        if (afterLogin)
            afterLogin();
        return result;
    }

    struct Call
    {
        CHttpComm* pHttp;
        CProgressSink* pSink;
        CWnd* pParent;
        int nLoginType;
    };
    std::vector<Call> logins;
    int result = LoginDone;
    std::function<void()> afterLogin;

private:
    Service& m_service;
};

class CTestOperation : public CAuctionTargetListOperation
{
public:
    using CAuctionTargetListOperation::CAuctionTargetListOperation;
    BOOL Run() override { return Get(kPage); }
    void ReportResult(BOOL) override {}
    void ReportError(int nKind, LPARAM) override { errors.push_back(nKind); }
    std::vector<int> errors;
};

// A progress dialog that runs the requests on the operation's conversation.
class CFakeHost : public CRequestHost
{
public:
    explicit CFakeHost(CHttpComm& http) : m_http(http) {}
    BOOL Request(LPCTSTR url, LPCTSTR body) override
    {
        calls.push_back(std::string("request ") + url);
        return m_http.Request(url, body);
    }
    BOOL Send(LPCTSTR url, LPCVOID data, DWORD length, LPCTSTR headers) override
    {
        calls.push_back(std::string("send ") + url);
        return m_http.Send(url, data, length, headers, TRUE);
    }
    CWnd* GetHostWnd() override { return reinterpret_cast<CWnd*>(this); }
    std::vector<std::string> calls;

private:
    CHttpComm& m_http;
};

class AuctionOperation : public ::testing::Test
{
protected:
    AuctionOperation()
        : net([this](const SentRequest& sent, HttpExchange& x, HttpRequestState&)
              { service.Answer(sent, x); })
    {
        SetServiceOrigin(HostAuctions, kAuctions);
        SetServiceOrigin(HostLogin, kLogin);
        SetServiceOrigin(HostTrading, kTrading);
        http.Add(CHttpComm::flagQuiet);
        operation.SetOwner(&owner);
    }
    ~AuctionOperation() override { ResetServiceOrigins(); }

    std::vector<std::string> Urls() const
    {
        std::vector<std::string> urls;
        for (const SentRequest& sent : net.requests)
            urls.push_back((sent.post ? "POST " : "GET ") + sent.url.substr(0, sent.url.find('?')));
        return urls;
    }

    Service service;
    CFakeNetwork net;
    CHttpComm http;
    CRecordingProgressSink sink;
    COwner owner{service};
    CTestOperation operation{&http, &sink};
};
} // namespace

TEST_F(AuctionOperation, SignsInAgainWhenTheLogInLapsed)
{
    service.signedIn = false;
    EXPECT_TRUE(operation.Get(kPage));
    EXPECT_EQ((std::vector<std::string>{"GET http://auctions.test/jp/show/operation",
                                        "GET https://login.test/config/login",
                                        "GET http://auctions.test/jp/show/operation"}),
              Urls());
    ASSERT_EQ(1u, owner.logins.size());
    EXPECT_EQ(&http, owner.logins[0].pHttp);
    // Without a host window the log-in reports to the operation's sink.
    EXPECT_EQ(&sink, owner.logins[0].pSink);
    EXPECT_EQ(nullptr, owner.logins[0].pParent);
    EXPECT_EQ(0, owner.logins[0].nLoginType);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(AuctionOperation, ComparesTheShownUserOnceWithoutRegardToCase)
{
    const struct
    {
        const char* name;
        std::string first, later; // the users the pages show
        size_t logins;
    } cases[] = {
        {"same user, other case", "TARO_SELLER", "someone_else", 0},
        {"another user", "hanako_buyer", "hanako_buyer", 1},
        {"no ID on the first page", "", "hanako_buyer", 0},
    };
    for (const auto& c : cases)
    {
        service.shownUser = c.first;
        owner.logins.clear();
        net.requests.clear();
        CTestOperation op(&http, &sink);
        op.SetOwner(&owner);
        EXPECT_TRUE(op.Get(kPage)) << c.name;
        service.shownUser = c.later;
        EXPECT_TRUE(op.Get(kPage)) << c.name;
        EXPECT_EQ(c.logins, owner.logins.size()) << c.name;
        EXPECT_EQ(2 + c.logins, net.requests.size()) << c.name;
        EXPECT_TRUE(op.TestFlags(CAuctionOperationBase::flagUserCompared)) << c.name;
    }
}

TEST_F(AuctionOperation, WithoutAnOwnerALogInPageFails)
{
    service.signedIn = false;
    operation.SetOwner(nullptr);
    EXPECT_FALSE(operation.Get(kPage));
    EXPECT_EQ(2u, net.requests.size()); // the page and the log-in page it went to
    EXPECT_TRUE(owner.logins.empty());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(AuctionOperation, GivesUpOnAServiceThatKeepsAskingForALogIn)
{
    service.signedIn = false;
    owner.afterLogin = [this]() { service.signedIn = false; };
    EXPECT_FALSE(operation.Get(kPage));
    EXPECT_EQ(3u, owner.logins.size());
    EXPECT_EQ(8u, net.requests.size()); // four times the page and its redirect
    CString failed;
    failed.LoadString(IDS_AUTO_LOGIN_FAILED);
    EXPECT_EQ(std::vector<std::string>{(LPCTSTR)failed}, sink.messages);
}

TEST_F(AuctionOperation, AFailedLogInIsReportedByTheOwner)
{
    const struct
    {
        int code;
        size_t messages;
    } cases[] = {
        {CUserAccountList::LoginFailed, 1},
        {CUserAccountList::LoginIdNotFound, 1},
        {CUserAccountList::LoginCancelled, 0},
        {CUserAccountList::LoginNoAccounts, 0},
    };
    for (const auto& c : cases)
    {
        service.signedIn = false;
        owner.result = c.code;
        owner.logins.clear();
        sink.messages.clear();
        EXPECT_FALSE(operation.Get(kPage)) << c.code;
        EXPECT_EQ(1u, owner.logins.size()) << c.code;
        EXPECT_EQ(c.messages, sink.messages.size()) << c.code;
    }
}

TEST_F(AuctionOperation, AFailedRequestSignsNobodyIn)
{
    service.fail = true;
    EXPECT_FALSE(operation.Get(kPage));
    EXPECT_TRUE(owner.logins.empty());
    EXPECT_FALSE(operation.TestFlags(CAuctionOperationBase::flagUserCompared));
}

TEST_F(AuctionOperation, ChecksTheUserBeforeTheFirstPost)
{
    EXPECT_TRUE(operation.Get(kPage, "a=1&b=2"));
    const char body[] = "--x\r\npart\r\n--x--\r\n";
    EXPECT_TRUE(operation.Post(kPage, body, (DWORD)strlen(body),
                               "Content-Type: multipart/form-data; boundary=x\r\n"));
    EXPECT_EQ((std::vector<std::string>{"GET http://auctions.test/topic/notice/",
                                        "POST http://auctions.test/jp/show/operation",
                                        "POST http://auctions.test/jp/show/operation"}),
              Urls());
    EXPECT_EQ("a=1&b=2", net.requests[1].body);
    EXPECT_EQ(body, net.requests[2].body);

    // Another user on the notice page: signed in again before anything is posted.
    service.shownUser = "hanako_buyer";
    CTestOperation other(&http, &sink);
    other.SetOwner(&owner);
    net.requests.clear();
    EXPECT_TRUE(other.Post(kPage, body, (DWORD)strlen(body), nullptr));
    EXPECT_EQ(1u, owner.logins.size());
    EXPECT_EQ((std::vector<std::string>{"GET http://auctions.test/topic/notice/",
                                        "GET http://auctions.test/topic/notice/",
                                        "POST http://auctions.test/jp/show/operation"}),
              Urls());
}

TEST_F(AuctionOperation, AHostWindowRunsTheRequests)
{
    CFakeHost host(http);
    operation.SetHostWindow(&host);
    service.signedIn = false;
    EXPECT_TRUE(operation.Get(kPage));
    EXPECT_TRUE(operation.Post(kPage, "x", 1, nullptr));
    EXPECT_EQ((std::vector<std::string>{"request http://auctions.test/jp/show/operation",
                                        "request http://auctions.test/jp/show/operation",
                                        "send http://auctions.test/jp/show/operation"}),
              host.calls);
    ASSERT_EQ(1u, owner.logins.size());
    EXPECT_EQ(host.GetHostWnd(), owner.logins[0].pParent);
    EXPECT_EQ(&sink, owner.logins[0].pSink);
}

TEST_F(AuctionOperation, ChecksThatThePageIsTheServices)
{
    const struct
    {
        const char* name;
        bool serviceName, announcement;
        BOOL expected;
        std::vector<int> errors;
    } cases[] = {
        {"service page", true, false, TRUE, {}},
        {"without the service's name", false, false, FALSE, {CAuctionOperationBase::ErrorNotServicePage}},
        {"announcement", true, true, FALSE, {CAuctionOperationBase::ErrorAnnouncement}},
    };
    for (const auto& c : cases)
    {
        service.serviceName = c.serviceName;
        service.announcement = c.announcement;
        CTestOperation op(&http, &sink);
        ASSERT_TRUE(op.Get(kPage)) << c.name;
        EXPECT_EQ(c.expected, op.CheckCompletion()) << c.name;
        EXPECT_EQ(c.errors, op.errors) << c.name;
    }
    CTestOperation without(nullptr, &sink);
    EXPECT_FALSE(without.Get(kPage));
    EXPECT_FALSE(without.CheckCompletion());
    EXPECT_TRUE(without.errors.empty());
}

TEST_F(AuctionOperation, SmallServices)
{
    CString expected;
    EXPECT_TRUE(operation.GetExpectedUserId(expected));
    EXPECT_STREQ("taro_seller", expected);
    CTestOperation ownerless(&http, nullptr);
    EXPECT_FALSE(ownerless.GetExpectedUserId(expected));
    EXPECT_TRUE(expected.IsEmpty());
    EXPECT_EQ(-1, ownerless.GetOperationType());
    EXPECT_EQ(1, ownerless.CanRun());

    operation.ReportServerError("在庫がありません");
    CString message;
    message.FormatMessage(IDS_SERVER_ERROR, "在庫がありません");
    EXPECT_EQ(std::vector<std::string>{(LPCTSTR)message}, sink.messages);
    EXPECT_NE(std::string::npos, sink.messages[0].find("\"在庫がありません\""));

    AuctionItem item;
    item.SetAuctionID("x123");
    item.SetItemURL("https://page.test/jp/auction/x123");
    CString url;
    EXPECT_FALSE(operation.MakeItemUrl(item, url));
    operation.SetItemPath("/jp/show/featured");
    EXPECT_TRUE(operation.MakeItemUrl(item, url));
    EXPECT_STREQ("https://page.test/jp/show/featured?aID=x123", url);

    // The targets are the caller's.
    std::unique_ptr<AuctionItem> targets[2] = {std::make_unique<AuctionItem>(),
                                               std::make_unique<AuctionItem>()};
    {
        CTestOperation op(&http, nullptr);
        for (auto& target : targets)
            op.AddTarget(target.get());
        EXPECT_EQ(2, op.GetTargetCount());
        EXPECT_EQ(targets[1].get(), op.GetTargets().GetTail());
    }
    targets[0]->SetAuctionID("still here");
}
