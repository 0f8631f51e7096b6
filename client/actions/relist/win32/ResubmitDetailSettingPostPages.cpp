#include "client/actions/relist/ResubmitDetailSettingPostPages.h"

#include "afx/DataExchange.h"
#include "afx/MsgMap.h"
#include "client/actions/relist/OlderSettingsTakeover.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitDetailSettingPages.h"
#include "client/actions/relist/ResubmitDetailSettingSubDialog.h"

namespace
{

const UINT kSellerPays[] = {865, 866, 0};
const UINT kShipTimes[] = {867, 868, 0};
const UINT kSchedules[] = {1169, 1170, 1171, 1251, 0};

enum
{
    NormalListingMode = 2,
    EasyTradingMode = 3
};

} // namespace

// 577 北海道 to 623 沖縄県, then 869 海外.
const UINT CResubmitDetailSettingPostPage::kLocations[] = {
    577, 578, 579, 580, 581, 582, 583, 584, 585, 586, 587, 588, 589, 590, 591, 592, 593,
    594, 595, 596, 597, 598, 599, 600, 601, 602, 603, 604, 605, 606, 607, 608, 609, 610,
    611, 612, 613, 614, 615, 616, 617, 618, 619, 620, 621, 622, 623, 869, 0};

IMPLEMENT_DYNAMIC(CResubmitDetailSettingPostPage, CAuctionSubmitSettingPostBasePage)

BEGIN_MESSAGE_MAP(CResubmitDetailSettingPostPage, CAuctionSubmitSettingPostBasePage)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CResubmitDetailSettingPostPage::CResubmitDetailSettingPostPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingPostBasePage(IDD_DETAIL_POST, 0, 1, pParentWnd),
      CResubmitDetailContainerAddOn(*this, pParentWnd)
{
    TakeOverOlderSettings(GetSettingsId(), IDD_OLDER_POST_SETTINGS,
                          [this]
                          {
                              m_state.GetPermanentState().Add(CSubmitSettingPageState::StateCreated);
                              TakeOlderShipping(GetSettings(), IDD_OLDER_POST_SETTINGS,
                                                CSubmitPostSettings::ToggleInternational);
                              SaveSettings();
                          });
}

void CResubmitDetailSettingPostPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TITLE_SHIPPING);
}

const UINT* CResubmitDetailSettingPostPage::GetChoiceStringIds(int nWhich)
{
    switch (nWhich)
    {
    case ChoiceSellerPays:
        return kSellerPays;
    case ChoicePrefecture:
        return kLocations;
    default:
        return nullptr;
    }
}

BOOL CResubmitDetailSettingPostPage::SaveSettings()
{
    const BOOL bSaved = CAuctionSubmitSettingPostBasePage::SaveSettings();
    SaveSubPages();
    return bSaved;
}

BOOL CResubmitDetailSettingPostPage::IsDefault()
{
    return CAuctionSubmitSettingPostBasePage::IsDefault() && AreSubPagesDefault();
}

void CResubmitDetailSettingPostPage::ResetToDefaults()
{
    CAuctionSubmitSettingPostBasePage::ResetToDefaults();
    ResetSubPages();
}

void CResubmitDetailSettingPostPage::InitControls()
{
    CAuctionSubmitSettingPostBasePage::InitControls();
    ShowSubDialog();
}

BOOL CResubmitDetailSettingPostPage::Validate(CTabbedDialog* pDialog)
{
    return CAuctionSubmitSettingPostBasePage::Validate(pDialog) && ReadSubPages();
}

int CResubmitDetailSettingPostPage::ConfirmPage(int nWhich)
{
    return ConfirmUnopened(nWhich, IDS_POST_TAB_UNOPENED);
}

int CResubmitDetailSettingPostPage::GetRegVersion()
{
    return GetDetailRegVersion(CAuctionSubmitSettingPostBasePage::GetRegVersion());
}

CResubmitDetailSettingSubDialog* CResubmitDetailSettingPostPage::NewSubDialog()
{
    return new CResubmitDetailSettingPostSubDialog(this);
}

void CResubmitDetailSettingPostPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingPostBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_SELLER_PAYS, m_sellerPaysCombo);
    DDX_Control(pDX, IDC_DETAIL_INTERNATIONAL, m_internationalCheck);
    DDX_Control(pDX, IDC_DETAIL_PREFECTURE, m_prefectureCombo);
    DDX_Control(pDX, IDC_DETAIL_CITY, m_cityEdit);
    DDX_Control(pDX, IDC_DETAIL_POST_CHILD, m_placeholder);
}

void CResubmitDetailSettingPostPage::SetStandardToolTips()
{
    CAuctionSubmitSettingPostBasePage::SetStandardToolTips();
    AddToolTip(&m_sellerPaysCombo, IDS_TIP_SELLER_PAYS);
    AddToolTip(&m_internationalCheck, IDS_TIP_INTERNATIONAL);
    AddToolTip(&m_prefectureCombo, IDS_TIP_PREFECTURE);
    AddToolTip(&m_cityEdit, IDS_TIP_CITY);
}

void CResubmitDetailSettingPostPage::OnDestroy()
{
    DestroySubDialog();
    CAuctionSubmitSettingPostBasePage::OnDestroy();
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingPostNormalPage, CAuctionSubmitSettingPostBasePage)

CResubmitDetailSettingPostNormalPage::CResubmitDetailSettingPostNormalPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingPostBasePage(IDD_DETAIL_POST_NORMAL, 0, NormalListingMode, pParentWnd)
{
    TakeOverOlderSettings(GetSettingsId(), IDD_OLDER_POST_SETTINGS,
                          [this]
                          {
                              m_state.GetPermanentState().Add(CSubmitSettingPageState::StateCreated);
                              TakeOlderShipping(GetSettings(), IDD_OLDER_POST_SETTINGS,
                                                CSubmitPostSettings::ToggleDeliveryOption);
                              SaveSettings();
                          });
}

void CResubmitDetailSettingPostNormalPage::GetTitle(CString& strTitle)
{
    LoadDetailSubPageTitle(GetPageMode(), strTitle);
}

const UINT* CResubmitDetailSettingPostNormalPage::GetChoiceStringIds(int nWhich)
{
    return nWhich == ChoiceShipTime ? kShipTimes : nullptr;
}

BOOL CResubmitDetailSettingPostNormalPage::IsUntouched()
{
    return FALSE;
}

void CResubmitDetailSettingPostNormalPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingPostBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_SHIP_TIME, m_shipTimeCombo);
    DDX_Control(pDX, IDC_DETAIL_DELIVERY_OPTION, m_deliveryOptionCheck);
}

void CResubmitDetailSettingPostNormalPage::SetStandardToolTips()
{
    CAuctionSubmitSettingPostBasePage::SetStandardToolTips();
    AddToolTip(&m_shipTimeCombo, IDS_TIP_SHIP_TIME);
    AddToolTip(&m_deliveryOptionCheck, IDS_TIP_DELIVERY_OPTION);
}

IMPLEMENT_DYNAMIC(CResubmitDetailSettingPostEasyTradingPage, CAuctionSubmitSettingPostBasePage)

BEGIN_MESSAGE_MAP(CResubmitDetailSettingPostEasyTradingPage, CAuctionSubmitSettingPostBasePage)
ON_BN_CLICKED(IDC_DETAIL_SCHEDULE_CHECK, OnScheduleToggled)
END_MESSAGE_MAP()

CResubmitDetailSettingPostEasyTradingPage::CResubmitDetailSettingPostEasyTradingPage(CWnd* pParentWnd)
    : CAuctionSubmitSettingPostBasePage(IDD_DETAIL_POST_EASY, CSubmitPostSettings::OptionSchedule,
                                        EasyTradingMode, pParentWnd)
{
}

void CResubmitDetailSettingPostEasyTradingPage::GetTitle(CString& strTitle)
{
    LoadDetailSubPageTitle(GetPageMode(), strTitle);
}

const UINT* CResubmitDetailSettingPostEasyTradingPage::GetChoiceStringIds(int nWhich)
{
    return nWhich == ChoiceSchedule ? kSchedules : nullptr;
}

BOOL CResubmitDetailSettingPostEasyTradingPage::IsUntouched()
{
    return FALSE;
}

void CResubmitDetailSettingPostEasyTradingPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionSubmitSettingPostBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_SCHEDULE_CHECK, m_scheduleCheck);
    DDX_Control(pDX, IDC_DETAIL_SCHEDULE_LABEL1, m_scheduleLabel1);
    DDX_Control(pDX, IDC_DETAIL_SCHEDULE, m_scheduleCombo);
    DDX_Control(pDX, IDC_DETAIL_SCHEDULE_LABEL2, m_scheduleLabel2);
}

void CResubmitDetailSettingPostEasyTradingPage::SetStandardToolTips()
{
    CAuctionSubmitSettingPostBasePage::SetStandardToolTips();
    AddToolTip(&m_scheduleCheck, IDS_TIP_SCHEDULE_CHECK);
    AddToolTip(&m_scheduleCombo, IDS_TIP_SCHEDULE);
}
