#include "client/actions/relist/ResubmitDetailSettingPayPages.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "client/actions/relist/OlderSettingsTakeover.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitDetailSettingPages.h"
#include "client/actions/relist/ResubmitDetailSettingSubDialog.h"

namespace
{

// The bank names of the menu's commands, in command order.
const UINT kBankNames[] = {998, 999, 1166, 1000, 1001, 1005, 1002, 1003, 1004};

enum
{
    NormalListingTab = 0,
    EasyTradingTab = 1,
    NormalListingMode = 2,
    EasyTradingMode = 3
};

} // namespace

IMPLEMENT_DYNAMIC(CResubmitDetailSettingPayPage, CAuctionSubmitSettingPayNormalSubmitBasePage)

BEGIN_MESSAGE_MAP(CResubmitDetailSettingPayPage, CAuctionSubmitSettingPayNormalSubmitBasePage)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CResubmitDetailSettingPayPage::CResubmitDetailSettingPayPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingPayNormalSubmitBasePage(IDD_DETAIL_PAY, 1, pParentWnd),
      CResubmitDetailContainerAddOn(*this, pParentWnd)
{
    TakeOverOlderSettings(GetSettingsId(), IDD_OLDER_PAY_SETTINGS,
                          [this]
                          {
                              m_state.GetPermanentState().Add(CSubmitSettingPageState::StateCreated);
                              TakeOlderPayment(m_settings, IDD_OLDER_PAY_SETTINGS,
                                               CSubmitPaySettings::PayServiceSettle);
                              SaveSettings();
                          });
}

void CResubmitDetailSettingPayPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TITLE_PAYMENT);
}

BOOL CResubmitDetailSettingPayPage::SaveSettings()
{
    const BOOL bSaved = CAuctionSubmitSettingPayNormalSubmitBasePage::SaveSettings();
    SaveSubPages();
    return bSaved;
}

BOOL CResubmitDetailSettingPayPage::IsDefault()
{
    return CAuctionSubmitSettingPayNormalSubmitBasePage::IsDefault() && AreSubPagesDefault();
}

void CResubmitDetailSettingPayPage::ResetToDefaults()
{
    CAuctionSubmitSettingPayNormalSubmitBasePage::ResetToDefaults();
    ResetSubPages();
}

void CResubmitDetailSettingPayPage::InitControls()
{
    CAuctionSubmitSettingPayNormalSubmitBasePage::InitControls();
    ShowSubDialog();
}

BOOL CResubmitDetailSettingPayPage::Validate(CTabbedDialog* pDialog)
{
    if (!CAuctionSubmitSettingPayNormalSubmitBasePage::Validate(pDialog))
        return FALSE;
    CButton& serviceCheck = m_checks[CheckCount - 1];
    if ((m_settings.GetBits() & CSubmitPaySettings::PayServiceSettle) == 0)
    {
        ShowInputError(ErrorServiceSettle);
        if (::IsWindow(serviceCheck.m_hWnd))
            GotoDlgCtrl(&serviceCheck);
        return FALSE;
    }
    if (!ReadSubPages())
        return FALSE;
    if (!HasNoPaymentChoice() || m_pSubDialog == nullptr)
        return TRUE;
    // A listing kind whose sub-page offers no way to pay.
    const struct
    {
        int nMode;
        int nError;
    } kinds[] = {{NormalListingMode, ErrorNormalListing}, {EasyTradingMode, ErrorEasyTrading}};
    for (const auto& kind : kinds)
    {
        for (int i = 0; i < m_pSubDialog->GetPageCount(); ++i)
        {
            auto* pPage = dynamic_cast<CAuctionSubmitSettingPayBasePage*>(m_pSubDialog->GetSettingPage(i));
            if (pPage == nullptr || pPage->GetPageMode() != kind.nMode || !pPage->HasNoPaymentChoice())
                continue;
            ShowInputError(kind.nError);
            if (::IsWindow(serviceCheck.m_hWnd))
                GotoDlgCtrl(&serviceCheck);
            return FALSE;
        }
    }
    return TRUE;
}

void CResubmitDetailSettingPayPage::ShowInputError(int nWhich)
{
    UINT nText = 0;
    int nSubTab = -1;
    switch (nWhich)
    {
    case 0:
        nText = IDS_NO_PAYMENT;
        break;
    case ErrorNormalListing:
        nText = IDS_NO_NORMAL_PAYMENT;
        nSubTab = NormalListingTab;
        break;
    case ErrorEasyTrading:
        nText = IDS_NO_EASY_TRADING_PAYMENT;
        nSubTab = EasyTradingTab;
        break;
    case ErrorServiceSettle:
        nText = IDS_SERVICE_SETTLE_OFF;
        break;
    default:
        return;
    }
    Activate(FALSE);
    if (nSubTab >= 0 && m_pSubDialog != nullptr && ::IsWindow(m_pSubDialog->m_hWnd))
        m_pSubDialog->SelectPage(nSubTab, FALSE);
    ShowMessage(nText, kErrorBox);
}

int CResubmitDetailSettingPayPage::ConfirmPage(int nWhich)
{
    return ConfirmUnopened(nWhich, IDS_PAY_TAB_UNOPENED);
}

int CResubmitDetailSettingPayPage::GetRegVersion()
{
    return GetDetailRegVersion(CAuctionSubmitSettingPayNormalSubmitBasePage::GetRegVersion());
}

CResubmitDetailSettingSubDialog* CResubmitDetailSettingPayPage::NewSubDialog()
{
    return new CResubmitDetailSettingPaySubDialog(this);
}

void CResubmitDetailSettingPayPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingPayNormalSubmitBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_PAY_SERVICE, m_checks[CheckCount - 1]);
    DDX_Control(pDX, IDC_DETAIL_PAY_CHILD, m_placeholder);
}

void CResubmitDetailSettingPayPage::SetStandardToolTips()
{
    CAuctionSubmitSettingPayNormalSubmitBasePage::SetStandardToolTips();
    AddToolTip(&m_checks[CheckCount - 1], IDS_TIP_PAYMENT);
}

void CResubmitDetailSettingPayPage::OnDestroy()
{
    DestroySubDialog();
    CAuctionSubmitSettingPayNormalSubmitBasePage::OnDestroy();
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingPayNormalPage, CAuctionSubmitSettingPayNormalSubmitBasePage)

BEGIN_MESSAGE_MAP(CResubmitDetailSettingPayNormalPage, CAuctionSubmitSettingPayNormalSubmitBasePage)
ON_BN_CLICKED(IDC_DETAIL_PAY_BANK, OnBankListChanged)
ON_LBN_SELCHANGE(IDC_DETAIL_BANK_LIST, OnBankListChanged)
ON_LBN_SELCHANGE(IDC_DETAIL_OTHER_LIST, OnOtherListChanged)
ON_BN_CLICKED(IDC_DETAIL_BANK_ADD, OnBankMenu)
ON_COMMAND_RANGE(ID_BANK_RAKUTEN, ID_BANK_RESONA, OnBankName)
ON_COMMAND(ID_BANK_OTHER, OnOtherBank)
ON_BN_CLICKED(IDC_DETAIL_BANK_EDIT, OnEditBank)
ON_BN_CLICKED(IDC_DETAIL_BANK_DELETE, OnDeleteBank)
ON_BN_CLICKED(IDC_DETAIL_OTHER_ADD, OnAddOther)
ON_BN_CLICKED(IDC_DETAIL_OTHER_EDIT, OnEditOther)
ON_BN_CLICKED(IDC_DETAIL_OTHER_DELETE, OnDeleteOther)
END_MESSAGE_MAP()

CResubmitDetailSettingPayNormalPage::CResubmitDetailSettingPayNormalPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingPayNormalSubmitBasePage(IDD_DETAIL_PAY_NORMAL, NormalListingMode, pParentWnd)
{
    TakeOverOlderSettings(GetSettingsId(), IDD_OLDER_PAY_SETTINGS,
                          [this]
                          {
                              m_state.GetPermanentState().Add(CSubmitSettingPageState::StateCreated);
                              TakeOlderPayment(m_settings, IDD_OLDER_PAY_SETTINGS,
                                               CSubmitPaySettings::PayBankTransfer |
                                                   CSubmitPaySettings::PayOther3 |
                                                   CSubmitPaySettings::PayOther4);
                              SaveSettings();
                          });
}

void CResubmitDetailSettingPayNormalPage::GetTitle(CString& strTitle)
{
    LoadDetailSubPageTitle(GetPageMode(), strTitle);
}

void CResubmitDetailSettingPayNormalPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingPayNormalSubmitBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_PAY_BANK, m_checks[0]);
    DDX_Control(pDX, IDC_DETAIL_PAY_OTHER3, m_checks[1]);
    DDX_Control(pDX, IDC_DETAIL_PAY_OTHER4, m_checks[2]);
    DDX_Control(pDX, IDC_DETAIL_BANK_LABEL, m_bankLabel);
    DDX_Control(pDX, IDC_DETAIL_BANK_LIST, m_bankNames.m_list);
    DDX_Control(pDX, IDC_DETAIL_BANK_ADD, m_bankNames.m_addButton);
    DDX_Control(pDX, IDC_DETAIL_BANK_EDIT, m_bankNames.m_editButton);
    DDX_Control(pDX, IDC_DETAIL_BANK_DELETE, m_bankNames.m_deleteButton);
    DDX_Control(pDX, IDC_DETAIL_OTHER_LIST, m_otherMethods.m_list);
    DDX_Control(pDX, IDC_DETAIL_OTHER_ADD, m_otherMethods.m_addButton);
    DDX_Control(pDX, IDC_DETAIL_OTHER_EDIT, m_otherMethods.m_editButton);
    DDX_Control(pDX, IDC_DETAIL_OTHER_DELETE, m_otherMethods.m_deleteButton);
}

void CResubmitDetailSettingPayNormalPage::SetStandardToolTips()
{
    CAuctionSubmitSettingPayNormalSubmitBasePage::SetStandardToolTips();
    for (int i = 0; i < CheckCount; ++i)
        AddToolTip(&m_checks[i], IDS_TIP_PAYMENT);
    AddToolTip(&m_bankNames.m_addButton, IDS_TIP_ADD_BANK);
    AddToolTip(&m_bankNames.m_editButton, IDS_TIP_EDIT_BANK);
    AddToolTip(&m_bankNames.m_deleteButton, IDS_TIP_DELETE_BANK);
    AddToolTip(&m_otherMethods.m_addButton, IDS_TIP_ADD_OTHER);
    AddToolTip(&m_otherMethods.m_editButton, IDS_TIP_EDIT_OTHER);
    AddToolTip(&m_otherMethods.m_deleteButton, IDS_TIP_DELETE_OTHER);
}

void CResubmitDetailSettingPayNormalPage::OnBankMenu()
{
    ShowListContextMenu(IDR_PAY_BANK_MENU);
}

void CResubmitDetailSettingPayNormalPage::OnBankName(UINT nID)
{
    CString strName;
    strName.LoadString(kBankNames[nID - ID_BANK_RAKUTEN]);
    AddListText(strName);
}

void CResubmitDetailSettingPayNormalPage::OnOtherBank()
{
    CAddBankNameDialog dialog(this);
    OnAddBankName(dialog);
}

void CResubmitDetailSettingPayNormalPage::OnEditBank()
{
    CAddBankNameDialog dialog(this);
    OnEditBankName(dialog);
}

void CResubmitDetailSettingPayNormalPage::OnDeleteBank()
{
    OnDeleteBankName();
}

void CResubmitDetailSettingPayNormalPage::OnAddOther()
{
    CAddPayMethodDialog dialog(this);
    OnAddOtherMethod(dialog);
}

void CResubmitDetailSettingPayNormalPage::OnEditOther()
{
    CAddPayMethodDialog dialog(this);
    OnEditOtherMethod(dialog);
}

void CResubmitDetailSettingPayNormalPage::OnDeleteOther()
{
    OnDeleteOtherMethod();
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingPayEasyTradingPage, CAuctionSubmitSettingPayEasyTradingBasePage)

CResubmitDetailSettingPayEasyTradingPage::CResubmitDetailSettingPayEasyTradingPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingPayEasyTradingBasePage(IDD_DETAIL_PAY_EASY, EasyTradingMode, pParentWnd)
{
}

void CResubmitDetailSettingPayEasyTradingPage::GetTitle(CString& strTitle)
{
    LoadDetailSubPageTitle(GetPageMode(), strTitle);
}

void CResubmitDetailSettingPayEasyTradingPage::InitControls()
{
    CString strCaption;
    if (::IsWindow(m_contactLink.m_hWnd))
        m_contactLink.GetWindowText(strCaption);
    CAuctionSubmitSettingPayEasyTradingBasePage::InitControls();
    if (::IsWindow(m_contactLink.m_hWnd) && !strCaption.IsEmpty())
    {
        m_contactLink.SetText(strCaption);
        AddContactLinkTooltip();
    }
}

void CResubmitDetailSettingPayEasyTradingPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingPayEasyTradingBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_PAY_EASY_BANK, m_bankCheck);
    DDX_Control(pDX, IDC_DETAIL_PAY_EASY_HINT, m_hint);
    DDX_Control(pDX, IDC_DETAIL_PAY_EASY_LINK, m_contactLink);
}

void CResubmitDetailSettingPayEasyTradingPage::SetStandardToolTips()
{
    CAuctionSubmitSettingPayEasyTradingBasePage::SetStandardToolTips();
    AddToolTip(&m_bankCheck, IDS_TIP_PAYMENT);
}

CAddBankNameDialog::CAddBankNameDialog(CWnd* pParentWnd)
    : CPayMethodEntryDialog(IDD_ADD_BANK_NAME, pParentWnd, IDH_ADD_BANK_NAME)
{
}

LPCTSTR CAddBankNameDialog::GetHistoryKeyFormat()
{
    return "HisBankName%02d";
}

UINT CAddBankNameDialog::GetTitleStringId()
{
    return GetEditFlag() == EditChange ? IDS_EDIT_BANK_NAME : IDS_ADD_BANK_NAME;
}

UINT CAddBankNameDialog::GetComboToolTipId()
{
    return IDS_TIP_BANK_NAME;
}

void CAddBankNameDialog::DoDataExchange(CDataExchange* pDX)
{
    CPayMethodEntryDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BANK_NAME_COMBO, m_combo);
}

CAddPayMethodDialog::CAddPayMethodDialog(CWnd* pParentWnd)
    : CPayMethodEntryDialog(IDD_ADD_PAY_METHOD, pParentWnd, IDH_ADD_PAY_METHOD)
{
}

LPCTSTR CAddPayMethodDialog::GetHistoryKeyFormat()
{
    return "HisPayMethod%02d";
}

UINT CAddPayMethodDialog::GetTitleStringId()
{
    return GetEditFlag() == EditChange ? IDS_EDIT_PAY_METHOD : IDS_ADD_PAY_METHOD;
}

UINT CAddPayMethodDialog::GetComboToolTipId()
{
    return IDS_TIP_PAY_METHOD;
}

void CAddPayMethodDialog::DoDataExchange(CDataExchange* pDX)
{
    CPayMethodEntryDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_METHOD_COMBO, m_combo);
}
