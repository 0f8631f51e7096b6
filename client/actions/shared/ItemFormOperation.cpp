#include "client/actions/shared/ItemFormOperation.h"

#include "auction/operations/OperationPageReaders.h"
#include "auction/settings/AuctionListingForm.h"
#include "client/OptionSettings.h"
#include "client/TanzoAuctionItem.h"
#include "client/actions/shared/CallbackSink.h"
#include "client/actions/shared/FinalPost.h"
#include "client/actions/shared/ListingFormPageReader.h"
#include "client/actions/shared/ListingResultPageReader.h"
#include "client/actions/shared/PageForm.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/MarkupNode.h"

CItemFormOperation::CItemFormOperation(CCallbackSink* pSettings, LPCTSTR pagePath, CHttpComm* pHttpComm,
                                       CProgressSink* pSink)
    : CTanzoOperation(pHttpComm, pSink), m_pSettings(pSettings), m_nSentCharset(0), m_formFlags(0),
      m_strPagePath(pagePath), m_dwOptionBits(COptionSettings::StoredOptionBits)
{
}

CItemFormOperation::~CItemFormOperation() {}

void CItemFormOperation::ReportResult(BOOL) {}

BOOL CItemFormOperation::ShowsCounter() const
{
    return TRUE;
}

BOOL CItemFormOperation::BuildItemUrl(const AuctionItem& item, CString& out)
{
    return item.MakeItemURL(GetServiceOrigin(HostSell), m_strPagePath, out);
}

void CItemFormOperation::GetSuccessTexts(CStringList&) {}

BOOL CItemFormOperation::GetErrorMessage(CString& out)
{
    return ReadListingErrorText(GetHttpComm(), out);
}

int CItemFormOperation::ReadListingForm(CAuctionListingForm& form, CString& actionUrl, BOOL bEditMode,
                                        AuctionItem* pItem, CMarkupNode* pFormElement)
{
    m_formFlags.Remove(formNewStyle);
    CHttpComm* pPage = GetHttpComm();
    if (pPage == nullptr)
        return ReadFailed;
    if (pFormElement == nullptr)
        pFormElement = FindListingFormElement(pPage);
    if (pFormElement == nullptr)
        return ReadNoForm;
    const BOOL bNewStyle = HasServiceShippingInputs(pFormElement);
    if (bNewStyle)
    {
        m_formFlags.Add(formNewStyle);
        ApplyServiceStateInputs(pFormElement);
    }
    CString pageUrl;
    pPage->GetUrl(pageUrl);
    if (!CollectFormValues(pFormElement, form) || !GetFormActionUrl(pFormElement, pageUrl, actionUrl))
    {
        ShowError(IDS_JOB_NO_PARAMETERS);
        return ReadFailed;
    }

    // The page's own description only: an edited one goes as it was typed.
    CString description = form.GetAt(LF_DESCRIPTION);
    DecodeDescriptionEntities(description);
    form.SetAt(LF_DESCRIPTION, description);
    if (bEditMode)
        return ReadDone;

    BOOL bWritten = m_pSettings != nullptr && m_pSettings->ApplyToListingForm(form, bNewStyle);
    if (IsTanzoAuctionItem(pItem))
    {
        const TanzoAuctionItem* pClientItem = static_cast<const TanzoAuctionItem*>(pItem);
        if (!pClientItem->WriteEditsToListingForm(
                form, bNewStyle, (m_dwOptionBits & COptionSettings::OptionWarnCashOnDelivery) != 0))
            return ReadFailed;
        bWritten = bWritten || pClientItem->GetEditFlags() != 0;
    }
    if (bWritten)
        form.MergeFetchedForm(pPage, bNewStyle, nullptr);
    return ReadDone;
}

int CItemFormOperation::CheckSubmitResult(CString& message)
{
    message.Empty();
    CHttpComm* pPage = GetHttpComm();
    if (pPage == nullptr)
        return SubmitUnknown;
    CString url;
    pPage->GetUrl(url);
    if (IsAnnouncementPage(url))
    {
        ReportError(ErrorAnnouncement, 0);
        return SubmitAnnouncement;
    }
    if (m_successTexts.IsEmpty())
        GetSuccessTexts(m_successTexts);
    if (IsCompletionPage(pPage, m_successTexts))
    {
        CString pageTitle;
        if (IsGarbledCompletion(pPage, m_strExpectedTitle, pageTitle))
            message.FormatMessage(IDS_TITLE_GARBLED, (LPCTSTR)pageTitle);
        return SubmitSucceeded;
    }
    BOOL bServerText = FALSE;
    FormatFailure(IDS_MAYBE_FAILED, message, bServerText);
    return bServerText ? SubmitServiceError : SubmitUnknown;
}

void CItemFormOperation::FormatFailure(UINT nID, CString& text, BOOL& bServerText)
{
    CString error;
    bServerText = GetErrorMessage(error);
    if (bServerText)
        text.FormatMessage(IDS_SERVER_ERROR, (LPCTSTR)error);
    else
        text.LoadString(nID);
}

void CItemFormOperation::ReportFailure(UINT nID)
{
    CString error;
    if (GetErrorMessage(error))
        ReportServerError(error);
    else
        ShowError(nID);
}

void CItemFormOperation::AppendDiagnostics(CString& text)
{
    CHttpComm* pPage = GetHttpComm();
    if (m_nSentCharset == 0 || pPage == nullptr)
        return;
    CString url;
    pPage->GetUrl(url);
    text += FormatSubmitDiagnostics(url, m_nSentCharset, pPage->GetCharset());
}

BOOL CItemFormOperation::PostFinal(LPCTSTR url, CAuctionListingForm& form, const AuctionItem& item)
{
    CString body;
    form.BuildBody(body);
    m_nSentCharset = form.GetCharset();
    m_strExpectedTitle = form.GetAt(LF_TITLE);
    if (SendFinalPost(*this, url, body, item))
        return TRUE;
    ForgetFinalPost();
    return FALSE;
}

void CItemFormOperation::ForgetFinalPost()
{
    m_nSentCharset = 0;
    m_strExpectedTitle.Empty();
}
