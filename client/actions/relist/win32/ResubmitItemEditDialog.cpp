#include "client/actions/relist/ResubmitItemEditDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "client/actions/relist/ResubmitEditFieldDialogs.h"
#include "client/actions/relist/ResubmitEditShipMethodDialog.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitItemEditRules.h"

namespace
{

const int kStartPriceDigits = 10;
const int kStaticMargin = 3;
} // namespace

IMPLEMENT_DYNAMIC(CResubmitItemEditDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CResubmitItemEditDialog, CBaseDialog)
ON_BN_CLICKED(IDC_EDIT_TITLE_CHANGE, OnTitle)
ON_BN_CLICKED(IDC_EDIT_BUY_NOW_CHANGE, OnBuyNow)
ON_BN_CLICKED(IDC_EDIT_SALES_MODE_CHANGE, OnSalesMode)
ON_BN_CLICKED(IDC_EDIT_QUANTITY_CHANGE, OnQuantity)
ON_BN_CLICKED(IDC_EDIT_DESCRIPTION_CHANGE, OnDescription)
ON_BN_CLICKED(IDC_EDIT_CONDITION_CHANGE, OnCondition)
ON_BN_CLICKED(IDC_EDIT_SHIPPING_CHANGE, OnShipping)
ON_BN_CLICKED(IDC_EDIT_SIZE_WEIGHT_CHANGE, OnSizeWeight)
END_MESSAGE_MAP()

CResubmitItemEditDialog::CResubmitItemEditDialog(CWnd* pParentWnd)
    : CBaseDialog(IDD_ITEM_EDIT, pParentWnd, IDH_ITEM_EDIT)
{
}

CResubmitItemEditDialog::~CResubmitItemEditDialog() {}

void CResubmitItemEditDialog::SetItem(const TanzoAuctionItem& item)
{
    m_working.CopyFrom(item, AuctionItem::AllGroups);
    m_result.CopyFrom(m_working, AuctionItem::AllGroups);
}

void CResubmitItemEditDialog::GetResult(TanzoAuctionItem& target) const
{
    GetItemEditResult(m_bMulti, m_result, target);
}

void CResubmitItemEditDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_TITLE, m_title);
    DDX_Control(pDX, IDC_EDIT_START_PRICE, m_startPrice);
    DDX_Control(pDX, IDC_EDIT_CONDITION, m_condition);
    DDX_Control(pDX, IDC_EDIT_DESCRIPTION, m_description);
    DDX_Control(pDX, IDC_EDIT_SHIPPING, m_shipping);
}

BOOL CResubmitItemEditDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (CDecorateStatic* pStatic : {&m_condition, &m_description, &m_shipping})
        pStatic->SetHorzMargins(kStaticMargin);
    if ((int)m_result.GetSalesMode().Get() == -1)
        m_result.GetSalesMode().Set(CSalesMode::Auction);
    if ((int)m_working.GetSalesMode().Get() == -1)
        m_working.GetSalesMode().Set(CSalesMode::Auction);

    if (m_bMulti)
    {
        CString text;
        text.LoadString(IDS_ITEM_EDIT_CAPTION_SEVERAL);
        SetWindowText(text);
        text.LoadString(IDS_TITLE_SEVERAL);
        m_title.SetWindowText(text);
        m_title.EnableWindow(FALSE);
        GetDlgItem(IDC_EDIT_TITLE_CHANGE)->EnableWindow(FALSE);
    }
    else
    {
        m_title.SetWindowText(m_result.GetTitle());
    }
    m_startPrice.SetDigitLimit(kStartPriceDigits);
    if (m_result.GetStartPrice() > 0)
        m_startPrice.SetValue(m_result.GetStartPrice());

    const struct
    {
        DWORD bit;
        UINT nID;
        void (CResubmitItemEditDialog::*show)();
    } fields[] = {
        {TanzoAuctionItem::EditSalesMode, IDC_EDIT_SALES_MODE, &CResubmitItemEditDialog::ShowSalesMode},
        {TanzoAuctionItem::EditBuyNowPrice, IDC_EDIT_BUY_NOW, &CResubmitItemEditDialog::ShowBuyNow},
        {TanzoAuctionItem::EditQuantity, IDC_EDIT_QUANTITY, &CResubmitItemEditDialog::ShowQuantity},
        {TanzoAuctionItem::EditDescription, IDC_EDIT_DESCRIPTION, &CResubmitItemEditDialog::ShowDescription},
        {TanzoAuctionItem::EditCondition, IDC_EDIT_CONDITION, &CResubmitItemEditDialog::ShowCondition},
        {TanzoAuctionItem::EditShipping, IDC_EDIT_SHIPPING, &CResubmitItemEditDialog::ShowShipping},
        {TanzoAuctionItem::EditSizeWeight, IDC_EDIT_SIZE_WEIGHT, &CResubmitItemEditDialog::ShowSizeWeight},
    };
    for (const auto& field : fields)
    {
        if (m_working.TestEditFlags(field.bit))
            (this->*field.show)();
        else if (m_bMulti)
            SetValueText(field.nID, "");
    }

    AddToolTip(&m_title, IDS_TIP_TITLE);
    AddToolTip(&m_startPrice, IDS_TIP_START_PRICE);
    for (CDecorateStatic* pStatic : {&m_condition, &m_description, &m_shipping})
        AddToolTipText(pStatic, LPSTR_TEXTCALLBACK);
    const struct
    {
        UINT nID;
        UINT nTip;
    } tips[] = {{IDC_EDIT_TITLE_CHANGE, IDS_TIP_TITLE_CHANGE},
                {IDC_EDIT_SALES_MODE_CHANGE, IDS_TIP_SALES_MODE},
                {IDC_EDIT_BUY_NOW_CHANGE, IDS_TIP_BUY_NOW},
                {IDC_EDIT_QUANTITY_CHANGE, IDS_TIP_QUANTITY},
                {IDC_EDIT_DESCRIPTION_CHANGE, IDS_TIP_DESCRIPTION},
                {IDC_EDIT_CONDITION_CHANGE, IDS_TIP_CONDITION},
                {IDC_EDIT_SHIPPING_CHANGE, IDS_TIP_SHIPPING},
                {IDC_EDIT_SIZE_WEIGHT_CHANGE, IDS_TIP_SIZE_WEIGHT}};
    for (const auto& tip : tips)
        AddToolTipById(tip.nID, tip.nTip);
    return TRUE;
}

BOOL CResubmitItemEditDialog::GetToolTipText(UINT nID, CString& strText)
{
    // The decorated statics show their whole text.
    for (CDecorateStatic* pStatic : {&m_condition, &m_description, &m_shipping})
    {
        if (pStatic->m_hWnd != nullptr && (UINT)pStatic->GetDlgCtrlID() == nID)
        {
            pStatic->GetText(strText);
            return TRUE;
        }
    }
    return CBaseDialog::GetToolTipText(nID, strText);
}

void CResubmitItemEditDialog::SetValueText(UINT nID, LPCTSTR lpszText)
{
    CWnd* pWnd = GetDlgItem(nID);
    if (pWnd == nullptr)
        return;
    if (auto* pStatic = dynamic_cast<CDecorateStatic*>(pWnd))
    {
        pStatic->SetText(lpszText);
        pStatic->Redraw();
    }
    else
    {
        pWnd->SetWindowText(lpszText);
    }
}

CString CResubmitItemEditDialog::GetStartPriceText() const
{
    CString text;
    m_startPrice.GetWindowText(text);
    return text;
}

void CResubmitItemEditDialog::ShowSalesMode()
{
    const int nMode = (int)m_working.GetSalesMode().Get();
    CString name;
    if (const UINT nID = GetSalesModeNameId(nMode))
        name.LoadString(nID);
    SetValueText(IDC_EDIT_SALES_MODE, name);
    CString label;
    label.LoadString(GetPriceLabelId(nMode));
    CString current;
    GetDlgItem(IDC_EDIT_PRICE_LABEL)->GetWindowText(current);
    if (current != label)
        GetDlgItem(IDC_EDIT_PRICE_LABEL)->SetWindowText(label);
    const int nShow = nMode == CSalesMode::Auction ? SW_SHOW : SW_HIDE;
    for (int nID : {(int)IDC_EDIT_BUY_NOW_LABEL, (int)IDC_EDIT_BUY_NOW, (int)IDC_EDIT_BUY_NOW_CHANGE})
        GetDlgItem(nID)->ShowWindow(nShow);
}

void CResubmitItemEditDialog::ShowBuyNow()
{
    CString text;
    FormatBuyNowPriceText(m_working.GetBuyNowPrice(), text);
    SetValueText(IDC_EDIT_BUY_NOW, text);
}

void CResubmitItemEditDialog::ShowQuantity()
{
    CString text;
    FormatQuantityText(m_working.GetNumber1(), text);
    SetValueText(IDC_EDIT_QUANTITY, text);
}

void CResubmitItemEditDialog::ShowDescription()
{
    SetValueText(IDC_EDIT_DESCRIPTION, m_working.GetEditedDescription());
}

void CResubmitItemEditDialog::ShowCondition()
{
    CString text;
    FormatConditionText(m_working, text);
    SetValueText(IDC_EDIT_CONDITION, text);
}

void CResubmitItemEditDialog::ShowShipping()
{
    CString text;
    FormatShippingText(m_working, text);
    SetValueText(IDC_EDIT_SHIPPING, text);
}

void CResubmitItemEditDialog::ShowSizeWeight()
{
    CString text;
    FormatSizeWeightText(m_working, text);
    SetValueText(IDC_EDIT_SIZE_WEIGHT, text);
}

void CResubmitItemEditDialog::OnTitle()
{
    CResubmitEditTitleDialog dialog(this);
    dialog.SetText(m_working.GetTitle());
    if (NeedsFullTitle(m_bMulti, m_working, m_result))
        dialog.SetSourceItem(m_working);
    if (dialog.DoModal() != IDOK)
        return;
    m_working.SetTitle(dialog.GetText());
    m_working.AddEditFlags(TanzoAuctionItem::EditTitle);
    m_title.SetWindowText(dialog.GetText());
}

void CResubmitItemEditDialog::OnBuyNow()
{
    CResubmitEditBuyNowPriceDialog dialog(this);
    const LONGLONG nMinimum = GetBuyNowMinimum(m_bMulti, GetStartPriceText(), m_result);
    dialog.SetAmount(m_working.GetBuyNowPrice());
    if (nMinimum > 0)
        dialog.SetMinimum(nMinimum);
    if (nMinimum == 0 && m_working.GetBuyNowPrice() == 0)
        dialog.AddOptions(AmountStartEmpty);
    if (dialog.DoModal() != IDOK)
        return;
    m_working.SetBuyNowPrice(dialog.GetAmount());
    m_working.AddEditFlags(TanzoAuctionItem::EditBuyNowPrice);
    ShowBuyNow();
}

void CResubmitItemEditDialog::OnSalesMode()
{
    CResubmitEditSalesModeDialog dialog(this);
    dialog.GetSalesMode() = m_working.GetSalesMode();
    if (dialog.DoModal() != IDOK)
        return;
    m_working.GetSalesMode() = dialog.GetSalesMode();
    m_working.AddEditFlags(TanzoAuctionItem::EditSalesMode);
    ShowSalesMode();
}

void CResubmitItemEditDialog::OnQuantity()
{
    CResubmitEditQuantityDialog dialog(this);
    dialog.SetQuantity(m_working.GetNumber1());
    if (dialog.DoModal() != IDOK)
        return;
    m_working.SetNumber1(dialog.GetQuantity());
    m_working.AddEditFlags(TanzoAuctionItem::EditQuantity);
    ShowQuantity();
}

void CResubmitItemEditDialog::OnDescription()
{
    CResubmitEditDescriptionDialog dialog(this);
    dialog.SetText(m_working.GetEditedDescription());
    if (!m_bMulti && !m_working.TestEditFlags(TanzoAuctionItem::EditDescription))
        dialog.SetSourceItem(m_working);
    if (dialog.DoModal() != IDOK)
        return;
    m_working.SetEditedDescription(dialog.GetText());
    m_working.AddEditFlags(TanzoAuctionItem::EditDescription);
    ShowDescription();
}

void CResubmitItemEditDialog::OnCondition()
{
    CResubmitEditItemConditionDialog dialog(CResubmitEditItemConditionDialog::ModeNewList, this);
    dialog.SetCondition(m_working);
    if (dialog.DoModal() != IDOK)
        return;
    m_working.SetCondition(dialog.GetCondition().GetCondition());
    m_working.SetComment(dialog.GetCondition().GetComment());
    m_working.AddEditFlags(TanzoAuctionItem::EditCondition);
    ShowCondition();
}

void CResubmitItemEditDialog::OnShipping()
{
    CResubmitEditShipMethodControlTabbedBaseDialog dialog(
        CResubmitEditShipMethodControlTabbedBaseDialog::ModeHub, this);
    dialog.SetShipMethods(m_working);
    dialog.SetListingKind(m_nShipListingKind);
    if (m_nShipListingKind == ShipListingUnset && !m_bMulti &&
        !m_working.TestEditFlags(TanzoAuctionItem::EditShipping))
        dialog.SetSourceItem(m_working);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.GetShipMethods(m_working);
    m_nShipListingKind = dialog.GetListingKind();
    m_working.AddEditFlags(TanzoAuctionItem::EditShipping);
    ShowShipping();
}

void CResubmitItemEditDialog::OnSizeWeight()
{
    CResubmitEditSizeWeightDialog dialog(this);
    dialog.SetSizeWeight(m_working);
    if (dialog.DoModal() != IDOK)
        return;
    m_working.CSelectValuePair::CopyFrom(dialog.GetSizeWeight());
    m_working.AddEditFlags(TanzoAuctionItem::EditSizeWeight);
    ShowSizeWeight();
}

void CResubmitItemEditDialog::OnOK()
{
    const UINT nMessage = ApplyItemEditOk(m_bMulti, GetStartPriceText(), m_working, m_result);
    if (nMessage != 0)
    {
        if (nMessage == 900)
        {
            CString text;
            FormatItemEditRange(kItemEditMinStartPrice, kItemEditMaxStartPrice, text);
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        }
        else
        {
            AfxMessageBox(nMessage, MB_OK | MB_ICONEXCLAMATION);
        }
        GotoDlgCtrl(&m_startPrice);
        return;
    }
    CBaseDialog::OnOK();
}
