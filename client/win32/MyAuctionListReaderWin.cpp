// The fetching half of the list readers: requests and the message pump.
#include "client/MyAuctionListReader.h"

#include "afx/WinApp.h"
#include "app/AppComm.h"
#include "net/HttpComm.h"

int CMyAuctionListReader::FetchPage(CTanzoAuctionItemList& items, BOOL readPageCount, DWORD* reachedLimit)
{
    CHttpComm* comm = GetHttpComm();
    if (comm == nullptr)
        return PageFetchFailed;
    ShowStatus(PhaseFetching);
    CString url;
    BuildPageUrl(url);
    if (!comm->Send(url, nullptr, 0, nullptr, TRUE))
        return comm->IsCancelled() ? PageStopped : PageFetchFailed;
    CString finalUrl;
    comm->GetUrl(finalUrl);
    return ReadPage(*comm, finalUrl, items, readPageCount, reachedLimit, [this]() { return IsStopped(); });
}

BOOL CMyAuctionListReader::IsStopped()
{
    PumpMessages(AfxGetApp());
    CHttpComm* comm = GetHttpComm();
    return comm != nullptr && comm->IsCancelled();
}
