#include "client/actions/relist/ResubmitDetailSettingPages.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitDetailSettingSubDialog.h"

namespace
{

const UINT kMarkdownRatios[] = {1090, 1091, 1092, 1093, 1094, 1095, 0};
const UINT kReturnPolicies[] = {991, 992, 0};

} // namespace

void LoadDetailSubPageTitle(int nPageMode, CString& strTitle)
{
    strTitle.LoadString(nPageMode == 3 ? IDS_TITLE_EASY_TRADING : IDS_TITLE_NORMAL_LISTING);
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingBasicPage, CResubmitSettingBasicPage)

CResubmitDetailSettingBasicPage::CResubmitDetailSettingBasicPage(CWnd* pParentWnd)
    : CResubmitSettingBasicPage(IDD_DETAIL_BASIC, pParentWnd), CResubmitDetailPageAddOn(pParentWnd)
{
}

void CResubmitDetailSettingBasicPage::DoDataExchange(CDataExchange* pDX)
{
    CResubmitSettingBasicPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_DURATION, m_durationEdit);
    DDX_Control(pDX, IDC_DETAIL_DURATION_SPIN, m_durationSpin);
    DDX_Control(pDX, IDC_DETAIL_CLOSING_TIME, m_closingTimeEdit);
    DDX_Control(pDX, IDC_DETAIL_CLOSING_TIME_SPIN, m_closingTimeSpin);
    DDX_Control(pDX, IDC_DETAIL_NUM_RESUBMIT, m_numResubmitEdit);
    DDX_Control(pDX, IDC_DETAIL_NUM_RESUBMIT_SPIN, m_numResubmitSpin);
    DDX_Control(pDX, IDC_DETAIL_CLOSE_EARLY, m_closeEarlyCheck);
    DDX_Control(pDX, IDC_DETAIL_AUTO_EXTENSION, m_autoExtensionCheck);
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingBidLimitPage, CAuctionSubmitSettingBidLimitBasePage)

BEGIN_MESSAGE_MAP(CResubmitDetailSettingBidLimitPage, CAuctionSubmitSettingBidLimitBasePage)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CResubmitDetailSettingBidLimitPage::CResubmitDetailSettingBidLimitPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingBidLimitBasePage(IDD_DETAIL_BIDLIMIT, 0, 1, pParentWnd),
      CResubmitDetailContainerAddOn(*this, pParentWnd)
{
}

void CResubmitDetailSettingBidLimitPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TITLE_BID_LIMIT);
}

BOOL CResubmitDetailSettingBidLimitPage::SaveSettings()
{
    const BOOL bSaved = CAuctionSubmitSettingBidLimitBasePage::SaveSettings();
    SaveSubPages();
    return bSaved;
}

BOOL CResubmitDetailSettingBidLimitPage::IsDefault()
{
    return CAuctionSubmitSettingBidLimitBasePage::IsDefault() && AreSubPagesDefault();
}

void CResubmitDetailSettingBidLimitPage::ResetToDefaults()
{
    CAuctionSubmitSettingBidLimitBasePage::ResetToDefaults();
    ResetSubPages();
}

void CResubmitDetailSettingBidLimitPage::InitControls()
{
    CAuctionSubmitSettingBidLimitBasePage::InitControls();
    ShowSubDialog();
}

BOOL CResubmitDetailSettingBidLimitPage::Validate(CTabbedDialog* pDialog)
{
    return CAuctionSubmitSettingBidLimitBasePage::Validate(pDialog) && ReadSubPages();
}

CResubmitDetailSettingSubDialog* CResubmitDetailSettingBidLimitPage::NewSubDialog()
{
    return new CResubmitDetailSettingBidLimitSubDialog(this);
}

void CResubmitDetailSettingBidLimitPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingBidLimitBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_MIN_RATING, m_checks[0]);
    DDX_Control(pDX, IDC_DETAIL_BAD_RATING_RATIO, m_checks[1]);
    DDX_Control(pDX, IDC_DETAIL_CREDIT_LIMIT, m_checks[2]);
    DDX_Control(pDX, IDC_DETAIL_BIDLIMIT_CHILD, m_placeholder);
}

void CResubmitDetailSettingBidLimitPage::SetStandardToolTips()
{
    CAuctionSubmitSettingBidLimitBasePage::SetStandardToolTips();
    AddToolTip(&m_checks[0], IDS_TIP_MIN_RATING);
    AddToolTip(&m_checks[1], IDS_TIP_BAD_RATING_RATIO);
    AddToolTip(&m_checks[2], IDS_TIP_CREDIT_LIMIT);
}

void CResubmitDetailSettingBidLimitPage::OnDestroy()
{
    DestroySubDialog();
    CAuctionSubmitSettingBidLimitBasePage::OnDestroy();
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingSalesContractPage, CAuctionSubmitSettingBidLimitBasePage)

CResubmitDetailSettingSalesContractPage::CResubmitDetailSettingSalesContractPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingBidLimitBasePage(IDD_DETAIL_SALES_CONTRACT,
                                            CSubmitBidLimitSettings::OptionSalesContract, 3, pParentWnd)
{
}

void CResubmitDetailSettingSalesContractPage::GetTitle(CString& strTitle)
{
    LoadDetailSubPageTitle(GetPageMode(), strTitle);
}

void CResubmitDetailSettingSalesContractPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingBidLimitBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_SALES_CONTRACT, m_checks[3]);
}

void CResubmitDetailSettingSalesContractPage::SetStandardToolTips()
{
    CAuctionSubmitSettingBidLimitBasePage::SetStandardToolTips();
    AddToolTip(&m_checks[3], IDS_TIP_SALES_CONTRACT);
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingMarkdownPage, CAuctionSubmitSettingMarkdownBasePage)

BEGIN_MESSAGE_MAP(CResubmitDetailSettingMarkdownPage, CAuctionSubmitSettingMarkdownBasePage)
ON_BN_CLICKED(IDC_DETAIL_MARKDOWN_CHECK, OnToggleChanged)
END_MESSAGE_MAP()

CResubmitDetailSettingMarkdownPage::CResubmitDetailSettingMarkdownPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingMarkdownBasePage(IDD_DETAIL_MARKDOWN, pParentWnd),
      CResubmitDetailPageAddOn(pParentWnd)
{
}

void CResubmitDetailSettingMarkdownPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TITLE_MARKDOWN);
}

const UINT* CResubmitDetailSettingMarkdownPage::GetChoiceStringIds(int nWhich)
{
    return nWhich == 0 ? kMarkdownRatios : nullptr;
}

void CResubmitDetailSettingMarkdownPage::ShowInputError(int nWhich)
{
    if (nWhich == 0)
        ShowMessage(IDS_MARKDOWN_WITHOUT_RESUBMIT, kErrorBox);
}

int CResubmitDetailSettingMarkdownPage::ConfirmPage(int nWhich)
{
    if (nWhich != 1)
        return IDYES;
    // Asked only where these settings are the ones the re-listing uses.
    CMainFrame* pFrame = GetMainFrame();
    const DWORD dwAsk = COptionSettings::OptionConfirmMarkdown;
    if (pFrame == nullptr || pFrame->GetOptionSettings().MaskOptionBits(dwAsk) == 0 || GetResubmitType() != 1)
        return IDYES;
    Activate(FALSE);
    return (int)pFrame->AskQuestion(IDS_CONFIRM_MARKDOWN, dwAsk, this, FALSE);
}

void CResubmitDetailSettingMarkdownPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingMarkdownBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_MARKDOWN_CHECK, m_toggleCheck);
    DDX_Control(pDX, IDC_DETAIL_MARKDOWN_LABEL, m_ratioLabel);
    DDX_Control(pDX, IDC_DETAIL_MARKDOWN_RATIO, m_ratioCombo);
}

void CResubmitDetailSettingMarkdownPage::SetStandardToolTips()
{
    CAuctionSubmitSettingMarkdownBasePage::SetStandardToolTips();
    AddToolTip(&m_toggleCheck, IDS_TIP_MARKDOWN);
    AddToolTip(&m_ratioCombo, IDS_TIP_MARKDOWN_RATIO);
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingReturnPolicyPage, CAuctionSubmitSettingReturnPolicyBasePage)

CResubmitDetailSettingReturnPolicyPage::CResubmitDetailSettingReturnPolicyPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingReturnPolicyBasePage(IDD_DETAIL_RETURN_POLICY, pParentWnd),
      CResubmitDetailPageAddOn(pParentWnd)
{
}

void CResubmitDetailSettingReturnPolicyPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TITLE_RETURN_POLICY);
}

const UINT* CResubmitDetailSettingReturnPolicyPage::GetChoiceStringIds(int nWhich)
{
    return nWhich == 0 ? kReturnPolicies : nullptr;
}

int CResubmitDetailSettingReturnPolicyPage::GetRegVersion()
{
    return GetDetailRegVersion(CAuctionSubmitSettingReturnPolicyBasePage::GetRegVersion());
}

void CResubmitDetailSettingReturnPolicyPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingReturnPolicyBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_RETURN_POLICY, m_policyCombo);
    DDX_Control(pDX, IDC_DETAIL_RETURN_NOTE, m_noteEdit);
}

void CResubmitDetailSettingReturnPolicyPage::SetStandardToolTips()
{
    CAuctionSubmitSettingReturnPolicyBasePage::SetStandardToolTips();
    AddToolTip(&m_policyCombo, IDS_TIP_RETURN_POLICY);
    AddToolTip(&m_noteEdit, IDS_TIP_RETURN_NOTE);
}
