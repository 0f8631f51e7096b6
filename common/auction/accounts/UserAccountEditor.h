#ifndef TANZO_AUCTION_USERACCOUNTEDITOR_H
#define TANZO_AUCTION_USERACCOUNTEDITOR_H

#include "afx/wintypes.h"

class CUserAccount;
class CUserIdEntry;

// The user-ID list dialog of the accounts, as the account list sees it
// (CUserAccountList::EditWithDialog): the accounts are handed in before it
// runs, and what it holds afterwards is read back. The account form of the
// list dialog implements it; tests put a fake in its place.
class CUserAccountEditor
{
public:
    // Appends a copy of the entry (an account) before the dialog runs.
    virtual void AddEntry(const CUserIdEntry& entry) = 0;
    // Runs the dialog modally; IDOK when the user ended it with OK.
    virtual INT_PTR RunModal() = 0;
    // Anything was added, edited or deleted in the dialog.
    virtual BOOL IsChanged() const = 0;

    // The handed-in entries the dialog still holds, in list order.
    virtual int GetEntryCount() const = 0;
    // An entry of that ID (without regard to case) is still held.
    virtual BOOL HasEntry(LPCTSTR id) const = 0;
    // The entry at index was edited; -1 asks whether any was.
    virtual BOOL IsModified(int index) const = 0;
    // Copies the entry with its password; out-of-range leaves out as it was.
    virtual BOOL GetEntry(int index, CUserAccount& out) const = 0;

    // The entries added in the dialog, in order.
    virtual int GetAddedCount() const = 0;
    virtual BOOL GetAddedEntry(int index, CUserAccount& out) const = 0;

protected:
    CUserAccountEditor() = default;
    CUserAccountEditor(const CUserAccountEditor&) = default;
    CUserAccountEditor& operator=(const CUserAccountEditor&) = default;
    ~CUserAccountEditor() = default;
};

#endif // TANZO_AUCTION_USERACCOUNTEDITOR_H
