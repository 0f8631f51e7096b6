#ifndef TANZO_TESTS_AUCTION_ACCOUNTTESTUTIL_H
#define TANZO_TESTS_AUCTION_ACCOUNTTESTUTIL_H

// An account of the tests in one line.

#include "auction/UserAccount.h"

inline CUserAccount Account(const char* id, const char* password = "pw", const char* memo = "")
{
    CUserAccount account;
    account.SetID(id);
    account.SetPassword(password);
    account.SetMemo(memo);
    return account;
}

#endif // TANZO_TESTS_AUCTION_ACCOUNTTESTUTIL_H
