#ifndef TANZO_AUCTION_USERIDLISTDATA_H
#define TANZO_AUCTION_USERIDLISTDATA_H

// What the user-ID list dialog holds: the entries handed in before it runs,
// the rows the user adds, edits and deletes while it runs, and, once it
// ended with OK, the entries it still holds, those it added and which of
// them were edited.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <memory>
#include <vector>

class CUserAccount;
class CUserIdEntry;

// How a row came to be in the list.
enum
{
    USERID_ROW_HANDED_IN = 0,
    USERID_ROW_ADDED = 1,
    USERID_ROW_CHANGED = 2, // handed in and edited
};

struct CUserIdRow
{
    CString strId;
    CString strMemo;
    int nState = USERID_ROW_HANDED_IN;
    CString strPassword;
};

class CUserIdListData
{
public:
    CUserIdListData();
    ~CUserIdListData();

    // ---- Entries: handed in, and the result of OK
    // Appends a copy (an account stays an account).
    void AddEntry(const CUserIdEntry& entry);
    int GetEntryCount() const { return (int)m_entries.size(); }
    const CUserIdEntry* GetEntryAt(int nIndex) const;
    // Index of the entry with that ID without regard to case, -1 for none.
    int FindEntry(LPCTSTR lpszId) const;
    BOOL HasEntry(LPCTSTR lpszId) const { return FindEntry(lpszId) >= 0; }
    // Whether the entry was edited; -1 asks whether any was.
    BOOL IsModified(int nIndex) const;
    int GetAddedCount() const { return (int)m_added.size(); }
    // Copy into out (with the password when both are accounts); an index
    // out of range leaves out as it was.
    BOOL GetEntry(int nIndex, CUserIdEntry& out) const;
    BOOL GetAddedEntry(int nIndex, CUserIdEntry& out) const;
    BOOL IsChanged() const { return m_bChanged; }

    // ---- Rows while the dialog runs
    // One row per entry, as handed in.
    void ResetRows();
    int GetRowCount() const { return (int)m_rows.size(); }
    const CUserIdRow* GetRow(int nRow) const;
    // The index of the new row.
    int AddRow(LPCTSTR lpszId, LPCTSTR lpszMemo, LPCTSTR lpszPassword);
    // A row as handed in becomes changed.
    BOOL EditRow(int nRow, LPCTSTR lpszMemo, LPCTSTR lpszPassword);
    BOOL DeleteRow(int nRow);
    // The account of a row: the entry handed in for a row as handed in,
    // else the row's ID, memo and password.
    BOOL GetRowAccount(int nRow, CUserAccount& out) const;
    // OK: the entries become the rows in order (accounts with their
    // passwords): rows handed in and changed ones are the entries, the
    // changed ones marked modified; added rows are the added entries.
    void CommitRows();

private:
    std::vector<std::unique_ptr<CUserIdEntry>> m_entries;
    std::vector<std::unique_ptr<CUserIdEntry>> m_added;
    std::vector<int> m_modified;
    std::vector<CUserIdRow> m_rows;
    BOOL m_bChanged = FALSE;

    CUserIdListData(const CUserIdListData&) = delete;
    CUserIdListData& operator=(const CUserIdListData&) = delete;
};

#endif // TANZO_AUCTION_USERIDLISTDATA_H
