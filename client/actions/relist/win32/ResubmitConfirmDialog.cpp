#include "client/actions/relist/ResubmitConfirmDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "afx/WinApp.h"
#include "client/ItemFields.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/ResubmitConfirmColumns.h"
#include "client/TanzoAuctionItem.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/relist/ResubmitChargeOptionDialog.h"
#include "client/actions/relist/ResubmitConfirmRules.h"
#include "client/actions/relist/ResubmitItemEditDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"

IMPLEMENT_DYNAMIC(CResubmitConfirmDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CResubmitConfirmDialog, CBaseDialog)
ON_WM_DESTROY()
ON_WM_TIMER()
ON_NOTIFY(LVN_ITEMCHANGED, IDC_CONFIRM_LIST, OnItemChanged)
END_MESSAGE_MAP()

namespace
{
// The list's sort kind that stands for another here: the current price
// of the pages is the start price of this list.
const int kPageCurrentPriceKind = ItemField::CurrentPrice;
const int kStatusTimedBit = 0x1;
const int kFrameIconIndex = 0;
const UINT kButtons[] = {IDC_CONFIRM_EDIT, IDC_CONFIRM_CHARGE, IDC_CONFIRM_UP, IDC_CONFIRM_DOWN};
} // namespace

CResubmitConfirmDialog::CResubmitConfirmDialog(int nListKind, CWnd* pParentWnd)
    : CBaseDialog(IDD_RESUBMIT_CONFIRM, pParentWnd, IDH_RESUBMIT_CONFIRM), m_nListKind(nListKind),
      m_nSortKind(NoSortKind), m_nSortDirection(1), m_state(0), m_hAccel(nullptr)
{
}

CResubmitConfirmDialog::~CResubmitConfirmDialog() = default;

void CResubmitConfirmDialog::AddItem(const TanzoAuctionItem& item)
{
    m_items.emplace_back(new TanzoAuctionItem(item));
}

void CResubmitConfirmDialog::StoreSortState(CTanzoAItemBaseListCtrl& list)
{
    const int nKind = list.GetSortKind();
    m_nSortKind = nKind == kPageCurrentPriceKind ? (int)ItemField::StartPrice : nKind;
    m_nSortDirection = list.GetDescending() ? 1 : 0;
}

void CResubmitConfirmDialog::GetItems(ItemList& out) const
{
    out.clear();
    for (const auto& pItem : m_items)
        out.emplace_back(new TanzoAuctionItem(*pItem));
}

// ---------------------------------------------------------------------------
// Opening and closing

void CResubmitConfirmDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONFIRM_COUNT, m_count);
    DDX_Control(pDX, IDC_CONFIRM_STATUS, m_status);
    DDX_Control(pDX, IDC_CONFIRM_LIST, m_list);
}

void CResubmitConfirmDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    AddControl(IDC_CONFIRM_LIST, ANCHOR_GROW_X | ANCHOR_GROW_Y);
    for (UINT nID : kButtons)
        AddControl((int)nID, ANCHOR_MOVE_X);
    AddControl(IDC_CONFIRM_STATUS, ANCHOR_GROW_X | ANCHOR_MOVE_Y);
    AddControl(IDC_CONFIRM_COUNT, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    for (int nID : {IDOK, IDCANCEL, IDC_DIALOG_HELP})
        AddControl(nID, ANCHOR_MOVE_Y);
}

BOOL CResubmitConfirmDialog::OnInitDialog()
{
    EnableResize(TRUE, MinWidth, MinHeight);
    COptionSettings* pOptions = GetOptionSettings();
    CBaseDialog::OnInitDialog();
    if (pOptions != nullptr)
    {
        pOptions->ApplyListFontSize(&m_list);
        pOptions->ApplyListMetrics(&m_list);
    }
    m_hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_CONFIRM_KEYS));
    InsertColumns();

    std::vector<TanzoAuctionItem*> rows;
    for (const auto& pItem : m_items)
    {
        auto* pRow = new TanzoAuctionItem(*pItem);
        TakeCurrentPriceAsStart(*pRow);
        rows.push_back(pRow);
    }
    m_list.AppendRows(rows.data(), (int)rows.size());

    if (pOptions != nullptr)
    {
        m_list.SetColumnTextColor(GetResubmitConfirmKindColumn(ItemField::Title),
                                  pOptions->GetColor(COptionSettings::ColorItemLinkText));
        pOptions->ApplyListColors(&m_list);
        if (m_nListKind == 1 || m_nListKind == 2)
            m_list.SetBkColor(pOptions->GetColor(m_nListKind == 1
                                                     ? COptionSettings::ColorPageBgClosed
                                                     : COptionSettings::ColorPageBgClosedNoWinner));
    }
    ApplySortState();
    ShowCount();
    if (m_list.GetItemCount() > 0)
        m_list.SelectSingleItem(0);
    UpdateButtons();
    return TRUE;
}

void CResubmitConfirmDialog::InsertColumns()
{
    for (int nColumn = 0; nColumn < ResubmitConfirmColumnCount; ++nColumn)
    {
        const ListColumnSpec* pColumn = GetResubmitConfirmColumn(nColumn);
        CString strHeading;
        strHeading.LoadString(pColumn->headingId);
        m_list.InsertColumn(nColumn, strHeading, pColumn->align,
                            GetSettingInt(pColumn->profileName, pColumn->defaultWidth));
        m_list.SetColumnStyle(nColumn, pColumn->style);
    }
}

void CResubmitConfirmDialog::ApplySortState()
{
    m_list.ClearSortMark();
    m_list.SetSortMode(LIST_SORT_BY_ROW);
    if (m_nSortKind == NoSortKind || m_list.GetKindColumn(m_nSortKind) < 0)
        return;
    m_list.SetSortKind(m_nSortKind);
    m_list.SetDescending(m_nSortDirection != 0);
    m_list.SetSortMark(-1, TRUE);
}

void CResubmitConfirmDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    AddToolTipById(IDC_CONFIRM_EDIT, IDS_TIP_EDIT);
    AddToolTipById(IDC_CONFIRM_CHARGE, IDS_TIP_PAID_OPTIONS);
    AddToolTipById(IDC_CONFIRM_UP, IDS_TIP_MOVE_UP);
    AddToolTipById(IDC_CONFIRM_DOWN, IDS_TIP_MOVE_DOWN);
}

void CResubmitConfirmDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CBaseDialog::AdjustSystemMenu(pSystemMenu);
    SetFrameIcon(kFrameIconIndex);
}

void CResubmitConfirmDialog::OnDestroy()
{
    KillTimer(StatusTimer);
    for (int nColumn = 0; nColumn < ResubmitConfirmColumnCount && m_list.GetSafeHwnd() != nullptr; ++nColumn)
        WriteSettingInt(GetResubmitConfirmColumn(nColumn)->profileName, m_list.GetColumnWidth(nColumn));
    CBaseDialog::OnDestroy();
}

BOOL CResubmitConfirmDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccel != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CBaseDialog::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// The status line and the count

void CResubmitConfirmDialog::ShowStatusText(LPCTSTR lpszText, BOOL bTimed)
{
    if (bTimed)
    {
        m_state.Add(kStatusTimedBit);
        KillTimer(StatusTimer);
        SetTimer(StatusTimer, StatusTimedMs);
    }
    else if (m_state.TestAny(kStatusTimedBit))
        return;
    m_status.SetText(lpszText != nullptr ? lpszText : "");
}

void CResubmitConfirmDialog::ShowListStatusText(LPCTSTR lpszText, BOOL bTimed)
{
    ShowStatusText(lpszText, bTimed);
}

void CResubmitConfirmDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != StatusTimer)
    {
        CBaseDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(StatusTimer);
    m_state.Remove(kStatusTimedBit);
}

void CResubmitConfirmDialog::ShowCount()
{
    CString strFormat, strText;
    strFormat.LoadString(IDS_ITEM_COUNT);
    strText.Format(strFormat, m_list.GetItemCount());
    m_count.SetWindowText(strText);
}

// ---------------------------------------------------------------------------
// Commands

BOOL CResubmitConfirmDialog::IsCommandEnabled(UINT nID)
{
    if (m_list.GetSafeHwnd() == nullptr)
        return CBaseDialog::IsCommandEnabled(nID);
    if ((nID == IDC_CONFIRM_EDIT || nID == ID_CONFIRM_EDIT) && !IsItemEditOffered())
        return FALSE;
    switch (nID)
    {
    case ID_DIALOG_HELP:
        return CBaseDialog::IsCommandEnabled(nID);
    default:
        return IsConfirmCommandEnabled(nID, m_list.GetItemCount(), (int)m_list.GetSelectedCount(),
                                       m_list.GetFirstSelected());
    }
}

BOOL CResubmitConfirmDialog::IsListCommandEnabled(UINT nID)
{
    return IsCommandEnabled(nID);
}

void CResubmitConfirmDialog::UpdateButtons()
{
    for (UINT nID : kButtons)
    {
        if (CWnd* pButton = GetDlgItem((int)nID))
            pButton->EnableWindow(IsCommandEnabled(nID));
    }
    // A button that went grey under the focus hands it on.
    HWND hFocus = ::GetFocus();
    if (hFocus != nullptr && ::GetParent(hFocus) == m_hWnd && !::IsWindowEnabled(hFocus))
        NextDlgCtrl();
}

void CResubmitConfirmDialog::OnItemChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    UpdateButtons();
}

BOOL CResubmitConfirmDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    // A button's click, a menu's command (both 0) or a key's (1).
    if (HIWORD(wParam) <= 1 && RunCommand(nID))
        return TRUE;
    return CBaseDialog::OnCommand(wParam, lParam);
}

BOOL CResubmitConfirmDialog::RunCommand(UINT nID)
{
    switch (nID)
    {
    case IDC_CONFIRM_EDIT:
    case ID_CONFIRM_EDIT:
    case IDC_CONFIRM_CHARGE:
    case ID_CONFIRM_CHARGE:
    case IDC_CONFIRM_UP:
    case ID_CONFIRM_UP:
    case IDC_CONFIRM_DOWN:
    case ID_CONFIRM_DOWN:
    case ID_CONFIRM_SELECT_ALL:
    case ID_CONFIRM_FIND:
    case ID_CONFIRM_FIND_PREVIOUS:
    case ID_CONFIRM_FIND_NEXT:
    case ID_LINK_COPY:
    case ID_LINK_OPEN:
        break;
    default:
        return FALSE;
    }
    if (!IsCommandEnabled(nID))
        return TRUE;
    switch (nID)
    {
    case IDC_CONFIRM_EDIT:
    case ID_CONFIRM_EDIT:
        OnEdit();
        break;
    case IDC_CONFIRM_CHARGE:
    case ID_CONFIRM_CHARGE:
        OnPaidOptions();
        break;
    case IDC_CONFIRM_UP:
    case ID_CONFIRM_UP:
        OnMove(TRUE);
        break;
    case IDC_CONFIRM_DOWN:
    case ID_CONFIRM_DOWN:
        OnMove(FALSE);
        break;
    case ID_CONFIRM_SELECT_ALL:
        m_list.SelectAll();
        break;
    case ID_CONFIRM_FIND:
        m_list.GetFind().Find(this);
        break;
    case ID_CONFIRM_FIND_PREVIOUS:
    case ID_CONFIRM_FIND_NEXT:
        m_list.GetFind().FindAgain(nID == ID_CONFIRM_FIND_PREVIOUS, this);
        break;
    case ID_LINK_COPY:
        m_list.CopyLinkAddress();
        break;
    default:
        m_list.OpenItemLink();
        break;
    }
    return TRUE;
}

void CResubmitConfirmDialog::OnMove(BOOL bUp)
{
    if (m_list.MoveSelectedItem(bUp) < 0)
        return;
    // The order is the user's now.
    m_list.ClearSortMark();
    UpdateButtons();
}

BOOL CResubmitConfirmDialog::IsItemEditOffered() const
{
    return TRUE;
}

BOOL CResubmitConfirmDialog::EditItems(BOOL bMulti, const TanzoAuctionItem& working,
                                       const CItemSelection& rows)
{
    CResubmitItemEditDialog hub(this);
    hub.SetMultiEdit(bMulti);
    hub.SetItem(working);
    if (hub.DoModal() != IDOK)
        return FALSE;
    for (int i = 0; i < rows.GetSize(); ++i)
        hub.GetResult(*rows[i]);
    return TRUE;
}

namespace
{
// The selected rows, their places in the list and the record that stands
// for all of them.
struct SelectedRows
{
    CItemSelection rows;
    CList<int, int> places;
    std::vector<const TanzoAuctionItem*> items;
    TanzoAuctionItem common;
};

BOOL CollectSelectedRows(CTanzoResubmitConfirmListCtrl& list, SelectedRows& out)
{
    if (!list.GetSelectedItems(out.rows, &out.places))
        return FALSE;
    out.items.assign(out.rows.GetData(), out.rows.GetData() + out.rows.GetSize());
    BuildCommonItem(out.items, out.common);
    return TRUE;
}
} // namespace

void CResubmitConfirmDialog::OnEdit()
{
    SelectedRows selected;
    if (CollectSelectedRows(m_list, selected) &&
        EditItems(selected.rows.GetSize() > 1, selected.common, selected.rows))
        m_list.RedrawRows(selected.places, -1);
}

void CResubmitConfirmDialog::OnPaidOptions()
{
    SelectedRows selected;
    if (!CollectSelectedRows(m_list, selected))
        return;
    CResubmitChargeOptionDialog dialog(this);
    dialog.GetOptions().CopyFrom(selected.common.GetChargeOption());
    dialog.SetReservePriceMinimum(GetLargestStartPrice(selected.items));
    if (selected.rows.GetSize() > 1)
        dialog.SetCaptionId(IDS_CHARGE_CAPTION_SEVERAL);
    if (dialog.DoModal() != IDOK)
        return;
    for (int i = 0; i < selected.rows.GetSize(); ++i)
        ApplyChargeOption(*selected.rows[i], dialog.GetOptions());
    m_list.RedrawRows(selected.places, -1);
}

void CResubmitConfirmDialog::OnOK()
{
    for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
    {
        CString strMessage;
        TanzoAuctionItem* pItem = m_list.GetRowRecord(nRow);
        if (pItem != nullptr && IsBuyNowBelowStart(*pItem, strMessage))
        {
            AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
            m_list.SelectSingleItem(nRow);
            m_list.EnsureVisible(nRow);
            return;
        }
    }
    COptionSettings* pOptions = GetOptionSettings();
    if (pOptions != nullptr && pOptions->MaskOptionBits(COptionSettings::OptionConfirmChargeOptions) != 0)
    {
        BOOL bAnyPaid = FALSE;
        for (int nRow = 0; nRow < m_list.GetItemCount() && !bAnyPaid; ++nRow)
            bAnyPaid = m_list.GetRowRecord(nRow) != nullptr &&
                       m_list.GetRowRecord(nRow)->GetChargeOption().HasAnyOption();
        if (bAnyPaid && AfxMessageBox(IDS_ASK_PAID_OPTIONS, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    m_items.clear();
    for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
    {
        if (TanzoAuctionItem* pItem = m_list.GetRowRecord(nRow))
            m_items.emplace_back(new TanzoAuctionItem(*pItem));
    }
    CBaseDialog::OnOK();
}
