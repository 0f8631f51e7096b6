#include "client/actions/updates/FeaturedAmountOperation.h"

#include "afx/MessageBox.h"
#include "auction/operations/OperationPageReaders.h"
#include "auction/records/AuctionItem.h"
#include "client/TextResourceIds.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/shared/FinalPost.h"
#include "client/actions/shared/ItemJobRun.h"
#include "client/actions/shared/PageForm.h"
#include "client/actions/updates/FeaturedAmountForm.h"
#include "client/actions/updates/FeaturedAmountPageReaders.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"
#include "text/MarkupNode.h"

namespace
{

const char kFeaturedPath[] = "/jp/show/featured";
} // namespace

CFeaturedAmountOperation::CFeaturedAmountOperation(int nAmount, CHttpComm* pHttpComm, CProgressSink* pSink)
    : CTanzoOperation(pHttpComm, pSink), m_nAmount(ClampFeaturedAmount(nAmount))
{
    SetName("featured");
}

CFeaturedAmountOperation::~CFeaturedAmountOperation() {}

int CFeaturedAmountOperation::GetOperationType() const
{
    return OperationType;
}

// Each item's outcome is told while the job runs.
void CFeaturedAmountOperation::ReportResult(BOOL) {}

BOOL CFeaturedAmountOperation::Run()
{
    CString format;
    format.LoadString(IDS_SETTING);
    return RunItemByItem(
        *this,
        [&](int n, int nCount)
        {
            CString caption;
            caption.Format(format, m_nAmount, n, nCount);
            return caption;
        },
        [this](AuctionItem* pItem) { return SetItemAmount(pItem); });
}

int CFeaturedAmountOperation::SetItemAmount(AuctionItem* pItem)
{
    CHttpComm* pHttp = GetHttpComm();
    if (pItem == nullptr || pHttp == nullptr)
        return 0;
    CString heading;
    ShowItemHeading(*this, *pItem, IDS_FEATURED_OPENING_INPUT_PAGE, heading);

    CString url;
    if (!pItem->MakeItemURL(GetServiceOrigin(HostAuctions), kFeaturedPath, url))
    {
        ShowError(IDS_FEATURED_NO_ITEM_ADDRESS);
        return 0;
    }
    if (!Get(url))
        return 0;

    CMarkupNode* pForm = FindFeaturedForm(pHttp);
    if (pForm == nullptr)
    {
        ShowError(IDS_FEATURED_INPUT_FORM_MISSING);
        return 0;
    }
    if (!HasFeaturedFields(pForm))
    {
        ShowError(IDS_INPUT_FIELDS_MISSING);
        return 0;
    }
    CFeaturedAmountForm input(pHttp, CHARSET_EUCJP);
    if (!ReadForm(pForm, input))
        return 0;
    if (!PutFeaturedAmount(input, pForm, m_nAmount))
    {
        ShowError(IDS_NUMBER_CONVERSION);
        return 0;
    }
    CString action;
    if (!GetAction(pForm, action))
        return 0;
    CString body;
    input.BuildBody(body);

    GetProgress().SetStatusId(IDS_FEATURED_OPENING_CONFIRMATION);
    if (!Get(action, body))
        return 0;
    pForm = FindFeaturedForm(pHttp);
    if (pForm == nullptr)
    {
        ShowError(IDS_FEATURED_CONFIRM_FORM_MISSING);
        return 0;
    }
    CFeaturedAmountForm confirmation(pHttp, CHARSET_EUCJP);
    if (!ReadForm(pForm, confirmation))
        return 0;
    if (HasTosCheckBox(pForm))
    {
        CString error;
        if (ReadFeaturedErrorText(pHttp, error))
            ReportServerError(error);
        else
            ShowError(IDS_REFUSED);
        return 0;
    }
    const UINT nRowError = CheckFeaturedAmountRow(pForm, m_nAmount);
    if (nRowError != 0)
    {
        ShowError(nRowError);
        return 0;
    }

    CopyFeaturedSubmitValue(confirmation, pForm);
    GetProgress().SetStatusId(IDS_FEATURED_POSTING);
    if (!GetAction(pForm, action))
        return 0;
    confirmation.BuildBody(body);
    if (!SendFinalPost(*this, action, body, *pItem))
        return 0;
    if (!IsDone())
        return 0;
    SaveItemState(pItem, FeaturedActionBit);
    return 1;
}

BOOL CFeaturedAmountOperation::ReadForm(CMarkupNode* pForm, CFeaturedAmountForm& form)
{
    if (TakePageForm(GetHttpComm(), pForm, form, nullptr))
        return TRUE;
    ShowError(IDS_JOB_NO_PARAMETERS);
    return FALSE;
}

BOOL CFeaturedAmountOperation::GetAction(CMarkupNode* pForm, CString& out)
{
    CString pageUrl;
    GetHttpComm()->GetUrl(pageUrl);
    if (GetFormActionUrl(pForm, pageUrl, out))
        return TRUE;
    ShowError(IDS_JOB_NO_PARAMETERS);
    return FALSE;
}

BOOL CFeaturedAmountOperation::IsDone()
{
    if (!CheckCompletion())
        return FALSE;
    CHttpComm* pHttp = GetHttpComm();
    CString error;
    if (ReadFeaturedErrorText(pHttp, error) ||
        GetPageErrorMessage(pHttp, error, PageErrorBox | PageErrorMarked) != 0)
    {
        ReportServerError(error);
        return FALSE;
    }
    if (FindFeaturedForm(pHttp) != nullptr)
    {
        ShowError(IDS_REFUSED);
        return FALSE;
    }
    return TRUE;
}
