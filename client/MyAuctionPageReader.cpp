#include "client/MyAuctionPageReader.h"

#include "afx/LoadText.h"
#include "auction/login/PageReaders.h"
#include "client/TextResourceIds.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/HtmlDocument.h"
#include "text/MarkupMatch.h"
#include "text/MarkupNode.h"
#include "text/MarkupWalk.h"

CMyAuctionPageReader::CMyAuctionPageReader(CHttpComm* pHttpComm, CProgressSink* pSink)
    : m_progress(pHttpComm, pSink)
{
}

CMyAuctionPageReader::~CMyAuctionPageReader() {}

BOOL CMyAuctionPageReader::CheckAlertBox()
{
    return IsItemGoneAlert(GetHttpComm());
}

BOOL CMyAuctionPageReader::IsAdultCategoryWarning()
{
    return IsAdultCategoryPage(GetHttpComm());
}

BOOL IsItemGoneAlert(CHtmlDocument* pPage)
{
    // Only a box the page shows counts.
    CString box;
    if (pPage == nullptr || !ReadAlertBoxText(pPage, box, nullptr, FALSE))
        return FALSE;
    for (UINT id : {IDS_ITEM_GONE_1, IDS_ITEM_GONE_2, IDS_ITEM_GONE_3})
    {
        const CString text = LoadText(id);
        if (!text.IsEmpty() && box.Find(text) >= 0)
            return TRUE;
    }
    return FALSE;
}

BOOL IsAdultCategoryPage(CHtmlDocument* pPage)
{
    const CString warning = LoadText(IDS_ADULT_CATEGORY);
    if (pPage == nullptr || warning.IsEmpty())
        return FALSE;
    for (LPCTSTR tag : {"b", "font", "strong", "p"})
    {
        CPtrList nodes;
        pPage->FindElements(tag, nodes);
        for (POSITION pos = nodes.GetHeadPosition(); pos != nullptr;)
        {
            CString text;
            GetNodePlainText((const CMarkupNode*)nodes.GetNext(pos), text);
            if (text.Find(warning) >= 0)
                return TRUE;
        }
    }
    return FALSE;
}

BOOL GetPageBodyText(CHtmlDocument* pPage, CString& out, BOOL bStripSpaces)
{
    return GetPageMessageText(pPage, out, "untBody", bStripSpaces);
}

BOOL IsPremiumIcon(const CMarkupNode* pCell)
{
    if (pCell == nullptr)
        return FALSE;
    std::vector<const CMarkupNode*> images;
    VisitNodes(pCell,
               [&](const CMarkupNode* p)
               {
                   if (NodeNameIs(p, "img"))
                       images.push_back(p);
                   return MarkupWalk::Descend;
               });
    // Most cells have no image: the origin is not looked at for them.
    return !images.empty() && IsPremiumIconAmong(images, GetPremiumIconSources());
}

std::vector<CString> GetPremiumIconSources()
{
    std::vector<CString> sources;
    CString origin = GetServiceOrigin(HostImages);
    const int scheme = origin.Find("//");
    if (scheme < 0)
        return sources;
    const CString host = origin.Mid(scheme);
    static const char* const kPaths[] = {"/images/premium.gif",
                                         "/images/auct/template/ui/auc_mod/ic_9031.gif",
                                         "/images/auct/front/images/premium.gif"};
    for (const char* path : kPaths)
        sources.push_back(host + path);
    return sources;
}

BOOL IsPremiumIconAmong(const std::vector<const CMarkupNode*>& images, const std::vector<CString>& sources)
{
    for (const CMarkupNode* image : images)
    {
        CString src;
        if (!GetAttributeText(image, "src", src))
            continue;
        for (const CString& source : sources)
            if (src.Find(source) >= 0)
                return TRUE;
    }
    return FALSE;
}
