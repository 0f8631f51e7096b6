#include "client/actions/updates/UpdateAuctionOperation.h"

#include "afx/MessageBox.h"
#include "auction/records/AuctionItem.h"
#include "auction/settings/AuctionListingForm.h"
#include "client/actions/shared/ItemJobRun.h"
#include "client/actions/shared/PageForm.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "client/actions/updates/UpdateAuctionPageReaders.h"
#include "net/HttpComm.h"
#include "text/Charset.h"
#include "text/MarkupNode.h"

namespace
{

const char kUpdatePath[] = "/jp/show/updateauction";
} // namespace

CUpdateAuctionOperation::CUpdateAuctionOperation(CCallbackSink* pSettings, CHttpComm* pHttpComm,
                                                 CProgressSink* pSink)
    : CItemFormOperation(pSettings, kUpdatePath, pHttpComm, pSink)
{
    SetName("update_auction");
}

CUpdateAuctionOperation::~CUpdateAuctionOperation() {}

int CUpdateAuctionOperation::GetOperationType() const
{
    return OperationType;
}

// Each item's outcome is told while the job runs.
void CUpdateAuctionOperation::ReportResult(BOOL) {}

void CUpdateAuctionOperation::GetSuccessTexts(CStringList& texts)
{
    for (UINT nID : {IDS_UPDATE_DONE_TITLE, IDS_UPDATE_DONE_TITLE_ASCII})
    {
        CString text;
        text.LoadString(nID);
        texts.AddTail(text);
    }
}

BOOL CUpdateAuctionOperation::Run()
{
    CString format;
    format.LoadString(IDS_ADDING);
    return RunItemByItem(
        *this,
        [&](int n, int nCount)
        {
            CString caption;
            caption.Format(format, n, nCount);
            return caption;
        },
        [this](AuctionItem* pItem) { return UpdateItem(pItem); });
}

int CUpdateAuctionOperation::UpdateItem(AuctionItem* pItem)
{
    CHttpComm* pHttp = GetHttpComm();
    if (pItem == nullptr || pHttp == nullptr)
        return 0;
    CString heading;
    ShowItemHeading(*this, *pItem, IDS_ADD_DESCRIPTION_OPENING_INPUT_PAGE, heading);

    CString url;
    if (!BuildItemUrl(*pItem, url))
    {
        GetProgress().ShowMessageId(IDS_ADD_DESCRIPTION_NO_ITEM_ADDRESS, kErrorBox);
        return 0;
    }
    if (!Get(url))
        return 0;

    // The item's own re-listing edits are no business of this form.
    CAuctionListingForm form(pHttp, CHARSET_UTF8);
    CString actionUrl;
    switch (ReadListingForm(form, actionUrl, FALSE, nullptr, nullptr))
    {
    case ReadDone:
        break;
    case ReadNoForm:
    {
        CString text;
        BOOL bServerText = FALSE;
        FormatFailure(IDS_ADD_DESCRIPTION_INPUT_FORM_MISSING, text, bServerText);
        ShowErrorText(text);
        return 0;
    }
    default:
        return 0;
    }

    GetProgress().SetStatusId(IDS_ADD_DESCRIPTION_OPENING_CONFIRMATION);
    CString body;
    form.BuildBody(body);
    if (!Get(actionUrl, body))
        return 0;

    CMarkupNode* pConfirm = FindUpdateConfirmForm(pHttp);
    if (pConfirm == nullptr)
    {
        GetProgress().ShowMessageId(IDS_ADD_DESCRIPTION_CONFIRM_FORM_MISSING, kErrorBox);
        return 0;
    }
    // Its values are decoded once by the reader; the addition goes out as
    // it was typed.
    form.Reset();
    if (!TakePageForm(pHttp, pConfirm, form, nullptr))
    {
        ReportFailure(IDS_JOB_NO_PARAMETERS);
        return 0;
    }
    GetProgress().SetStatusId(IDS_ADD_DESCRIPTION_POSTING);

    CString pageUrl;
    pHttp->GetUrl(pageUrl);
    CString finalUrl;
    int nCharset = CHARSET_UNKNOWN;
    if (!FindFinalButton(pHttp, pageUrl, kUpdateFinalButton, finalUrl, nCharset))
    {
        ReportFailure(IDS_ADD_DESCRIPTION_FINAL_ADDRESS_MISSING);
        return 0;
    }
    if (nCharset != CHARSET_UNKNOWN)
        form.SetCharset(nCharset);

    if (!PostFinal(finalUrl, form, *pItem))
        return 0;
    CString text;
    const int nResult = CheckSubmitResult(text);
    if (!text.IsEmpty() && nResult != SubmitSucceeded)
        AppendDiagnostics(text);
    ForgetFinalPost();
    if (!text.IsEmpty())
        GetProgress().ShowMessage(text, nResult == SubmitSucceeded ? kInfoBox : kErrorBox);
    return nResult == SubmitSucceeded ? 1 : 0;
}
