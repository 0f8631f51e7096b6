#include "auction/accounts/UserIdListData.h"

#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserIdEntry.h"
#include "text/MbcsString.h"

#include <algorithm>

namespace
{
void CopyEntry(const CUserIdEntry& from, CUserIdEntry& to)
{
    const CUserAccount* pFromAccount = dynamic_cast<const CUserAccount*>(&from);
    CUserAccount* pToAccount = dynamic_cast<CUserAccount*>(&to);
    if (pFromAccount != nullptr && pToAccount != nullptr)
        pToAccount->CopyFrom(*pFromAccount);
    else
        to.CopyFrom(from);
}

BOOL GetFrom(const std::vector<std::unique_ptr<CUserIdEntry>>& entries, int nIndex, CUserIdEntry& out)
{
    if (nIndex < 0 || nIndex >= (int)entries.size())
        return FALSE;
    CopyEntry(*entries[(size_t)nIndex], out);
    return TRUE;
}
} // namespace

CUserIdListData::CUserIdListData() = default;

CUserIdListData::~CUserIdListData() = default;

void CUserIdListData::AddEntry(const CUserIdEntry& entry)
{
    m_entries.emplace_back(entry.Clone());
}

const CUserIdEntry* CUserIdListData::GetEntryAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetEntryCount() ? m_entries[(size_t)nIndex].get() : nullptr;
}

int CUserIdListData::FindEntry(LPCTSTR lpszId) const
{
    for (int i = 0; i < GetEntryCount(); ++i)
    {
        if (MbsEqualNoCase(m_entries[(size_t)i]->GetID(), lpszId))
            return i;
    }
    return -1;
}

BOOL CUserIdListData::IsModified(int nIndex) const
{
    if (nIndex == -1)
        return !m_modified.empty();
    return std::find(m_modified.begin(), m_modified.end(), nIndex) != m_modified.end();
}

BOOL CUserIdListData::GetEntry(int nIndex, CUserIdEntry& out) const
{
    return GetFrom(m_entries, nIndex, out);
}

BOOL CUserIdListData::GetAddedEntry(int nIndex, CUserIdEntry& out) const
{
    return GetFrom(m_added, nIndex, out);
}

void CUserIdListData::ResetRows()
{
    m_rows.clear();
    for (const auto& pEntry : m_entries)
    {
        CUserIdRow row;
        row.strId = pEntry->GetID();
        row.strMemo = pEntry->GetMemo();
        if (const CUserAccount* pAccount = dynamic_cast<const CUserAccount*>(pEntry.get()))
            row.strPassword = pAccount->GetPassword();
        m_rows.push_back(row);
    }
}

const CUserIdRow* CUserIdListData::GetRow(int nRow) const
{
    return nRow >= 0 && nRow < GetRowCount() ? &m_rows[(size_t)nRow] : nullptr;
}

int CUserIdListData::AddRow(LPCTSTR lpszId, LPCTSTR lpszMemo, LPCTSTR lpszPassword)
{
    CUserIdRow row;
    row.strId = lpszId;
    row.strMemo = lpszMemo;
    row.nState = USERID_ROW_ADDED;
    row.strPassword = lpszPassword;
    m_rows.push_back(row);
    m_bChanged = TRUE;
    return GetRowCount() - 1;
}

BOOL CUserIdListData::EditRow(int nRow, LPCTSTR lpszMemo, LPCTSTR lpszPassword)
{
    if (GetRow(nRow) == nullptr)
        return FALSE;
    CUserIdRow& row = m_rows[(size_t)nRow];
    row.strMemo = lpszMemo;
    row.strPassword = lpszPassword;
    if (row.nState == USERID_ROW_HANDED_IN)
        row.nState = USERID_ROW_CHANGED;
    m_bChanged = TRUE;
    return TRUE;
}

BOOL CUserIdListData::DeleteRow(int nRow)
{
    if (GetRow(nRow) == nullptr)
        return FALSE;
    m_rows.erase(m_rows.begin() + nRow);
    m_bChanged = TRUE;
    return TRUE;
}

BOOL CUserIdListData::GetRowAccount(int nRow, CUserAccount& out) const
{
    const CUserIdRow* pRow = GetRow(nRow);
    if (pRow == nullptr)
        return FALSE;
    if (pRow->nState == USERID_ROW_HANDED_IN)
    {
        const CUserIdEntry* pEntry = GetEntryAt(FindEntry(pRow->strId));
        if (pEntry == nullptr)
            return FALSE;
        CUserAccount account;
        CopyEntry(*pEntry, account);
        out = account;
        return TRUE;
    }
    CUserAccount account;
    account.SetID(pRow->strId);
    account.SetMemo(pRow->strMemo);
    if (!account.SetPassword(pRow->strPassword))
        return FALSE;
    out = account;
    return TRUE;
}

void CUserIdListData::CommitRows()
{
    m_entries.clear();
    m_added.clear();
    m_modified.clear();
    for (const CUserIdRow& row : m_rows)
    {
        std::unique_ptr<CUserAccount> pAccount(new CUserAccount);
        pAccount->SetID(row.strId);
        pAccount->SetMemo(row.strMemo);
        pAccount->SetPassword(row.strPassword);
        if (row.nState == USERID_ROW_ADDED)
        {
            m_added.push_back(std::move(pAccount));
            continue;
        }
        if (row.nState == USERID_ROW_CHANGED)
            m_modified.push_back(GetEntryCount());
        m_entries.push_back(std::move(pAccount));
    }
}
