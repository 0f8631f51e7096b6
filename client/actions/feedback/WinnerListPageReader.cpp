#include "client/actions/feedback/WinnerListPageReader.h"

#include "afx/Collections.h"
#include "auction/login/PageReaders.h"
#include "auction/records/AuctionItem.h"
#include "net/HttpComm.h"
#include "text/HtmlDocument.h"
#include "text/MbcsString.h"
#include "text/TextEscapes.h"
#include "text/TextSplit.h"

CWinnerListPageReader::CWinnerListPageReader(const AuctionItem* pItem, CHttpComm* pHttpComm)
    : CMyAuctionPageReader(pHttpComm), m_pItem(pItem)
{
}

CWinnerListPageReader::~CWinnerListPageReader() {}

int CWinnerListPageReader::ReadPartners(CStringList& ids)
{
    CHttpComm* pHttp = GetHttpComm();
    if (m_pItem == nullptr || pHttp == nullptr)
        return ReadNothing;
    const CString itemUrl = m_pItem->GetItemURL();
    if (itemUrl.IsEmpty() || !pHttp->Send(itemUrl, nullptr, 0, nullptr, TRUE))
        return ReadNothing;

    CString url;
    pHttp->GetUrl(url);
    if (IsLoginPageUrl(url))
        return ReadNeedsLogin;
    if (CheckAlertBox())
        return ReadItemGone;
    if (IsAdultCategoryWarning())
        return ReadNeedsLogin;
    if (!m_strExpectedUserId.IsEmpty())
    {
        CString shown;
        if (!GetLoginUserIdFromPage(pHttp, shown) || !MbsEqualNoCase(shown, m_strExpectedUserId))
            return ReadNeedsLogin;
    }
    ids.RemoveAll();
    return CollectFeedbackPartnerIds(pHttp, ids) ? ReadDone : ReadNothing;
}

BOOL CollectFeedbackPartnerIds(CHtmlDocument* pPage, CStringList& ids)
{
    ids.RemoveAll();
    if (pPage == nullptr)
        return FALSE;
    CStringList links;
    if (!pPage->GetAttributes("a", "href", links, "href", "show/leavefeedback", MARKUP_FIND_CONTAINS))
        pPage->GetAttributes("a", "href", links, "href", "leavefeedback", MARKUP_FIND_CONTAINS);
    for (POSITION pos = links.GetHeadPosition(); pos != nullptr;)
    {
        CString link = links.GetNext(pos);
        DecodeHtmlEntities(link);
        CString id;
        if (!GetQueryParameter(link, "t", id))
            continue;
        // One partner may be linked twice, in either letter case: one
        // entry each, or the partner would be rated twice.
        BOOL bKnown = FALSE;
        for (POSITION k = ids.GetHeadPosition(); k != nullptr && !bKnown;)
            bKnown = MbsEqualNoCase(ids.GetNext(k), id);
        if (!bKnown)
            ids.AddTail(id);
    }
    return !ids.IsEmpty();
}
