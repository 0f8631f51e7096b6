#ifndef TANZO_CLIENT_LISTREFRESH_H
#define TANZO_CLIENT_LISTREFRESH_H

// The refresh of an item list page, apart from its windows: page after
// page the status pages are read, the service's log-in is renewed when it
// asks (at most three times a page), an ID the accounts lack is offered
// for adding, each item is merged with the user's stored record, and at
// the end the document records the pages read.

#include "afx/String.h"
#include "afx/wintypes.h"
#include "client/MyAuctionListReader.h"

class CHttpComm;
class CProgressSink;
class CTanzoDocData;
class CWnd;

// What the refresh asks of a status-page reader.
class CListPageReader
{
public:
    virtual ~CListPageReader() {}
    // The ID the pages must show (empty: any).
    virtual void SetExpectedUserId(LPCTSTR id) = 0;
    // Reads page n, appending its items; the page count too when asked.
    // One of CMyAuctionListReader's Page answers.
    virtual int ReadPage(int page, BOOL readPageCount, CTanzoAuctionItemList& items) = 0;
    // The ID the last page showed; the page count read (0 when none).
    virtual CString GetUserId() const = 0;
    virtual int GetPageCount() const = 0;
};

// What the refresh asks of its list page.
class CListRefreshHost
{
public:
    virtual ~CListRefreshHost() {}
    virtual int GetListKind() const = 0;
    // A reader of the page's list, owned by the caller; null to give up.
    virtual CListPageReader* CreateReader() = 0;
    // The list emptied and the page busy; and back.
    virtual void BeginRefresh() = 0;
    virtual void EndRefresh() = 0;
    virtual int GetRowCount() const = 0;
    // Appends the items as rows; the list owns them from here.
    virtual void AppendRows(CTanzoAuctionItemList& items) = 0;
    virtual void ShowEmptyNote() = 0;
    // After the last page, however the refresh ended.
    virtual void OnPagesRead() = 0;
    // After the document recorded a refresh that ended normally.
    virtual void OnRecorded() = 0;
    // Message 905 and the dialog that adds an ID: 3 added, else not.
    virtual int AskToAddUserId(LPCTSTR id) = 0;
    // What a log-in needs: the page's conversation, where its progress and
    // messages go, its dialogs' parent and the log-in type.
    virtual CHttpComm* GetHttpComm() = 0;
    virtual CProgressSink* GetProgressSink() = 0;
    virtual CWnd* GetLoginParent() = 0;
    virtual int GetLoginType() = 0;
};

class CListRefresh
{
public:
    // How a refresh ended.
    enum
    {
        NotStarted = 0,
        Completed = 1,
        LoginFailed = 2,
        Stopped = 3,
        FetchFailed = 4,
        NotAdded = 5 // the user did not add the ID a page showed
    };
    enum
    {
        MaxLoginsPerPage = 3
    };

    // doc: the account list, the user's records and the page positions.
    CListRefresh(CListRefreshHost& host, CTanzoDocData& doc);

    // Reads pages first..last (last -1: first alone). 0 when there was
    // no reader, else 1.
    int Refresh(int first, int last);
    // Reads the stored range of the list kind; when a single page above 1
    // came back empty, page 1 instead.
    int RefreshStoredRange();

    int GetOutcome() const { return m_outcome; }
    // The log-ins the last refresh ran.
    int GetLoginCount() const { return m_logins; }

private:
    // Turns the parsed items into rows, each merged with its stored record;
    // the list takes what it shows, the rest is deleted.
    void AddItems(CTanzoAuctionItemList& parsed);
    void Record(CListPageReader& reader, int first, int end);

    CListRefreshHost& m_host;
    CTanzoDocData& m_doc;
    int m_outcome;
    int m_logins;

    CListRefresh(const CListRefresh&) = delete;
    CListRefresh& operator=(const CListRefresh&) = delete;
};

#endif // TANZO_CLIENT_LISTREFRESH_H
