#ifndef TANZO_TESTS_AUCTION_ACCOUNTTESTUTIL_H
#define TANZO_TESTS_AUCTION_ACCOUNTTESTUTIL_H

// An account of the tests in one line, and the user-ID list dialog as the
// account list sees it.

#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserAccountEditor.h"

#include <functional>
#include <vector>

inline CUserAccount Account(const char* id, const char* password = "pw", const char* memo = "")
{
    CUserAccount account;
    account.SetID(id);
    account.SetPassword(password);
    account.SetMemo(memo);
    return account;
}

// The user-ID list dialog as a user leaves it: the test says what it
// holds after OK.
class CFakeAccountEditor : public CUserAccountEditor
{
public:
    void AddEntry(const CUserIdEntry& entry) override
    {
        const CUserAccount* pAccount = dynamic_cast<const CUserAccount*>(&entry);
        handedIn.push_back(pAccount != nullptr ? *pAccount : Account(entry.GetID(), ""));
    }
    INT_PTR RunModal() override
    {
        if (edit)
            edit(*this);
        return result;
    }
    BOOL IsChanged() const override { return changed; }
    int GetEntryCount() const override { return (int)entries.size(); }
    BOOL HasEntry(LPCTSTR id) const override
    {
        for (const CUserAccount& entry : entries)
            if (CString(entry.GetID()).CompareNoCase(id) == 0)
                return TRUE;
        return FALSE;
    }
    BOOL IsModified(int index) const override
    {
        for (int modifiedIndex : modified)
            if (index == -1 || index == modifiedIndex)
                return TRUE;
        return FALSE;
    }
    BOOL GetEntry(int index, CUserAccount& out) const override
    {
        if (index < 0 || index >= (int)entries.size())
            return FALSE;
        out.CopyFrom(entries[index]);
        return TRUE;
    }
    int GetAddedCount() const override { return (int)added.size(); }
    BOOL GetAddedEntry(int index, CUserAccount& out) const override
    {
        if (index < 0 || index >= (int)added.size())
            return FALSE;
        out.CopyFrom(added[index]);
        return TRUE;
    }

    std::vector<CUserAccount> handedIn;
    std::function<void(CFakeAccountEditor&)> edit;
    INT_PTR result = IDOK;
    BOOL changed = TRUE;
    std::vector<CUserAccount> entries, added;
    std::vector<int> modified;
};

#endif // TANZO_TESTS_AUCTION_ACCOUNTTESTUTIL_H
