#include "client/ListRefresh.h"

#include <memory>

#include "afx/MessageBox.h"
#include "client/ListPageLayouts.h"
#include "client/ListResourceIds.h"
#include "client/PageCommands.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDocData.h"

CListRefresh::CListRefresh(CListRefreshHost& host, CTanzoDocData& doc)
    : m_host(host), m_doc(doc), m_outcome(NotStarted), m_logins(0)
{
}

int CListRefresh::Refresh(int first, int last)
{
    m_outcome = NotStarted;
    m_logins = 0;
    std::unique_ptr<CListPageReader> reader(m_host.CreateReader());
    if (!reader)
        return 0;
    m_host.BeginRefresh();

    int end = last == -1 ? first : last;
    int logins = 0;
    m_outcome = Completed;
    for (int page = first; page <= end;)
    {
        reader->SetExpectedUserId(m_doc.GetCurrentUserID());
        CTanzoAuctionItemList items;
        const int answer = reader->ReadPage(page, page == 1, items);
        if (answer == CMyAuctionListReader::PageLogin || answer == CMyAuctionListReader::PageOtherUser)
        {
            CMyAuctionListReader::FreeItems(items);
            int result = CUserAccountList::LoginFailed;
            if (logins < MaxLoginsPerPage)
            {
                ++logins;
                ++m_logins;
                result = m_doc.LogInCurrentUser(m_host.GetHttpComm(), m_host.GetProgressSink(),
                                                m_host.GetLoginParent(), m_host.GetLoginType());
            }
            if (result != CUserAccountList::LoginDone)
            {
                m_doc.ShowLogInError(result, m_host.GetHttpComm(), m_host.GetProgressSink());
                m_outcome = LoginFailed;
                break;
            }
            // The same page again, after the rows read so far.
            continue;
        }
        if (answer == CMyAuctionListReader::PageStopped)
        {
            CMyAuctionListReader::FreeItems(items);
            m_outcome = Stopped;
            break;
        }
        if (answer != CMyAuctionListReader::PageRead && answer != CMyAuctionListReader::PageNoRows)
        {
            CMyAuctionListReader::FreeItems(items);
            AfxMessageBox(IDS_PAGE_LOAD_FAILED, MB_OK | MB_ICONEXCLAMATION);
            m_outcome = FetchFailed;
            break;
        }

        const CString shown = reader->GetUserId();
        if (!shown.IsEmpty() && m_doc.FindByID(shown) < 0)
        {
            if (m_host.AskToAddUserId(shown) != 3)
            {
                CMyAuctionListReader::FreeItems(items);
                m_outcome = NotAdded;
                break;
            }
            if (m_doc.FindByID(shown) < 0)
            {
                // Another ID was added: the page again for that one.
                CMyAuctionListReader::FreeItems(items);
                logins = 0;
                continue;
            }
        }

        if (answer == CMyAuctionListReader::PageNoRows)
        {
            if (m_host.GetRowCount() == 0)
                m_host.ShowEmptyNote();
        }
        else
        {
            AddItems(items);
        }
        if (page == 1)
        {
            const int count = reader->GetPageCount();
            if (count > 0 && count < end)
                end = count;
        }
        CMyAuctionListReader::FreeItems(items);
        logins = 0;
        ++page;
    }

    m_host.OnPagesRead();
    if (m_outcome == Completed)
        Record(*reader, first, end);
    reader.reset();
    m_host.EndRefresh();
    return 1;
}

int CListRefresh::RefreshStoredRange()
{
    const int kind = m_host.GetListKind();
    int first = 1, last = -1;
    GetStoredRefreshRange(m_doc.GetCurrentPage(kind), m_doc.GetPageCount(kind), first, last);
    int result = Refresh(first, last);
    if (result && m_outcome == Completed && last == -1 && first > 1 && m_host.GetRowCount() == 0)
        result = Refresh(1, -1);
    return result;
}

void CListRefresh::AddItems(CTanzoAuctionItemList& parsed)
{
    const int kind = m_host.GetListKind();
    CTanzoAuctionItemList rows;
    while (!parsed.IsEmpty())
    {
        std::unique_ptr<TanzoAuctionItem> item(parsed.RemoveHead());
        if (!item)
            continue;
        TanzoAuctionItemUserEdit record(*item);
        if (m_doc.LookupUserEdit(record))
        {
            const BOOL keep = KeepListItem(kind, record);
            MergeListUserData(kind, record, *item);
            m_doc.StoreUserEdit(record);
            if (!keep)
                continue;
            item->ApplyUserEdit(record);
        }
        rows.AddTail(item.release());
    }
    if (!rows.IsEmpty())
        m_host.AppendRows(rows);
    CMyAuctionListReader::FreeItems(rows);
}

void CListRefresh::Record(CListPageReader& reader, int first, int end)
{
    const int kind = m_host.GetListKind();
    // A page without the masthead's ID says nothing about who is signed in.
    const CString shown = reader.GetUserId();
    if (!shown.IsEmpty())
        m_doc.SetCurrentUserID(shown);
    const int count = reader.GetPageCount();
    if (count > 0)
        m_doc.SetPageCount(kind, count);
    m_doc.SetCurrentPage(kind, first == end ? first : 0);
    m_host.OnRecorded();
}
