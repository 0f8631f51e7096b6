// The operation base over WinInet against the stand-in of the service, with
// the account list and the real log-in controller signing in again.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "auction/login/AuctionLoginController.h"
#include "auction/login/win32/StandInSellerFixture.h"
#include "auction/operations/AuctionTargetListOperation.h"
#include "net/HttpComm.h"
#include "net/HttpTestSupport.h"
#include "net/ProgressSink.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

namespace
{
const char kOperationPath[] = "/jp/show/operation";

class COperation : public CAuctionTargetListOperation
{
public:
    using CAuctionTargetListOperation::CAuctionTargetListOperation;
    BOOL Run() override { return Get(StandIn::Url("AUCTIONS", kOperationPath).c_str()); }
    void ReportResult(BOOL) override {}
    void ReportError(int nKind, LPARAM) override { errors.push_back(nKind); }
    std::vector<int> errors;
};

// Requests of the log by method and path, in order.
std::vector<std::string> Requests(const char* host)
{
    std::vector<std::string> out;
    for (const LoggedRequest& request : StandIn::Log())
    {
        if (request.host == host)
            out.push_back(request.method + " " + request.path);
    }
    return out;
}

size_t Count(const std::vector<std::string>& requests, const std::string& request)
{
    return (size_t)std::count(requests.begin(), requests.end(), request);
}

class OperationStandIn : public StandInSellerFixture<>
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StandInSellerFixture::SetUp());
        operation.SetOwner(&accounts);
    }

    // The number the operation page shows, -1 when it is another page.
    int PageCount()
    {
        CString count;
        return http.GetElementText("p", count, "id", "count", MARKUP_FIND_FIRST | MARKUP_FIND_INNER)
                   ? atoi(count)
                   : -1;
    }

    CRecordingProgressSink sink;
    COperation operation{&http, &sink};
};
} // namespace

TEST_F(OperationStandIn, SignsInAgainWhenTheSessionLapses)
{
    ASSERT_TRUE(operation.Run());
    EXPECT_EQ(1, PageCount());
    EXPECT_TRUE(operation.CheckCompletion());
    ASSERT_TRUE(StandIn::SetState("{\"lapse_now\": true}"));
    ASSERT_TRUE(operation.Run());
    EXPECT_EQ(2, PageCount());
    EXPECT_TRUE(sink.messages.empty());
    const std::vector<std::string> auctions = Requests("auctions");
    // Each time: the page sent to the log-in, and fetched again once signed in.
    EXPECT_EQ(4u, Count(auctions, std::string("GET ") + kOperationPath));
    EXPECT_EQ(2u, Count(Requests("login"), "POST /config/login"));
    EXPECT_TRUE(operation.errors.empty());
}

TEST_F(OperationStandIn, TheLogInsMessagesReachTheSinkWithoutAHostWindow)
{
    CUserAccount wrong;
    ASSERT_TRUE(accounts.GetAt(0, wrong));
    wrong.SetPassword("wrong");
    accounts.SetAt(0, wrong);
    EXPECT_FALSE(operation.Run());
    ASSERT_EQ(2u, sink.messages.size());
    // The service's own text, as the stand-in sends it.
    EXPECT_EQ(LoadText(IDS_LOGIN_SERVER_ERROR, "IDまたはパスワードが正しくありません。"), sink.messages[0]);
    EXPECT_EQ(LoadText(IDS_AUTO_LOGIN_FAILED), sink.messages[1]);
    EXPECT_EQ(1u, Count(Requests("auctions"), std::string("GET ") + kOperationPath));
}

TEST_F(OperationStandIn, ReportsPagesThatAreNotTheServices)
{
    const struct
    {
        const char* state;
        int error;
    } cases[] = {
        {"{\"announcement\": true}", CAuctionOperationBase::ErrorAnnouncement},
        {"{\"service_name\": false}", CAuctionOperationBase::ErrorNotServicePage},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::SetState(c.state));
        COperation op(&http, &sink);
        op.SetOwner(&accounts);
        ASSERT_TRUE(op.Run()) << c.state;
        EXPECT_FALSE(op.CheckCompletion()) << c.state;
        EXPECT_EQ(std::vector<int>{c.error}, op.errors) << c.state;
    }
}

TEST_F(OperationStandIn, PostsOnlyAfterTheUserIsCheckedAndNeverTwice)
{
    ASSERT_EQ(CUserAccountList::LoginDone, accounts.LogInCurrentUser(&http, &sink, nullptr, 0));
    const size_t before = Requests("auctions").size();
    const std::string url = StandIn::Url("AUCTIONS", kOperationPath);
    ASSERT_TRUE(operation.Get(url.c_str(), "name=%E8%A1%A8&x=1"));
    EXPECT_EQ(1, PageCount());
    const std::vector<std::string> auctions = Requests("auctions");
    EXPECT_EQ((std::vector<std::string>{"GET /topic/notice/", std::string("POST ") + kOperationPath}),
              std::vector<std::string>(auctions.begin() + std::min(before, auctions.size()), auctions.end()));
    EXPECT_EQ("name=%E8%A1%A8&x=1", StandIn::Log(kOperationPath).back().body);

    // A post the connection drops is not sent again.
    ASSERT_TRUE(StandIn::AddFault(std::string("{\"host\": \"auctions\", \"path\": \"") + kOperationPath +
                                  "\", \"method\": \"POST\", \"times\": 1, \"action\": \"reset\"}"));
    EXPECT_FALSE(operation.Get(url.c_str(), "x=2"));
    EXPECT_EQ(2u, Count(Requests("auctions"), std::string("POST ") + kOperationPath));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OperationStandIn, AnotherUsersPageSignsInOnceBeforeThePost)
{
    ASSERT_EQ(CUserAccountList::LoginDone, accounts.LogInCurrentUser(&http, &sink, nullptr, 0));
    ASSERT_TRUE(StandIn::SetState("{\"show_user\": \"demo_seller2\"}"));
    const std::string url = StandIn::Url("AUCTIONS", kOperationPath);
    EXPECT_TRUE(operation.Get(url.c_str(), "x=1"));
    EXPECT_EQ(2u, Count(Requests("login"), "POST /config/login"));
    EXPECT_EQ(1u, Count(Requests("auctions"), std::string("POST ") + kOperationPath));
    // Compared once: the next page of another user asks for nothing.
    EXPECT_TRUE(operation.Get(url.c_str()));
    EXPECT_EQ(2u, Count(Requests("login"), "POST /config/login"));
    EXPECT_TRUE(sink.messages.empty());
}
