#include "client/actions/relist/ResubmitEditShipMethodDialog.h"

#include "afx/DataExchange.h"
#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "auction/shipping/ShipEditorRules.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/ShipProblemMessages.h"
#include "client/actions/relist/ResubmitEditFieldDialogs.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "controls/ControlsResourceIds.h"

namespace
{

const char kFeeTypeKey[] = "ShipMethodFeeType";
const char kLinkHistory[] = "ShipMethodLink%02d";
const char kLinkDefault[] = "http://";
const int kRegionIds[3] = {IDC_ENTRY_HOKKAIDO, IDC_ENTRY_OKINAWA, IDC_ENTRY_ISLAND};
const int kListLinkColor = 1;
const int kShipMinWidth = 620;
const int kShipMinHeight = 410;

UINT FeeTypeNameId(int nFeeType)
{
    switch (nFeeType)
    {
    case CShipMethod::FeeNone:
        return IDS_FEE_NONE;
    case CShipMethod::FeeClient:
        return IDS_SHIP_ARRIVAL_WORD;
    default:
        return nFeeType >= 0 && nFeeType <= CShipMethod::FeeLink ? (UINT)(IDS_FEE_TYPE_FIRST + nFeeType) : 0u;
    }
}

void ShowControl(CWnd* pDialog, int nID, BOOL bShow)
{
    if (CWnd* pControl = pDialog->GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

template <int N> struct StringIdRun
{
    UINT ids[N + 1];
    explicit StringIdRun(UINT first)
    {
        for (int i = 0; i < N; ++i)
            ids[i] = first + (UINT)i;
        ids[N] = 0;
    }
};

// The service groups' combo entries.
class CResubmitOptionGroup : public CShipOptionControlGroup
{
public:
    const UINT* GetChoiceStringIds(int nWhich) override
    {
        static const StringIdRun<2> timing(IDS_SHIP_TIMING_FIRST);
        static const StringIdRun<6> sizes(IDS_OPTION_SIZE_FIRST);
        static const StringIdRun<6> weights(IDS_GROUP_WEIGHT_FIRST);
        return nWhich == 0 ? timing.ids : nWhich == 1 ? sizes.ids : weights.ids;
    }
};

class CResubmitExtraGroup : public CShipExtraOptionControlGroup
{
public:
    const UINT* GetChoiceStringIds(int nWhich) override
    {
        static const StringIdRun<2> timing(IDS_SHIP_TIMING_FIRST);
        static const StringIdRun<7> sizes(IDS_EXTRA_SIZE_FIRST);
        static const StringIdRun<6> weights(IDS_GROUP_WEIGHT_FIRST);
        return nWhich == 0 ? timing.ids : nWhich == 1 ? sizes.ids : weights.ids;
    }
};
} // namespace

// The method entry.

IMPLEMENT_DYNAMIC(CResubmitShipMethodEntryDialog, CShipMethodAddBaseDialog)

BEGIN_MESSAGE_MAP(CResubmitShipMethodEntryDialog, CShipMethodAddBaseDialog)
ON_CBN_SELCHANGE(IDC_ENTRY_FEE_TYPE, OnFeeTypeChange)
END_MESSAGE_MAP()

CResubmitShipMethodEntryDialog::CResubmitShipMethodEntryDialog(CWnd* pParentWnd)
    : CShipMethodAddBaseDialog(IDD_SHIP_ENTRY, pParentWnd, IDH_SHIP_ENTRY)
{
}

void CResubmitShipMethodEntryDialog::DoDataExchange(CDataExchange* pDX)
{
    CShipMethodAddBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ENTRY_NAME, m_name);
    DDX_Control(pDX, IDC_ENTRY_FEE_TYPE, m_feeType);
    DDX_Control(pDX, IDC_ENTRY_FEE, m_fee);
    DDX_Control(pDX, IDC_ENTRY_LINK, m_link);
    for (int i = 0; i < 3; ++i)
        DDX_Control(pDX, kRegionIds[i], m_regionFees[i]);
}

BOOL CResubmitShipMethodEntryDialog::OnInitDialog()
{
    CShipMethodAddBaseDialog::OnInitDialog();
    const BOOL bAdding = GetValue() == 0;
    SetWindowText(LoadText(bAdding ? IDS_CAPTION_ADD : IDS_CAPTION_EDIT));
    m_name.LimitText(NameBytes);
    m_fee.SetDigitLimit(FeeDigits);
    for (CNumberEdit& edit : m_regionFees)
        edit.SetDigitLimit(FeeDigits);
    for (int nType = CShipMethod::FeeOne; nType <= CShipMethod::FeeClient; ++nType)
        m_feeType.AddString(LoadText(FeeTypeNameId(nType)));
    LoadComboHistory(&m_link, kLinkHistory, LinkHistoryCount);

    int nType = m_method.GetFeeType();
    if (bAdding)
    {
        nType = GetSettingInt(kFeeTypeKey, 0);
        if (nType < CShipMethod::FeeOne || nType > CShipMethod::FeeClient)
            nType = CShipMethod::FeeOne;
    }
    else if (nType == CShipMethod::FeeRegional && !m_method.HasAnyRegionFee())
    {
        nType = CShipMethod::FeeOne;
    }
    m_name.SetWindowText(m_method.GetName());
    m_fee.SetValue(m_method.HasFee() ? m_method.GetFee() : 0);
    for (int i = 0; i < 3; ++i)
    {
        if (m_method.GetRegionFee(i) >= 0)
            m_regionFees[i].SetValue(m_method.GetRegionFee(i));
        else
            m_regionFees[i].SetWindowText("");
    }
    m_feeType.SetCurSel(nType >= 0 && nType < m_feeType.GetCount() ? nType : 0);
    m_link.SetWindowText(m_method.GetLink().IsEmpty() ? kLinkDefault : (LPCTSTR)m_method.GetLink());

    AddToolTip(&m_name, IDS_TIP_NAME);
    AddToolTip(&m_feeType, IDS_TIP_FEE_TYPE);
    AddToolTip(&m_fee, IDS_TIP_FEE);
    AddToolTip(&m_link, IDS_TIP_LINK);
    for (int i = 0; i < 3; ++i)
        AddToolTip(&m_regionFees[i], IDS_TIP_HOKKAIDO + (UINT)i);
    ShowFeeControls();
    return TRUE;
}

void CResubmitShipMethodEntryDialog::OnFeeTypeChange()
{
    ShowFeeControls();
}

void CResubmitShipMethodEntryDialog::ShowFeeControls()
{
    const int nType = m_feeType.GetCurSel();
    const BOOL bFee = nType == CShipMethod::FeeOne || nType == CShipMethod::FeeRegional;
    const BOOL bRegion = nType == CShipMethod::FeeRegional;
    const BOOL bLink = nType == CShipMethod::FeeLink;
    for (int nID : {(int)IDC_ENTRY_FEE, (int)IDC_ENTRY_FEE_UNIT, (int)IDC_ENTRY_FEE_LABEL})
        ShowControl(this, nID, bFee);
    for (int nID : {(int)IDC_ENTRY_HOKKAIDO, (int)IDC_ENTRY_OKINAWA, (int)IDC_ENTRY_ISLAND,
                    (int)IDC_ENTRY_HOKKAIDO_LABEL, (int)IDC_ENTRY_OKINAWA_LABEL, (int)IDC_ENTRY_ISLAND_LABEL,
                    (int)IDC_ENTRY_HOKKAIDO_UNIT, (int)IDC_ENTRY_OKINAWA_UNIT, (int)IDC_ENTRY_ISLAND_UNIT})
        ShowControl(this, nID, bRegion);
    for (int nID : {(int)IDC_ENTRY_LINK, (int)IDC_ENTRY_LINK_LABEL})
        ShowControl(this, nID, bLink);
}

void CResubmitShipMethodEntryDialog::OnOK()
{
    ShipMethodEntryInput input;
    m_name.GetWindowText(input.name);
    input.feeType = m_feeType.GetCurSel();
    m_fee.GetWindowText(input.fee);
    for (int i = 0; i < 3; ++i)
        m_regionFees[i].GetWindowText(input.regionFees[i]);
    m_link.GetWindowText(input.link);

    LONGLONG fee = -1;
    LONGLONG regionFees[3] = {-1, -1, -1};
    int nFocus = ShipEntryFocusNone;
    const UINT nMessage = CheckShipMethodEntry(input, fee, regionFees, nFocus);
    if (nMessage != 0)
    {
        if (nMessage == IDS_RANGE_AMOUNT)
        {
            CString text;
            FormatItemEditRange(0, 9999999, text);
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        }
        else
        {
            AfxMessageBox(nMessage, MB_OK | MB_ICONEXCLAMATION);
        }
        CWnd* pFocus = nFocus == ShipEntryFocusName     ? (CWnd*)&m_name
                       : nFocus == ShipEntryFocusFee    ? (CWnd*)&m_fee
                       : nFocus == ShipEntryFocusRegion ? (CWnd*)&m_regionFees[0]
                                                        : (CWnd*)&m_link;
        GotoDlgCtrl(pFocus);
        return;
    }
    m_method.SetName(input.name);
    m_method.SetFeeType(input.feeType);
    m_method.SetFee(fee);
    m_method.SetRegionFee1(regionFees[0]);
    m_method.SetRegionFee2(regionFees[1]);
    m_method.SetRegionFee3(regionFees[2]);
    m_method.SetLink(input.feeType == CShipMethod::FeeLink ? (LPCTSTR)input.link : "");
    if (GetValue() == 0)
        WriteSettingInt(kFeeTypeKey, input.feeType);
    if (input.feeType == CShipMethod::FeeLink && !input.link.IsEmpty())
    {
        m_link.PushHistoryText(input.link, LinkHistoryCount);
        SaveComboHistory(&m_link, kLinkHistory, LinkHistoryCount);
    }
    CShipMethodAddBaseDialog::OnOK();
}

// The general methods' list.

IMPLEMENT_DYNAMIC(CResubmitShipMethodListEditor, CAuctionShipMethodControlBaseDialog)

CResubmitShipMethodListEditor::CResubmitShipMethodListEditor(CWnd* pParentWnd)
    : CAuctionShipMethodControlBaseDialog(IDD_SHIP_LIST_PAGE, pParentWnd)
{
    // A child of its page: the page sizes it.
    EnableResize(FALSE);
    SetDialogOption(dialogHosted);
}

void CResubmitShipMethodListEditor::DoDataExchange(CDataExchange* pDX)
{
    CAuctionShipMethodControlBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHIP_LIST, m_list);
    DDX_Control(pDX, IDC_SHIP_ADD, m_addButton);
    DDX_Control(pDX, IDC_SHIP_EDIT, m_editButton);
    DDX_Control(pDX, IDC_SHIP_DELETE, m_deleteButton);
    DDX_Control(pDX, IDC_SHIP_UP, m_upButton);
    DDX_Control(pDX, IDC_SHIP_DOWN, m_downButton);
}

BOOL CResubmitShipMethodListEditor::OnInitDialog()
{
    CAuctionShipMethodControlBaseDialog::OnInitDialog();
    const UINT tips[] = {IDS_TIP_SHIP_ADD, IDS_TIP_SHIP_EDIT, IDS_TIP_SHIP_DELETE, IDS_TIP_MOVE_UP,
                         IDS_TIP_MOVE_DOWN};
    const int buttons[] = {IDC_SHIP_ADD, IDC_SHIP_EDIT, IDC_SHIP_DELETE, IDC_SHIP_UP, IDC_SHIP_DOWN};
    for (int i = 0; i < 5; ++i)
        AddToolTipById(buttons[i], tips[i]);
    return TRUE;
}

CShipMethodAddBaseDialog* CResubmitShipMethodListEditor::CreateEntryDialog(CWnd* pParent)
{
    return new CResubmitShipMethodEntryDialog(pParent);
}

UINT CResubmitShipMethodListEditor::GetColumnTitleId(int nColumn)
{
    return nColumn == 0 ? IDS_COLUMN_METHOD : IDS_COLUMN_FEE;
}

int CResubmitShipMethodListEditor::CommandToAction(UINT nCommandId)
{
    return (int)(nCommandId - ID_SHIPMETHOD_MENU_FIRST);
}

UINT CResubmitShipMethodListEditor::GetContextMenuId(int nWhich)
{
    return nWhich == 0 ? IDR_SHIP_LIST_MENU : IDR_LINK_CONTEXT_MENU;
}

UINT CResubmitShipMethodListEditor::GetDeleteConfirmMessageId()
{
    return IDS_DELETE_QUESTION;
}

COLORREF CResubmitShipMethodListEditor::GetLinkColor()
{
    COptionSettings* pOptions = GetOptionSettings();
    return pOptions != nullptr ? pOptions->GetColor(kListLinkColor) : RGB(0, 0, 255);
}

UINT CResubmitShipMethodListEditor::GetFeeTypeTextId(int nFeeType)
{
    return nFeeType == CShipMethod::FeeNone     ? IDS_FEE_NONE
           : nFeeType == CShipMethod::FeeClient ? IDS_SHIP_ARRIVAL_WORD
                                                : 0u;
}

UINT CResubmitShipMethodListEditor::GetRegionFeeFormatId()
{
    return IDS_REGION_FORMAT;
}

UINT CResubmitShipMethodListEditor::GetRegionFeeSeparatorId()
{
    return IDS_SHIP_SEPARATOR;
}

// Page 1.

IMPLEMENT_DYNAMIC(CResubmitShipMethodListPage, CTabbedPage)

BEGIN_MESSAGE_MAP(CResubmitShipMethodListPage, CTabbedPage)
ON_WM_SIZE()
END_MESSAGE_MAP()

CResubmitShipMethodListPage::CResubmitShipMethodListPage() : CTabbedPage(IDD_SHIP_LIST_HOST), m_pending(10) {}

void CResubmitShipMethodListPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TAB_GENERAL);
}

BOOL CResubmitShipMethodListPage::OnInitDialog()
{
    CTabbedPage::OnInitDialog();
    m_editor.SetShipMethods(m_pending);
    m_editor.CreateModeless(this);
    CRect rc;
    GetClientRect(&rc);
    m_editor.SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    return TRUE;
}

void CResubmitShipMethodListPage::OnSize(UINT nType, int cx, int cy)
{
    CTabbedPage::OnSize(nType, cx, cy);
    if (::IsWindow(m_editor.m_hWnd))
        m_editor.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE);
}

void CResubmitShipMethodListPage::LoadShipMethods(const CAuctionShipMethods& methods, int)
{
    m_pending.RemoveAll();
    methods.GetShipMethods(m_pending);
    if (::IsWindow(m_editor.m_hWnd))
    {
        m_editor.SetShipMethods(m_pending);
        m_editor.FillList();
    }
}

BOOL CResubmitShipMethodListPage::StoreShipMethods(CAuctionShipMethods& methods, int nListingKind)
{
    if (::IsWindow(m_editor.m_hWnd))
    {
        m_editor.StoreListToRecords();
        m_pending.RemoveAll();
        const CShipMethodList& rows = m_editor.GetShipMethods();
        for (POSITION pos = rows.GetHeadPosition(); pos != nullptr;)
            m_pending.AddTail(rows.GetNext(pos));
    }
    CAuctionShipMethods candidate;
    candidate.SetShipMethods(m_pending);
    const UINT nMessage = CheckGeneralMethodsForKind(nListingKind, candidate);
    if (nMessage != 0)
    {
        Activate(FALSE);
        AfxMessageBox(nMessage, MB_OK | MB_ICONEXCLAMATION);
        if (::IsWindow(m_editor.m_hWnd))
            m_editor.GetList().SetFocus();
        return FALSE;
    }
    methods.SetShipMethods(m_pending);
    return TRUE;
}

BOOL CResubmitShipMethodListPage::FocusProblem(const CAuctionShipMethods&, int nProblem)
{
    const int nFeeType = GetShipProblemFeeType(nProblem);
    if (nFeeType < 0 || !::IsWindow(m_editor.m_hWnd))
        return FALSE;
    CShipMethodListCtrl& list = m_editor.GetList();
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
    {
        const CShipMethod* pMethod = list.GetRowMethod(nRow);
        if (pMethod != nullptr && pMethod->GetFeeType() == nFeeType)
        {
            Activate(FALSE);
            list.SelectSingleItem(nRow);
            list.SetFocus();
            return TRUE;
        }
    }
    return FALSE;
}

// The service panes.

IMPLEMENT_DYNAMIC(CResubmitShipServicePane, CBaseDialog)

CResubmitShipServicePane::CResubmitShipServicePane(UINT nIDTemplate, int nGroup, CWnd* pParentWnd)
    : CBaseDialog(nIDTemplate, pParentWnd), m_nGroup(nGroup)
{
    if (nGroup == ShipGroupOption)
        m_pGroup.reset(new CResubmitOptionGroup);
    else
        m_pGroup.reset(new CResubmitExtraGroup);
    SetDialogOption(dialogHosted);
}

void CResubmitShipServicePane::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    CShipServiceControlGroup& group = *m_pGroup;
    if (m_nGroup == ShipGroupOption)
    {
        DDX_Control(pDX, IDC_YAHUNEKO_NEKOPOSU, group.m_checks[0]);
        DDX_Control(pDX, IDC_YAHUNEKO_COMPACT, group.m_checks[1]);
        DDX_Control(pDX, IDC_YAHUNEKO_TAQBIN, group.m_checks[2]);
        DDX_Control(pDX, IDC_YAHUNEKO_TIMING, group.m_timingCombo);
        DDX_Control(pDX, IDC_YAHUNEKO_SIZE, group.m_sizeCombo);
        DDX_Control(pDX, IDC_YAHUNEKO_WEIGHT, group.m_weightCombo);
        DDX_Control(pDX, IDC_YAHUNEKO_TIMING_LABEL, group.m_timingLabel);
        DDX_Control(pDX, IDC_YAHUNEKO_SIZE_LABEL, group.m_sizeLabel);
        DDX_Control(pDX, IDC_YAHUNEKO_WEIGHT_LABEL, group.m_weightLabel);
    }
    else
    {
        DDX_Control(pDX, IDC_YUPACK_PACKET, group.m_checks[0]);
        DDX_Control(pDX, IDC_YUPACK_PARCEL, group.m_checks[1]);
        DDX_Control(pDX, IDC_YUPACK_TIMING, group.m_timingCombo);
        DDX_Control(pDX, IDC_YUPACK_SIZE, group.m_sizeCombo);
        DDX_Control(pDX, IDC_YUPACK_WEIGHT, group.m_weightCombo);
        DDX_Control(pDX, IDC_YUPACK_TIMING_LABEL, group.m_timingLabel);
        DDX_Control(pDX, IDC_YUPACK_SIZE_LABEL, group.m_sizeLabel);
        DDX_Control(pDX, IDC_YUPACK_WEIGHT_LABEL, group.m_weightLabel);
    }
}

BOOL CResubmitShipServicePane::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pGroup->InitControls();
    return TRUE;
}

BOOL CResubmitShipServicePane::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const BOOL bHandled = CBaseDialog::OnCommand(wParam, lParam);
    const UINT nCode = HIWORD(wParam);
    if (nCode == BN_CLICKED || nCode == CBN_SELCHANGE)
    {
        m_pGroup->Refresh();
        m_pGroup->UpdateEnabling(CShipServiceControlGroup::EnableParcel);
    }
    return bHandled;
}

CWnd* CResubmitShipServicePane::GetFirstTicked()
{
    const int nBoxes = GetShipServiceBoxCount(m_nGroup);
    for (int i = 0; i < nBoxes; ++i)
        if (::IsWindow(m_pGroup->m_checks[i].m_hWnd) && m_pGroup->m_checks[i].GetCheck() == BST_CHECKED)
            return &m_pGroup->m_checks[i];
    return nullptr;
}

BOOL CResubmitShipServicePane::AnyTicked()
{
    return GetFirstTicked() != nullptr;
}

// Page 2.

IMPLEMENT_DYNAMIC(CResubmitEditShipMethodControlYahooSpecificDialog, CTabbedPage)

CResubmitEditShipMethodControlYahooSpecificDialog::CResubmitEditShipMethodControlYahooSpecificDialog()
    : CTabbedPage(IDD_SHIP_SERVICES), m_yahuneko(IDD_SHIP_YAHUNEKO, ShipGroupOption),
      m_yupack(IDD_SHIP_YUPACK, ShipGroupExtra)
{
}

void CResubmitEditShipMethodControlYahooSpecificDialog::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_TAB_SERVICES);
}

void CResubmitEditShipMethodControlYahooSpecificDialog::DoDataExchange(CDataExchange* pDX)
{
    CTabbedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHIP_SERVICE_TABS, m_tabs);
}

BOOL CResubmitEditShipMethodControlYahooSpecificDialog::OnInitDialog()
{
    CTabbedPage::OnInitDialog();
    const UINT titles[] = {IDS_TAB_YAHUNEKO, IDS_TAB_YUPACK};
    for (int i = 0; i < 2; ++i)
    {
        CString title = LoadText(titles[i]);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>((LPCTSTR)title);
        m_tabs.InsertItem(i, &item);
    }
    CRect rc;
    m_tabs.GetWindowRect(&rc);
    ScreenToClient(&rc);
    m_tabs.AdjustRect(FALSE, &rc);
    for (CResubmitShipServicePane* pPane : {&m_yahuneko, &m_yupack})
    {
        pPane->CreateModeless(this);
        pPane->SetWindowPos(&m_tabs, rc.left, rc.top, rc.Width(), rc.Height(), 0);
    }
    if (m_pPending != nullptr)
    {
        m_yahuneko.GetGroup().LoadFromRecord(*m_pPending);
        m_yupack.GetGroup().LoadFromRecord(*m_pPending);
    }
    ShowPane(0);
    return TRUE;
}

void CResubmitEditShipMethodControlYahooSpecificDialog::ShowPane(int nIndex)
{
    m_tabs.SetCurSel(nIndex);
    m_yahuneko.ShowWindow(nIndex == 0 ? SW_SHOW : SW_HIDE);
    m_yupack.ShowWindow(nIndex == 1 ? SW_SHOW : SW_HIDE);
}

BOOL CResubmitEditShipMethodControlYahooSpecificDialog::OnNotify(WPARAM wParam, LPARAM lParam,
                                                                 LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR != nullptr && pNMHDR->idFrom == IDC_SHIP_SERVICE_TABS && pNMHDR->code == TCN_SELCHANGE)
    {
        ShowPane(m_tabs.GetCurSel());
        *pResult = 0;
        return TRUE;
    }
    return CTabbedPage::OnNotify(wParam, lParam, pResult);
}

void CResubmitEditShipMethodControlYahooSpecificDialog::LoadShipMethods(const CAuctionShipMethods& methods,
                                                                        int)
{
    m_pPending.reset(new CAuctionShipMethods(methods));
    if (::IsWindow(m_yahuneko.m_hWnd))
    {
        m_yahuneko.GetGroup().LoadFromRecord(methods);
        m_yupack.GetGroup().LoadFromRecord(methods);
    }
}

BOOL CResubmitEditShipMethodControlYahooSpecificDialog::StoreShipMethods(CAuctionShipMethods& methods,
                                                                         int nListingKind)
{
    if (!::IsWindow(m_yahuneko.m_hWnd))
    {
        // Never shown: the services stay as given.
        if (m_pPending != nullptr)
            methods.CAuctionShipping::CopyFrom(*m_pPending);
        const UINT nMessage = CheckServicesForKind(nListingKind, methods);
        if (nMessage == 0)
            return TRUE;
        Activate(FALSE);
        AfxMessageBox(nMessage, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (nListingKind == ShipListingNormal && (m_yahuneko.AnyTicked() || m_yupack.AnyTicked()))
    {
        Activate(FALSE);
        CResubmitShipServicePane& pane = m_yahuneko.AnyTicked() ? m_yahuneko : m_yupack;
        ShowPane(&pane == &m_yahuneko ? 0 : 1);
        CAuctionShipMethods ticked;
        m_yahuneko.GetGroup().StoreToRecord(ticked, ShipOptionStoreAll);
        m_yupack.GetGroup().StoreToRecord(ticked, ShipExtraStoreAll);
        AfxMessageBox(CheckServicesForKind(nListingKind, ticked), MB_OK | MB_ICONEXCLAMATION);
        if (CWnd* pBox = pane.GetFirstTicked())
            pBox->SetFocus();
        return FALSE;
    }
    m_yahuneko.GetGroup().StoreToRecord(methods, ShipOptionStoreAll);
    m_yupack.GetGroup().StoreToRecord(methods, ShipExtraStoreAll);
    return TRUE;
}

BOOL CResubmitEditShipMethodControlYahooSpecificDialog::FocusProblem(const CAuctionShipMethods&, int nProblem)
{
    if (nProblem != ShipCheckNoFeeMixed || !::IsWindow(m_yahuneko.m_hWnd))
        return FALSE;
    for (CResubmitShipServicePane* pPane : {&m_yahuneko, &m_yupack})
    {
        auto* pCombo = static_cast<CComboBox*>(pPane->GetTimingCombo());
        if (pPane->AnyTicked() && pCombo->GetCurSel() == 1)
        {
            Activate(FALSE);
            ShowPane(pPane == &m_yahuneko ? 0 : 1);
            pCombo->SetFocus();
            return TRUE;
        }
    }
    return FALSE;
}

// The dialog.

IMPLEMENT_DYNAMIC(CResubmitEditShipMethodControlTabbedBaseDialog, CTabbedDialog)

BEGIN_MESSAGE_MAP(CResubmitEditShipMethodControlTabbedBaseDialog, CTabbedDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CResubmitEditShipMethodControlTabbedBaseDialog::CResubmitEditShipMethodControlTabbedBaseDialog(
    int nMode, CWnd* pParentWnd)
    : CTabbedDialog(nMode == ModeJob ? IDD_EDIT_SHIP_JOB : IDD_EDIT_SHIP, IDC_SHIP_TABS, pParentWnd,
                    nMode == ModeJob ? IDH_EDIT_SHIP_JOB : IDH_EDIT_SHIP),
      m_nMode(nMode), m_flags(0)
{
    EnableResize(TRUE, kShipMinWidth, kShipMinHeight);
}

CResubmitEditShipMethodControlTabbedBaseDialog::~CResubmitEditShipMethodControlTabbedBaseDialog() {}

void CResubmitEditShipMethodControlTabbedBaseDialog::SetSourceItem(const TanzoAuctionItem& item)
{
    m_pSource.reset(new TanzoAuctionItem(item));
}

void CResubmitEditShipMethodControlTabbedBaseDialog::AddPages()
{
    AddPage(new CResubmitShipMethodListPage);
    AddPage(new CResubmitEditShipMethodControlYahooSpecificDialog);
}

CResubmitShipPageInterface* CResubmitEditShipMethodControlTabbedBaseDialog::PageInterface(int nIndex)
{
    return dynamic_cast<CResubmitShipPageInterface*>(GetPageEntry(nIndex));
}

void CResubmitEditShipMethodControlTabbedBaseDialog::LoadPages()
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (CResubmitShipPageInterface* pPage = PageInterface(i))
            pPage->LoadShipMethods(m_methods, m_nListingKind);
}

BOOL CResubmitEditShipMethodControlTabbedBaseDialog::OnInitDialog()
{
    AddPages();
    LoadPages();
    CTabbedDialog::OnInitDialog();
    SetAppIcon(IDI_SHIP_METHODS);
    UpdateCaption();
    if (m_nMode == ModeJob)
    {
        AddToolTipById(IDC_SHIP_FOLLOWING, IDS_TIP_FOLLOWING);
        if (!m_bOfferFollowing)
            GetDlgItem(IDC_SHIP_FOLLOWING)->ShowWindow(SW_HIDE);
    }
    if (m_pSource != nullptr && !m_pSource->GetAuctionID().IsEmpty())
        SetTimer(TimerFetchShipMethods, FetchDelay);
    return TRUE;
}

void CResubmitEditShipMethodControlTabbedBaseDialog::RegisterLayoutControls()
{
    CTabbedDialog::RegisterLayoutControls();
    AddControl(IDC_SHIP_TABS, 0x30000);
    for (int nID : {IDOK, IDCANCEL, (int)IDC_DIALOG_HELP, (int)IDC_SHIP_FOLLOWING})
        if (GetDlgItem(nID) != nullptr)
            AddControl(nID, 2);
}

void CResubmitEditShipMethodControlTabbedBaseDialog::UpdateCaption()
{
    CString caption;
    FormatShipDialogCaption(m_nListingKind, caption);
    CString current;
    GetWindowText(current);
    if (current != caption)
        SetWindowText(caption);
}

void CResubmitEditShipMethodControlTabbedBaseDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TimerFetchShipMethods)
    {
        Default();
        return;
    }
    KillTimer(TimerFetchShipMethods);
    if (m_pSource == nullptr)
        return;
    CResubmitOperation job(nullptr);
    CAuctionShipMethods fetched;
    if (!RunItemFetch(this, *m_pSource, CResubmitOperation::EditFetchShipMethods, job) ||
        !::IsWindow(m_hWnd) || !job.GetFetchedShipMethods(fetched))
        return;
    m_nListingKind = job.IsFetchedEasyTransaction() ? ShipListingEasyTransaction : ShipListingNormal;
    m_methods.CopyFrom(fetched);
    LoadPages();
    UpdateCaption();
}

void CResubmitEditShipMethodControlTabbedBaseDialog::OnDestroy()
{
    KillTimer(TimerFetchShipMethods);
    CTabbedDialog::OnDestroy();
}

void CResubmitEditShipMethodControlTabbedBaseDialog::OnOK()
{
    if (m_nMode == ModeJob && m_bOfferFollowing)
        m_flags.SetOrRemove(FlagForFollowing, IsDlgButtonChecked(IDC_SHIP_FOLLOWING) == BST_CHECKED);
    CAuctionShipMethods methods(m_methods);
    for (int i = 0; i < GetPageCount(); ++i)
    {
        CResubmitShipPageInterface* pPage = PageInterface(i);
        if (pPage != nullptr && !pPage->StoreShipMethods(methods, m_nListingKind))
            return;
    }
    if (m_nListingKind == ShipListingEasyTransaction)
    {
        DWORD dwDetail = 0;
        const int nProblem = methods.CheckShipMethods(&dwDetail, kServiceShipNameIds, kFlatRateShipNameIds,
                                                      kNoArrivalShipNameIds);
        const UINT nMessage = GetShipMethodProblemMessageId(methods, nProblem);
        if (nMessage != 0)
        {
            BOOL bPointed = FALSE;
            if (nProblem == ShipCheckNoFeeMixed || nProblem == ShipCheckClientMixed ||
                nProblem == ShipCheckArrivalName)
            {
                for (int i = 0; i < GetPageCount() && !bPointed; ++i)
                    if (CResubmitShipPageInterface* pPage = PageInterface(i))
                        bPointed = pPage->FocusProblem(methods, nProblem);
            }
            if (!bPointed)
                SelectPage(GetShipProblemTab(nProblem), FALSE);
            ShowShipMethodProblem(methods, nMessage, dwDetail);
            return;
        }
    }
    m_methods.CopyFrom(methods);
    CBaseDialog::OnOK();
}
