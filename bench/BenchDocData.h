#ifndef TANZO_BENCH_BENCHDOCDATA_H
#define TANZO_BENCH_BENCHDOCDATA_H

// The document's data with a folder of the benchmark's own as its
// user-data folder and one account, the current user.

#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "client/TanzoDocData.h"

class CBenchDocData : public CTanzoDocData
{
public:
    CBenchDocData(const CString& root, LPCTSTR userID) : m_root(root)
    {
        CUserAccount account;
        account.SetID(userID);
        Add(account);
    }

protected:
    BOOL GetUserDataRoot(CString& out) override
    {
        out = m_root;
        return TRUE;
    }

private:
    CString m_root;
};

#endif // TANZO_BENCH_BENCHDOCDATA_H
