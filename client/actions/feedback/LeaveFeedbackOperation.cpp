#include "client/actions/feedback/LeaveFeedbackOperation.h"

#include <memory>

#include "afx/Collections.h"
#include "afx/LoadText.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/feedback/FeedbackPageReaders.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/LeaveFeedbackForm.h"
#include "client/actions/shared/FinalPost.h"
#include "client/actions/shared/FinalPostResult.h"
#include "client/actions/shared/ListingFormPageReader.h"
#include "client/actions/shared/PageForm.h"
#include "net/HttpComm.h"
#include "text/MarkupNode.h"

namespace
{
BOOL ItemHasSeveralWinners(const AuctionItem* pItem)
{
    return IsTanzoAuctionItem(pItem) && pItem->HasSeveralWinners();
}
} // namespace

CLeaveFeedbackOperation::CLeaveFeedbackOperation(BOOL bAsSeller, int nRating, LPCTSTR comment,
                                                 CHttpComm* pHttpComm, CProgressSink* pSink)
    : CTanzoOperation(pHttpComm, pSink), m_bAsSeller(bAsSeller), m_nRating(nRating), m_strComment(comment),
      m_bStored(FALSE)
{
}

CLeaveFeedbackOperation::~CLeaveFeedbackOperation() {}

int CLeaveFeedbackOperation::GetOperationType() const
{
    return OperationType;
}

void CLeaveFeedbackOperation::ReportResult(BOOL) {}

BOOL CLeaveFeedbackOperation::Run()
{
    CProgressTextGuard clearStatus(&GetProgress());
    const int nCount = GetTargetCount();
    const CString caption = LoadText(IDS_FEEDBACK_CAPTION);
    BOOL bDone = TRUE;
    int i = 1;
    for (POSITION pos = GetTargets().GetHeadPosition(); pos != nullptr && bDone; ++i)
    {
        AuctionItem* pItem = GetTargets().GetNext(pos);
        CString text;
        text.Format(caption, i, nCount);
        GetProgress().SetTitle(text);
        bDone = m_bAsSeller ? LeaveFeedbackForBuyers(pItem) : LeaveFeedback(pItem, nullptr, nullptr);
    }
    // Done, failed or stopped: what was marked is on disk now.
    if (m_bStored)
        SaveUserEditsNow();
    return bDone;
}

BOOL CLeaveFeedbackOperation::LeaveFeedbackForBuyers(AuctionItem* pItem)
{
    if (pItem == nullptr)
        return FALSE;
    CTanzoAuctionBuyerList buyers;
    if (!IsTanzoAuctionItem(pItem) || !static_cast<TanzoAuctionItem*>(pItem)->GetBuyers(buyers))
        return LeaveFeedback(pItem, nullptr, nullptr);

    const BOOL bSeveral = buyers.GetCount() > 1;
    CStringList links;
    for (POSITION pos = buyers.GetHeadPosition(); pos != nullptr;)
    {
        const TanzoAuctionBuyer& buyer = buyers.GetNext(pos);
        if (buyer.TestFlags(TanzoAuctionBuyer::FlagTarget) == 0)
            continue;
        const CString partner = buyer.GetName();
        if (bSeveral && partner.IsEmpty())
        {
            ShowPlainError(IDS_FEEDBACK_NO_PARTNER_ID);
            return FALSE;
        }
        const BOOL bShare = bSeveral && (pos != nullptr || !links.IsEmpty());
        if (!LeaveFeedback(pItem, partner, bShare ? &links : nullptr))
            return FALSE;
    }
    return TRUE;
}

BOOL CLeaveFeedbackOperation::IsForbidden(AuctionItem* pItem, LPCTSTR partner) const
{
    if (!IsTanzoAuctionItem(pItem))
        return FALSE;
    const TanzoAuctionItem* pClientItem = static_cast<const TanzoAuctionItem*>(pItem);
    if (pClientItem->GetUserState().TestFlags(CItemUserState::StateForbidden) != 0)
        return TRUE;
    if (partner == nullptr || *partner == '\0' || !pClientItem->HasSeveralWinners())
        return FALSE;
    TanzoAuctionBuyer buyer;
    return pClientItem->FindBuyer(partner, buyer) && buyer.TestFlags(TanzoAuctionBuyer::FlagForbidden) != 0;
}

BOOL CLeaveFeedbackOperation::LeaveFeedback(AuctionItem* pItem, LPCTSTR partner, CStringList* pLinkCache)
{
    if (pItem == nullptr || GetHttpComm() == nullptr)
        return FALSE;
    if (IsForbidden(pItem, partner))
    {
        ShowPlainError(IDS_FEEDBACK_FORBIDDEN);
        return FALSE;
    }
    CString line;
    pItem->FormatTitleWithID(line, FALSE);
    GetProgress().SetSubStatus(line);
    if (!OpenFeedbackPage(pItem, partner, pLinkCache) || !PostInputForm(pItem) || !PostConfirmation(pItem))
        return FALSE;
    MarkRated(pItem, partner);
    return TRUE;
}

BOOL CLeaveFeedbackOperation::OpenFeedbackPage(AuctionItem* pItem, LPCTSTR partner, CStringList* pLinkCache)
{
    CHttpComm* pHttp = GetHttpComm();
    GetProgress().SetStatusId(IDS_FEEDBACK_OPENING_ITEM);
    if (!Get(pItem->GetItemURL()))
        return FALSE;

    const BOOL bNamed = partner != nullptr && *partner != '\0';
    CString link;
    if (FindFeedbackLink(pHttp, partner, pLinkCache, link))
    {
        CString pageUrl;
        pHttp->GetUrl(pageUrl);
        link = ResolvePageAddress(pageUrl, link);
    }
    if (link.IsEmpty())
    {
        if (bNamed)
            pItem->MakeFeedbackURL(partner, link);
        else if (!m_bAsSeller)
            pItem->MakeFeedbackURLForSeller(link);
        else if (pItem->GetBuyerCount() == 1)
            pItem->MakeFeedbackURLForBuyer(0, link);
    }
    if (link.IsEmpty())
    {
        ShowPlainError(IDS_FEEDBACK_NO_LINK);
        return FALSE;
    }
    GetProgress().SetStatusId(IDS_FEEDBACK_OPENING_INPUT);
    return Get(link);
}

BOOL CLeaveFeedbackOperation::PostInputForm(AuctionItem* pItem)
{
    CHttpComm* pHttp = GetHttpComm();
    CMarkupNode* pForm = FindFeedbackInputForm(pHttp);
    if (pForm == nullptr)
    {
        ShowPlainError(pItem->IsEnded() ? IDS_FEEDBACK_NO_INPUT_FORM : IDS_FEEDBACK_NOT_ENDED);
        return FALSE;
    }
    CStringList fields;
    fields.AddTail("rating");
    fields.AddTail("formComment");
    if (!FormHasFields(pForm, fields))
    {
        ShowPlainError(IDS_FEEDBACK_NO_FORM_FIELDS);
        return FALSE;
    }
    CLeaveFeedbackForm form(pHttp, pHttp->GetCharset());
    CString action;
    if (!TakePageForm(pHttp, pForm, form, &action))
    {
        ShowPlainError(IDS_JOB_NO_PARAMETERS);
        return FALSE;
    }
    form.SetRating(m_nRating);
    form.SetAt(CLeaveFeedbackForm::FieldComment, m_strComment);
    GetProgress().SetStatusId(IDS_FEEDBACK_OPENING_CONFIRMATION);
    CString body;
    form.BuildBody(body);
    return Get(action, body);
}

BOOL CLeaveFeedbackOperation::PostConfirmation(AuctionItem* pItem)
{
    CHttpComm* pHttp = GetHttpComm();
    CMarkupNode* pForm = FindFeedbackConfirmForm(pHttp);
    if (pForm == nullptr)
    {
        ShowPlainError(IDS_FEEDBACK_NO_CONFIRMATION_FORM);
        return FALSE;
    }
    CLeaveFeedbackForm form(pHttp, pHttp->GetCharset());
    CString action;
    if (!TakePageForm(pHttp, pForm, form, &action))
    {
        ShowPlainError(IDS_JOB_NO_PARAMETERS);
        return FALSE;
    }
    const CString target = form.GetAt(CLeaveFeedbackForm::FieldTarget);
    if (target.IsEmpty())
    {
        GetProgress().SetStatusId(IDS_FEEDBACK_SUBMITTING);
    }
    else
    {
        CString status;
        status.Format(LoadText(IDS_FEEDBACK_SUBMITTING_FOR), (LPCTSTR)target);
        GetProgress().SetStatus(status);
    }

    // What the page carried, rating and comment as confirmed.
    CString body;
    form.BuildBody(body);
    if (!SendFinalPost(*this, action, body, *pItem))
        return FALSE;
    if (!CheckCompletion())
        return FALSE;
    CString error;
    switch (JudgeFeedbackResult(pHttp, error))
    {
    case FinalPostDone:
        return TRUE;
    case FinalPostRefused:
        ReportServerError(error);
        return FALSE;
    default:
        ShowFinalPostUnanswered(GetProgress(), *pItem);
        return FALSE;
    }
}

void CLeaveFeedbackOperation::MarkRated(AuctionItem* pItem, LPCTSTR partner)
{
    if (!IsTanzoAuctionItem(pItem))
        return;
    TanzoAuctionItem* pClientItem = static_cast<TanzoAuctionItem*>(pItem);
    BOOL bMarkItem = TRUE;
    if (partner != nullptr && *partner != '\0' && ItemHasSeveralWinners(pItem))
    {
        const int nIndex = pClientItem->FindBuyerIndex(partner);
        TanzoAuctionBuyer buyer;
        if (nIndex < 0 || !pClientItem->GetBuyerAt(nIndex, buyer))
            return;
        buyer.AddFlags(TanzoAuctionBuyer::FlagRated);
        pClientItem->SetBuyerAt(nIndex, buyer);
        bMarkItem = pClientItem->AllBuyersHaveFlags(TanzoAuctionBuyer::FlagRated);
    }
    if (bMarkItem)
        pClientItem->GetUserState().AddFlags(CItemUserState::StateRated);
    if (StoreItemUserEdit(pItem))
        m_bStored = TRUE;
}

void CLeaveFeedbackOperation::ShowPlainError(UINT nID)
{
    GetProgress().ShowMessageId(nID, MB_OK);
}
