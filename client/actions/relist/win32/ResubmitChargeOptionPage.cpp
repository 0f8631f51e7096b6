#include "client/actions/relist/ResubmitChargeOptionPage.h"

#include "afx/DataExchange.h"
#include "afx/MsgMap.h"
#include "auction/records/AuctionChargeOption.h"
#include "client/actions/relist/ChargeOptionInput.h"
#include "client/actions/relist/ResubmitChargeOptionDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"

namespace
{
const UINT kGiftIconIds[] = {1950, 1951, 1952, 1953, 1954, 1955, 1956, 0};
static_assert(sizeof(kGiftIconIds) / sizeof(kGiftIconIds[0]) == GiftIconCount + 1, "one text per gift icon");

const struct
{
    int nControl;
    UINT nTip;
} kTips[] = {
    {IDC_CHARGE_FEATURED_CHECK, 1469}, {IDC_CHARGE_FEATURED_EDIT, 1430}, {IDC_CHARGE_RESERVE_CHECK, 1472},
    {IDC_CHARGE_RESERVE_EDIT, 1473},   {IDC_CHARGE_GIFT_CHECK, 1477},    {IDC_CHARGE_GIFT_COMBO, 1478},
    {IDC_CHARGE_CPA_CHECK, 1541},      {IDC_CHARGE_CPA_EDIT, 1542},      {IDC_CHARGE_BOLD, 1474},
    {IDC_CHARGE_HIGHLIGHT, 1475},      {IDC_CHARGE_WRAPPING, 1479},      {IDC_CHARGE_AFFILIATE, 1480},
};

BOOL IsTicked(const CButton& button)
{
    return button.GetCheck() == BST_CHECKED;
}

CString TextOf(const CWnd& control)
{
    CString text;
    control.GetWindowText(text);
    return text;
}
} // namespace

IMPLEMENT_DYNAMIC(CResubmitChargeOptionPage, CTabbedPage)

BEGIN_MESSAGE_MAP(CResubmitChargeOptionPage, CAuctionChargeOptionPage)
ON_BN_CLICKED(IDC_CHARGE_FEATURED_CHECK, OnFeaturedCheck)
ON_BN_CLICKED(IDC_CHARGE_RESERVE_CHECK, OnReserveCheck)
ON_BN_CLICKED(IDC_CHARGE_GIFT_CHECK, OnGiftCheck)
ON_BN_CLICKED(IDC_CHARGE_CPA_CHECK, OnCpaCheck)
END_MESSAGE_MAP()

CResubmitChargeOptionPage::CResubmitChargeOptionPage(CWnd* pParentWnd)
    : CAuctionChargeOptionPage(IDD_RESUBMIT_CHARGE_PAGE, pParentWnd)
{
}

void CResubmitChargeOptionPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_CHARGE_BASIC_TITLE);
}

CAuctionChargeOption* CResubmitChargeOptionPage::GetChargeOption()
{
    CWnd* pParent = m_hWnd != nullptr ? GetParent() : GetParentWindow();
    auto* pDialog = dynamic_cast<CResubmitChargeOptionDialog*>(pParent);
    return pDialog != nullptr ? &pDialog->GetOptions() : nullptr;
}

const UINT* CResubmitChargeOptionPage::GetGiftIconStringIds()
{
    return kGiftIconIds;
}

BOOL CResubmitChargeOptionPage::StoreChargeOption()
{
    CAuctionChargeOption* pOptions = GetChargeOption();
    if (pOptions == nullptr || !::IsWindow(m_hWnd))
        return TRUE;
    ChargeOptionInput input;
    input.bFeatured = IsTicked(m_featuredCheck);
    input.featuredAmount = TextOf(m_featuredEdit);
    input.bReserve = IsTicked(m_reserveCheck);
    input.reservePrice = TextOf(m_reserveEdit);
    input.bGift = IsTicked(m_giftCheck);
    input.nGiftIndex = m_giftCombo.GetCurSel();
    input.bCpa = IsTicked(m_cpaCheck);
    input.cpaRate = TextOf(m_cpaEdit);
    input.bBold = IsTicked(m_boldCheck);
    input.bHighlight = IsTicked(m_highlightCheck);
    input.bWrapping = IsTicked(m_wrappingCheck);
    input.bAffiliate = IsTicked(m_affiliateCheck);

    CAuctionChargeOption options;
    const int nError = ReadChargeOptionInput(input, m_nReserveMinimum, options);
    if (nError == ChargeInputOk)
    {
        pOptions->CopyFrom(options);
        return TRUE;
    }
    ShowMessageText(FormatChargeInputError(nError, m_nReserveMinimum), MB_OK | MB_ICONEXCLAMATION, 0);
    CEdit& edit = nError == ChargeReserveRange    ? (CEdit&)m_reserveEdit
                  : nError == ChargeFeaturedRange ? (CEdit&)m_featuredEdit
                                                  : (CEdit&)m_cpaEdit;
    GotoDlgCtrl(&edit);
    edit.SetSel(0, -1);
    return FALSE;
}

BOOL CResubmitChargeOptionPage::Validate(CTabbedDialog*)
{
    return StoreChargeOption();
}

void CResubmitChargeOptionPage::DoDataExchange(CDataExchange* pDX)
{
    CAuctionChargeOptionPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHARGE_FEATURED_LABEL, m_featuredLabel);
    DDX_Control(pDX, IDC_CHARGE_RESERVE_LABEL, m_reserveLabel);
    DDX_Control(pDX, IDC_CHARGE_CPA_LABEL, m_cpaLabel);
    DDX_Control(pDX, IDC_CHARGE_FEATURED_CHECK, m_featuredCheck);
    DDX_Control(pDX, IDC_CHARGE_RESERVE_CHECK, m_reserveCheck);
    DDX_Control(pDX, IDC_CHARGE_GIFT_CHECK, m_giftCheck);
    DDX_Control(pDX, IDC_CHARGE_CPA_CHECK, m_cpaCheck);
    DDX_Control(pDX, IDC_CHARGE_BOLD, m_boldCheck);
    DDX_Control(pDX, IDC_CHARGE_HIGHLIGHT, m_highlightCheck);
    DDX_Control(pDX, IDC_CHARGE_WRAPPING, m_wrappingCheck);
    DDX_Control(pDX, IDC_CHARGE_AFFILIATE, m_affiliateCheck);
    DDX_Control(pDX, IDC_CHARGE_FEATURED_EDIT, m_featuredEdit);
    DDX_Control(pDX, IDC_CHARGE_RESERVE_EDIT, m_reserveEdit);
    DDX_Control(pDX, IDC_CHARGE_GIFT_COMBO, m_giftCombo);
    DDX_Control(pDX, IDC_CHARGE_CPA_EDIT, m_cpaEdit);
}

void CResubmitChargeOptionPage::SetStandardToolTips()
{
    CAuctionChargeOptionPage::SetStandardToolTips();
    for (const auto& tip : kTips)
        AddToolTipById(tip.nControl, tip.nTip);
}
