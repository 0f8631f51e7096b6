#include "client/actions/relist/ResubmitOperation.h"

#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "auction/operations/OperationPageReaders.h"
#include "auction/records/AuctionItem.h"
#include "auction/settings/AuctionListingForm.h"
#include "auction/shipping/AuctionShipMethods.h"
#include "client/InsertionDialog.h"
#include "client/ShipProblemMessages.h"
#include "client/actions/relist/ItemConditionNames.h"
#include "client/actions/relist/ItemPageShipping.h"
#include "client/actions/relist/ResubmitPrompt.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/shared/ListingFormPageReader.h"
#include "client/actions/shared/ListingResultPageReader.h"
#include "client/actions/shared/PageForm.h"
#include "net/HttpComm.h"
#include "net/ServiceHosts.h"
#include "text/Charset.h"
#include "text/MarkupNode.h"
#include "text/TextCut.h"

namespace
{

const char kResubmitPath[] = "/jp/show/resubmit";
const char kSellerInfoPath[] = "/setting/user/initialedit";
const char kItemPagePath[] = "/jp/auction/";
const char kNonPremium[] =
    "Yahoo!プレミアム会員登録のないYahoo! JAPAN IDの「無料版のオークション出品」には対応していませ"
    "ん。\r\nたんぞで再出品するためには、Yahoo!プレミアム会員の登録が必要です。";
const char kOpeningOldForm[] = "旧出品フォームへアクセスしています...";
const char kOldFormLinkMissing[] = "旧出品フォームへのリンクが見つかりません。";
const char kSwitchNotice[] =
    "「通常出品」での再出品ができないため、出品形式を\r\n「かんたん取引出品」に切り替えます。";
const char kSwitchHeading[] = "＜通常出品 → かんたん取引出品＞";
const char kShipMethodsAgain[] = "配送方法を設定し直しています...\r\n（%1!s!）";
const char kShipNameSeparator[] = "、";
const int kShipNamesBytes = 60;
const DWORD kTimedOut = 12002; // ERROR_INTERNET_TIMEOUT

// The fields of the shipping services in the form.
const int kServiceFields[] = {LF_HB_SHIP,     LF_HB_MINI_SHIP,  LF_NEKOPOSU_SHIP, LF_TAQBIN_COMPACT_SHIP,
                              LF_TAQBIN_SHIP, LF_YUPACKET_SHIP, LF_YUPACK_SHIP};

BOOL HasServiceShipping(const CAuctionListingForm& form)
{
    for (int field : kServiceFields)
        if (!form.IsEmptyAt(field))
            return TRUE;
    return FALSE;
}

// The methods' names for a notice, cut to a short line.
CString ShortShipMethodNames(const CAuctionShipMethods& methods)
{
    CString names;
    const CShipMethodList& list = methods.GetShipMethodList();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        const CShipMethod& method = list.GetNext(pos);
        if (method.GetName().IsEmpty())
            continue;
        if (!names.IsEmpty())
            names += kShipNameSeparator;
        names += method.GetName();
    }
    if (names.GetLength() > kShipNamesBytes)
    {
        TruncateToBytes(names, kShipNamesBytes);
        names += "...";
    }
    return names;
}

DWORD CheckForEasyTransaction(const CAuctionShipMethods& methods, int& problem)
{
    DWORD detail = 0;
    problem =
        methods.CheckShipMethods(&detail, kServiceShipNameIds, kFlatRateShipNameIds, kNoArrivalShipNameIds);
    return detail & (CAuctionListingForm::ShippingInputLater | CAuctionListingForm::ShippingInputArrival);
}
} // namespace

CResubmitOperation::CResubmitOperation(CCallbackSink* pSettings, CHttpComm* pHttpComm, CProgressSink* pSink)
    : CItemFormOperation(pSettings, kResubmitPath, pHttpComm, pSink), m_nRetryCount(0), m_editMode(0),
      m_oldFormSearch(OldFormSearchAll), m_itemState(0), m_pPrompt(nullptr), m_nItemIndex(0), m_nItemCount(0),
      m_bFetchedEasyTransaction(FALSE)
{
    SetName("resubmit");
}

CResubmitOperation::~CResubmitOperation() {}

BOOL CResubmitOperation::GetFetchedDescription(CString& out) const
{
    out = m_strFetchedDescription;
    return !out.IsEmpty();
}

BOOL CResubmitOperation::GetFetchedTitle(CString& out) const
{
    out = m_strFetchedTitle;
    return !out.IsEmpty();
}

BOOL CResubmitOperation::GetFetchedShipMethods(CAuctionShipMethods& out) const
{
    if (m_pFetchedShipMethods == nullptr)
        return FALSE;
    out.CopyFrom(*m_pFetchedShipMethods);
    return TRUE;
}

BOOL CResubmitOperation::ShowsCounter() const
{
    return m_editMode.TestAny(EditFetchDescription | EditFetchShipMethods) == 0;
}

void CResubmitOperation::GetSuccessTexts(CStringList& texts)
{
    texts.AddTail(LoadText(IDS_SUCCESS_TEXT));
    texts.AddTail(LoadText(IDS_SUCCESS_TEXT_ASCII));
}

BOOL CResubmitOperation::GetErrorMessage(CString& out)
{
    if (!CItemFormOperation::GetErrorMessage(out))
        return FALSE;
    if (m_itemState.TestAny(StateHacoboonOnly))
        AppendHacoboonNote(out);
    return TRUE;
}

CResubmitPrompt& CResubmitOperation::Prompt()
{
    static CResubmitPrompt asksNothing;
    return m_pPrompt != nullptr ? *m_pPrompt : asksNothing;
}

BOOL CResubmitOperation::Run()
{
    m_itemState.Clear();
    m_strFetchedDescription.Empty();
    m_strFetchedTitle.Empty();
    m_followingCondition.Clear();
    m_pFetchedShipMethods.reset();
    m_pFollowingShipMethods.reset();
    m_bFetchedEasyTransaction = FALSE;

    const CTypedPtrList<CPtrList, AuctionItem*>& targets = GetTargets();
    m_nItemCount = (int)targets.GetCount();
    m_nItemIndex = 0;
    BOOL bAll = TRUE;
    int nSucceeded = 0;
    for (POSITION pos = targets.GetHeadPosition(); pos != nullptr;)
    {
        AuctionItem* pItem = targets.GetNext(pos);
        ++m_nItemIndex;
        CString caption;
        if (m_editMode.TestAny(EditFetchDescription))
            caption = LoadText(IDS_FETCHING_DESCRIPTION);
        else if (m_editMode.TestAny(EditFetchShipMethods))
            caption = LoadText(IDS_FETCHING_SHIP_METHODS);
        else if (m_editMode.TestAny(EditFetchTitle))
            caption = LoadText(IDS_FETCHING_TITLE);
        else
            caption.Format(LoadText(IDS_RESUBMITTING), m_nItemIndex, m_nItemCount);
        if (!caption.IsEmpty())
            GetProgress().SetTitle(caption);

        m_nRetryCount = 0;
        m_itemState.Remove(StatePerItem);
        if (m_nItemIndex == m_nItemCount)
            m_itemState.Add(StateLastItem);
        if (ResubmitItem(pItem) == 0)
        {
            bAll = FALSE;
            break;
        }
        ++nSucceeded;
    }
    if (m_editMode.TestAny(EditMarkRelisted))
        MarkRelisted(nSucceeded);
    GetProgress().SetStatusId(0);
    return bAll;
}

void CResubmitOperation::MarkRelisted(int nSucceeded)
{
    const CTypedPtrList<CPtrList, AuctionItem*>& targets = GetTargets();
    POSITION pos = targets.FindIndex(nSucceeded - 1);
    for (int n = 0; pos != nullptr && n < MarkedItems; ++n)
        SaveItemState(targets.GetPrev(pos), RelistedActionBit);
}

int CResubmitOperation::ResubmitItem(AuctionItem* pItem)
{
    for (;;)
    {
        CString reason;
        switch (RunRoad(pItem, reason))
        {
        case StepDone:
            return 1;
        case StepSwitch:
            m_itemState.Add(StateSwitching);
            break;
        case StepRetry:
            if (!TakeRetry(reason))
                return 0;
            break;
        default:
            return 0;
        }
    }
}

CResubmitOperation::RoadStep CResubmitOperation::RunRoad(AuctionItem* pItem, CString& reason)
{
    CHttpComm* pHttp = GetHttpComm();
    if (pItem == nullptr || pHttp == nullptr)
        return StepFailed;
    const BOOL bSwitching = m_itemState.TestAny(StateSwitching) != 0;
    CString heading;
    pItem->FormatTitleWithID(heading, FALSE);
    GetProgress().SetSubStatus(heading);
    GetProgress().SetStatusId(bSwitching ? IDS_SWITCHING : IDS_RESUBMIT_OPENING_INPUT_PAGE);

    CString url;
    if (!BuildItemUrl(*pItem, url))
    {
        ShowError(IDS_RESUBMIT_NO_ITEM_ADDRESS);
        return StepFailed;
    }
    if (bSwitching)
        url += "&fnavi=1";
    if (!Get(url))
        return StepFailed;

    const RoadStep opened = OpenOldForm(reason);
    if (opened != StepGoOn)
        return opened;

    CMarkupNode* pFormElement = FindListingFormElement(pHttp);
    const RoadStep dialog = CheckDialog(HasServiceShippingInputs(pFormElement));
    if (dialog != StepGoOn)
        return dialog;

    CAuctionListingForm form(pHttp, CHARSET_UTF8);
    if (m_itemState.TestAny(StateSwitching))
        form.SetBankIdInputMode(CAuctionListingForm::BankIdCopy);
    CString actionUrl;
    switch (ReadListingForm(form, actionUrl, IsEditMode(), IsEditMode() ? nullptr : pItem, pFormElement))
    {
    case ReadDone:
        break;
    case ReadNoForm:
    {
        BOOL bServerText = FALSE;
        FormatFailure(m_nRetryCount <= 0 ? IDS_RESUBMIT_INPUT_FORM_MISSING : IDS_INPUT_FORM_GONE, reason,
                      bServerText);
        return StepRetry;
    }
    default:
        return StepFailed;
    }

    if (IsEditMode())
    {
        if (m_editMode.TestAny(EditFetchDescription))
        {
            m_strFetchedDescription = form.GetAt(LF_DESCRIPTION);
        }
        else if (m_editMode.TestAny(EditFetchShipMethods))
        {
            m_pFetchedShipMethods.reset(new CAuctionShipMethods);
            form.ReadShippingMethods(*m_pFetchedShipMethods, IsNewStyleForm());
            m_bFetchedEasyTransaction = IsNewStyleForm();
        }
        else
        {
            m_strFetchedTitle = form.GetAt(LF_TITLE);
        }
        return StepDone;
    }

    if (m_itemState.TestAny(StateSwitching))
    {
        if (!FixSwitchedShipping(form))
            return StepFailed;
    }
    else if (IsNewStyleForm() && !CompleteShipping(pItem, form))
    {
        return StepFailed;
    }
    if (!CompleteCondition(form))
        return StepFailed;
    if (form.GetInt64(LF_INTL_AUCTION) != 0)
        form.SetAt(LF_USE_INTL, "1");
    return PostItem(pItem, form, actionUrl, reason);
}

CResubmitOperation::RoadStep CResubmitOperation::OpenOldForm(CString& reason)
{
    CHttpComm* pHttp = GetHttpComm();
    CString pageUrl;
    pHttp->GetUrl(pageUrl);
    if (QueryParameterIs(pageUrl, "select", "non_premium"))
    {
        ShowErrorText(kNonPremium);
        return StepFailed;
    }
    if (QueryParameterIs(pageUrl, "select", "old"))
        return StepGoOn;
    CString link;
    if (FindOldFormLink(pHttp, pageUrl, m_oldFormSearch.Get(), link))
    {
        GetProgress().SetStatus(kOpeningOldForm);
        return Get(link) ? StepGoOn : StepFailed;
    }
    if (FindListingFormElement(pHttp) != nullptr)
    {
        ShowErrorText(kOldFormLinkMissing);
        return StepFailed;
    }
    reason = kOldFormLinkMissing;
    return StepRetry;
}

CResubmitOperation::RoadStep CResubmitOperation::CheckDialog(BOOL bNewStyle)
{
    DWORD dwResult = 0;
    CString text;
    CheckInsertionDialog(GetHttpComm(), bNewStyle, dwResult, text);
    if ((dwResult & InsertionOldMethodNotice) && (dwResult & InsertionSellerRegistration))
    {
        CString userId;
        GetExpectedUserId(userId);
        CString message;
        message.FormatMessage(IDS_SELLER_INFO_MISSING, (LPCTSTR)userId);
        CString link;
        MakeServiceURL(HostAuctions, kSellerInfoPath, link);
        Prompt().ShowLinkedMessage(GetProgress(), message, link, LoadText(IDS_SELLER_INFO_LINK), kErrorBox);
        return StepFailed;
    }
    if (dwResult & InsertionOldMethodNotice)
    {
        // Switched once already: the service refuses the new way too.
        if (m_itemState.TestAny(StateSwitching))
        {
            ShowError(IDS_EASY_TRADING_SWITCH_FAILED);
            return StepFailed;
        }
        if (!IsEditMode())
            Prompt().ShowHeadedMessage(GetProgress(), kSwitchNotice, kSwitchHeading, kInfoBox);
        return StepSwitch;
    }
    if (!(dwResult & InsertionAccepted) && !text.IsEmpty())
    {
        ReportServerError(text);
        return StepFailed;
    }
    return StepGoOn;
}

BOOL CResubmitOperation::FixSwitchedShipping(CAuctionListingForm& form)
{
    if (!IsNewStyleForm())
    {
        ShowError(IDS_EASY_TRADING_SWITCH_FAILED);
        return FALSE;
    }
    CAuctionShipMethods methods;
    form.ReadShippingMethods(methods, TRUE);
    int nProblem = 0;
    DWORD dwInput = CheckForEasyTransaction(methods, nProblem);
    if (nProblem != ShipCheckOk)
    {
        ShowError(nProblem == ShipCheckNothing ? IDS_NO_SHIP_METHOD : IDS_SHIP_METHODS_AGAIN);
        if (m_pFollowingShipMethods != nullptr)
        {
            CString notice;
            notice.FormatMessage(kShipMethodsAgain, (LPCTSTR)ShortShipMethodNames(*m_pFollowingShipMethods));
            Prompt().ShowNotice(GetProgress(), notice);
            methods.CopyFrom(*m_pFollowingShipMethods);
        }
        else
        {
            BOOL bForFollowing = FALSE;
            if (!Prompt().EditShipMethods(methods, !m_itemState.TestAny(StateLastItem), bForFollowing))
                return FALSE;
            if (bForFollowing)
                m_pFollowingShipMethods.reset(new CAuctionShipMethods(methods));
        }
        dwInput = CheckForEasyTransaction(methods, nProblem);
        form.SetShippingMethods(methods, TRUE);
    }
    form.SetShippingInput(dwInput);
    form.ApplySellerPaysShipping();
    return TRUE;
}

BOOL CResubmitOperation::FetchItemPage(AuctionItem* pItem)
{
    CString url = pItem->GetItemURL();
    if (url.IsEmpty() && !MakeServiceURL(HostItemPage, kItemPagePath + pItem->GetAuctionID(), url))
        return FALSE;
    GetProgress().SetStatusId(IDS_READING_ITEM_PAGE);
    return Get(url);
}

BOOL CResubmitOperation::CompleteShipping(AuctionItem* pItem, CAuctionListingForm& form)
{
    CAuctionShipMethods methods;
    form.ReadShippingMethods(methods, TRUE);
    const BOOL bServices = HasServiceShipping(form);
    BOOL bItemPageRead = FALSE;
    CPtrList cells;
    auto readItemPage = [&]()
    {
        if (bItemPageRead)
            return TRUE;
        if (!FetchItemPage(pItem))
            return FALSE;
        bItemPageRead = TRUE;
        CollectDeliveryMethodCells(GetHttpComm(), cells);
        return TRUE;
    };

    if (form.IsEmptyAt(LF_SHIPPING_INPUT))
    {
        int nProblem = 0;
        const DWORD dwInput = CheckForEasyTransaction(methods, nProblem);
        BOOL bOnArrival = FALSE;
        if ((dwInput & CAuctionListingForm::ShippingInputLater) && !bServices &&
            form.GetAt(LF_SHIPPING).CompareNoCase("seller") != 0)
        {
            if (!readItemPage())
                return FALSE;
            if (cells.IsEmpty())
            {
                ShowError(IDS_ITEM_PAGE_UNREADABLE);
                return FALSE;
            }
            bOnArrival = HasCashOnDeliveryRow(cells);
        }
        if (bOnArrival)
            form.SetShippingInput(CAuctionListingForm::ShippingInputArrival);
        else
            form.SetShippingInput(dwInput & CAuctionListingForm::ShippingInputLater);
        form.ApplySellerPaysShipping();
    }
    if (!bServices && methods.GetShipMethodCount() == 0)
    {
        if (!readItemPage())
            return FALSE;
        if (IsOnlyHacoboonCell(cells))
            m_itemState.Add(StateHacoboonOnly);
    }
    return TRUE;
}

BOOL CResubmitOperation::CompleteCondition(CAuctionListingForm& form)
{
    if (!form.IsEmptyAt(LF_CONDITION))
        return TRUE;
    CItemCondition condition;
    if (m_itemState.TestAny(StateHeldCondition))
    {
        CString notice;
        notice.FormatMessage(IDS_CONDITION_AGAIN, (LPCTSTR)GetItemConditionName(m_followingCondition));
        Prompt().ShowNotice(GetProgress(), notice);
        condition = m_followingCondition;
    }
    else
    {
        ShowError(IDS_NO_CONDITION);
        BOOL bForFollowing = FALSE;
        const BOOL bOffer = m_nItemCount > 1 && !m_itemState.TestAny(StateLastItem);
        if (!Prompt().EditItemCondition(condition, bOffer, bForFollowing))
            return FALSE;
        if (bForFollowing)
        {
            m_itemState.Add(StateHeldCondition);
            m_followingCondition = condition;
        }
    }
    form.SetItemCondition(condition);
    return TRUE;
}

CResubmitOperation::RoadStep CResubmitOperation::PostItem(AuctionItem* pItem, CAuctionListingForm& form,
                                                          LPCTSTR actionUrl, CString& reason)
{
    CHttpComm* pHttp = GetHttpComm();
    GetProgress().SetStatusId(IDS_RESUBMIT_OPENING_CONFIRMATION);
    CString body;
    form.BuildBody(body);
    if (!Get(actionUrl, body))
        return StepFailed;

    CPtrList forms;
    if (!pHttp->FindElements("form", forms, "name", "auction", MARKUP_FIND_FIRST))
    {
        BOOL bServerText = FALSE;
        FormatFailure(IDS_CONFIRMATION_FORM_MISSING, reason, bServerText);
        return StepRetry;
    }
    CMarkupNode* pConfirm = static_cast<CMarkupNode*>(forms.GetHead());
    CHtmlDocument trimmed;
    if (IsNewStyleForm())
    {
        // Of the contract's inputs only the last is read.
        pConfirm = pConfirm->Clone();
        trimmed.SetFromElement(pConfirm);
        CPtrList contracts;
        trimmed.FindElements("input", contracts, "name", "salesContract");
        while (contracts.GetCount() > 1)
            delete static_cast<CMarkupNode*>(contracts.RemoveHead());
    }
    form.Reset();
    if (!TakePageForm(pHttp, pConfirm, form, nullptr))
    {
        ReportFailure(IDS_JOB_NO_PARAMETERS);
        return StepFailed;
    }

    GetProgress().SetStatusId(IDS_SUBMITTING);
    CString buttonUrl;
    CString onclick;
    if (!FindButtonOnclickUrl(pHttp, buttonUrl, "auc_preview_submit", "btnPreviewSubmit",
                              IDS_SUBMIT_BUTTON_TEXT, &onclick))
    {
        ReportFailure(IDS_RESUBMIT_FINAL_ADDRESS_MISSING);
        return StepFailed;
    }
    CString pageUrl;
    pHttp->GetUrl(pageUrl);
    buttonUrl = ResolvePageAddress(pageUrl, buttonUrl);
    int nCharset = GetScriptCallArgument(onclick, "configSubmit(", 2);
    if (nCharset == 0 && IsSellPageUrl(buttonUrl))
        nCharset = CHARSET_UTF8;
    if (nCharset != 0)
        form.SetCharset(nCharset);

    if (!PostFinal(buttonUrl, form, *pItem))
        return StepFailed;

    CString text;
    const int nResult = CheckSubmitResult(text);
    if (!text.IsEmpty() && nResult != SubmitSucceeded)
    {
        if (nResult == SubmitServiceError && m_nRetryCount <= 0)
        {
            reason = text;
            return StepRetry;
        }
        AppendDiagnostics(text);
    }
    ForgetFinalPost();
    if (!text.IsEmpty())
        GetProgress().ShowMessage(text, nResult == SubmitSucceeded ? kInfoBox : kErrorBox);
    return nResult == SubmitSucceeded ? StepDone : StepFailed;
}

BOOL CResubmitOperation::TakeRetry(const CString& reason)
{
    CHttpComm* pHttp = GetHttpComm();
    if (pHttp == nullptr || pHttp->IsCancelled() || pHttp->GetLastError() == kTimedOut)
        return FALSE;
    if (m_nRetryCount > 0)
    {
        if (!reason.IsEmpty())
            ShowErrorText(reason);
        return FALSE;
    }
    if (!reason.IsEmpty())
    {
        CString message;
        message.Format(LoadText(IDS_RETRY_REASON), (LPCTSTR)reason);
        Prompt().ShowHeadedMessage(GetProgress(), message, LoadText(IDS_RETRY_HEADING), kInfoBox);
    }
    ++m_nRetryCount;
    ForgetFinalPost();
    return TRUE;
}
