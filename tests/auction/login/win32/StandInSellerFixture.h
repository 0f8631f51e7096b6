#ifndef TANZO_TESTS_AUCTION_WIN32_STANDINSELLERFIXTURE_H
#define TANZO_TESTS_AUCTION_WIN32_STANDINSELLERFIXTURE_H

// A test against the stand-in of the service as the seller demo_seller1:
// the stand-in starts afresh, every host of the service points at it, the
// HTTP client shows no boxes and the account list holds that seller.

#include <gtest/gtest.h>

#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountList.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"

// Accounts: the account list the code under test is given, a
// CUserAccountList or a class of its own derived from it.
template <class Accounts = CUserAccountList> class StandInSellerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::UseServiceOrigins());
        http.Add(CHttpComm::flagQuiet);
        CUserAccount account;
        account.SetID("demo_seller1");
        account.SetPassword("pass-seller1");
        accounts.Add(account);
    }
    void TearDown() override
    {
        StandIn::Reset();
        ResetServiceOrigins();
    }

    CHttpComm http;
    Accounts accounts;
};

#endif // TANZO_TESTS_AUCTION_WIN32_STANDINSELLERFIXTURE_H
