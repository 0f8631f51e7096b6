#include "client/actions/feedback/TanzoSendTargetSelectBaseDialog.h"

#include "afx/DataExchange.h"
#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "app/DialogResourceIds.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoDoc.h"
#include "client/TargetListResourceIds.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/PartnerSelection.h"
#include "client/actions/feedback/WinnerListUpdateDialog.h"
#include "text/MbcsString.h"

IMPLEMENT_DYNAMIC(CTanzoSendTargetSelectBaseDialog, CSendTargetSelectBaseDialog)

namespace
{
const int kColumnPartner = 0;
const int kColumnRating = 1;

int ToCellFlags(int nState)
{
    switch (nState)
    {
    case PartnerChecked:
        return LISTCELL_CHECKED;
    case PartnerFixed:
        return LISTCELL_FIXED;
    default:
        return 0;
    }
}
} // namespace

CTanzoSendTargetSelectBaseDialog::CTanzoSendTargetSelectBaseDialog(UINT nIDTemplate, int nMode,
                                                                   CWnd* pParentWnd, UINT nSettingsId)
    : CSendTargetSelectBaseDialog(nIDTemplate, pParentWnd), m_nMode(nMode), m_pItem(nullptr), m_ownOptions(0),
      m_pAccounts(nullptr)
{
    m_nSettingsId = nSettingsId;
}

CTanzoSendTargetSelectBaseDialog::~CTanzoSendTargetSelectBaseDialog() = default;

void CTanzoSendTargetSelectBaseDialog::GetTargets(CTanzoAuctionBuyerList& out) const
{
    out.RemoveAll();
    for (POSITION pos = m_partners.GetHeadPosition(); pos != nullptr;)
        out.AddTail(m_partners.GetNext(pos));
}

// ---------------------------------------------------------------------------
// What the base asks for

int CTanzoSendTargetSelectBaseDialog::GetColumnCount()
{
    // Marking shows only the check boxes with the names.
    return m_nMode == PartnerModeRated || m_nMode == PartnerModeForbidden ? 1 : 2;
}

UINT CTanzoSendTargetSelectBaseDialog::GetColumnTitleId(int nColumn)
{
    if (nColumn == kColumnPartner)
        return IDS_RATE_TARGET_COLUMN_PARTNER;
    return nColumn == kColumnRating ? IDS_RATE_TARGET_COLUMN_RATING : 0;
}

int CTanzoSendTargetSelectBaseDialog::GetColumnFormat(int nColumn)
{
    return nColumn == kColumnRating ? LVCFMT_CENTER : LVCFMT_LEFT;
}

BOOL CTanzoSendTargetSelectBaseDialog::GetLinkColumn(int& nColumn, COLORREF& crText)
{
    nColumn = kColumnPartner;
    COptionSettings* pOptions = GetOptionSettings();
    crText = pOptions != nullptr ? pOptions->GetColor(COptionSettings::ColorItemLinkText)
                                 : COptionSettings::GetDefaultColor(COptionSettings::ColorItemLinkText);
    return TRUE;
}

int CTanzoSendTargetSelectBaseDialog::GetCheckColumn()
{
    return m_nMode == PartnerModeShow ? -1 : kColumnPartner;
}

void CTanzoSendTargetSelectBaseDialog::OnNoTarget(int nReason)
{
    AfxMessageBox(nReason == NoTargetTicked ? IDS_RATE_TARGET_NONE_CHECKED : IDS_RATE_TARGET_FETCH_FAILED,
                  MB_OK | MB_ICONEXCLAMATION);
}

BOOL CTanzoSendTargetSelectBaseDialog::GetHeaderLink(CString& strText, CString& strAddress)
{
    if (m_pItem == nullptr)
        return FALSE;
    m_pItem->FormatTitleWithID(strText, FALSE);
    strAddress = m_pItem->GetItemURL();
    return TRUE;
}

void CTanzoSendTargetSelectBaseDialog::FillList()
{
    if (m_pItem == nullptr || m_list.GetSafeHwnd() == nullptr)
        return;
    if (m_partners.IsEmpty())
        GetKnownPartners(*m_pItem, m_partners);
    const int nCount = (int)m_partners.GetCount();
    m_list.SetItemCount(nCount, 0);
    int nRow = 0;
    for (POSITION pos = m_partners.GetHeadPosition(); pos != nullptr; ++nRow)
        m_list.SetRowRecord(nRow, new TanzoAuctionBuyer(m_partners.GetNext(pos)));
    if (m_nMode == PartnerModeShow)
        return;
    CArray<int, int> states;
    GetPartnerCheckStates(m_nMode, m_partners, states);
    for (int i = 0; i < nCount && i < states.GetSize(); ++i)
        m_list.SetCellFlags(i, kColumnPartner, ToCellFlags(states[i]));
}

BOOL CTanzoSendTargetSelectBaseDialog::NeedsRefreshOnShow()
{
    // The base refills either way: a failed read leaves the partners as
    // they were, and an empty list then ends the dialog with 1114.
    if (m_pItem != nullptr)
    {
        CTanzoAuctionBuyerList known;
        GetKnownPartners(*m_pItem, known);
        FetchPartners(known);
    }
    return TRUE;
}

BOOL CTanzoSendTargetSelectBaseDialog::ValidateChecks()
{
    // Only a choice needs a partner; marking may clear every mark.
    if (m_nMode == PartnerModeChoose && !CSendTargetSelectBaseDialog::ValidateChecks())
        return FALSE;
    CArray<int, int> states;
    ReadChecks(states);
    if (!StorePartnerChecks(m_nMode, m_partners, states))
    {
        OnNoTarget(NoTargetTicked);
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// The window

BOOL CTanzoSendTargetSelectBaseDialog::OnInitDialog()
{
    CSendTargetSelectBaseDialog::OnInitDialog();
    if (COptionSettings* pOptions = GetOptionSettings())
    {
        pOptions->ApplyListFontSize(&m_list);
        pOptions->ApplyListMetrics(&m_list);
        pOptions->ApplyListColors(&m_list);
    }
    if (m_nMode == PartnerModeChoose || m_nMode == PartnerModeShow)
        m_list.AddColumnStyle(kColumnRating, LISTCOLUMN_ICON);
    if (m_nMode == PartnerModeRated || m_nMode == PartnerModeForbidden)
    {
        const CString caption = LoadText(m_nMode == PartnerModeRated ? IDS_RATE_TARGET_RATED_CAPTION
                                                                     : IDS_RATE_TARGET_FORBIDDEN_CAPTION);
        CString current;
        GetWindowText(current);
        if (current != caption)
            SetWindowText(caption);
        if (m_note.GetSafeHwnd() != nullptr)
            m_note.SetWindowText(LoadText(m_nMode == PartnerModeRated ? IDS_RATE_TARGET_RATED_NOTE
                                                                      : IDS_RATE_TARGET_FORBIDDEN_NOTE));
    }
    if (m_pItem != nullptr)
        ShowHoverText(m_pItem->GetItemURL());
    SetFrameIcon(m_nMode == PartnerModeForbidden ? 9 : 8);
    return TRUE;
}

void CTanzoSendTargetSelectBaseDialog::SetStandardToolTips()
{
    CSendTargetSelectBaseDialog::SetStandardToolTips();
    AddToolTipById(IDC_RATE_TARGET_ALL, IDS_TIP_RATE_TARGET_ALL);
    AddToolTipById(IDC_RATE_TARGET_NONE, IDS_TIP_RATE_TARGET_NONE);
}

BOOL CTanzoSendTargetSelectBaseDialog::IsCommandEnabled(UINT nID)
{
    switch (nID)
    {
    case ID_RATE_TARGET_UPDATE:
    case ID_RATE_TARGET_ALL:
    case ID_RATE_TARGET_NONE:
        return TRUE;
    case ID_LINK_COPY:
    case ID_LINK_OPEN:
        return m_list.GetSafeHwnd() != nullptr && m_list.GetFirstSelected() >= 0;
    default:
        return CSendTargetSelectBaseDialog::IsCommandEnabled(nID);
    }
}

void CTanzoSendTargetSelectBaseDialog::ShowListHoverText(LPCTSTR lpszText)
{
    ShowHoverText(lpszText);
}

BOOL CTanzoSendTargetSelectBaseDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    const BOOL bClick = lParam != 0 && nCode == BN_CLICKED;
    const BOOL bMenu = lParam == 0;
    if ((bClick && nID == IDC_RATE_TARGET_ALL) || (bMenu && nID == ID_RATE_TARGET_ALL))
    {
        SetAllChecks(TRUE);
        return TRUE;
    }
    if ((bClick && nID == IDC_RATE_TARGET_NONE) || (bMenu && nID == ID_RATE_TARGET_NONE))
    {
        SetAllChecks(FALSE);
        return TRUE;
    }
    if (bMenu && nID == ID_RATE_TARGET_UPDATE)
    {
        UpdateFromService();
        return TRUE;
    }
    if (bMenu && nID == ID_LINK_COPY)
    {
        m_list.CopyLinkAddress();
        return TRUE;
    }
    if (bMenu && nID == ID_LINK_OPEN)
    {
        m_list.OpenLink();
        return TRUE;
    }
    return CSendTargetSelectBaseDialog::OnCommand(wParam, lParam);
}

// ---------------------------------------------------------------------------
// The partners

void CTanzoSendTargetSelectBaseDialog::ReadChecks(CArray<int, int>& states) const
{
    states.RemoveAll();
    if (m_list.GetSafeHwnd() == nullptr)
        return;
    for (int nRow = 0; nRow < (int)m_partners.GetCount(); ++nRow)
    {
        const int nFlags = nRow < m_list.GetItemCount() ? m_list.GetCellFlags(nRow, kColumnPartner) : 0;
        states.Add((nFlags & LISTCELL_FIXED) != 0     ? PartnerFixed
                   : (nFlags & LISTCELL_CHECKED) != 0 ? PartnerChecked
                                                      : PartnerUnchecked);
    }
}

BOOL CTanzoSendTargetSelectBaseDialog::FetchPartners(const CTanzoAuctionBuyerList& known)
{
    if (m_pItem == nullptr)
        return FALSE;
    CWinnerListUpdateDialog update(m_pItem, this);
    update.SetAccountList(m_pAccounts != nullptr ? m_pAccounts : GetTanzoDoc(this));
    CStringList ids;
    if (update.DoModal() != IDOK || !update.GetPartnerIds(ids))
        return FALSE;
    RebuildPartners(ids, known, *m_pItem, m_partners);
    m_ownOptions.Add(OptionFetched);
    return TRUE;
}

void CTanzoSendTargetSelectBaseDialog::UpdateFromService()
{
    CString focused;
    const int nFocused = m_list.GetFirstSelected();
    if (nFocused >= 0)
        focused = m_list.GetCellText(nFocused, kColumnPartner);
    CTanzoAuctionBuyerList known;
    GetTargets(known);
    CArray<int, int> states;
    ReadChecks(states);
    StorePartnerChecks(m_nMode, known, states);
    if (!FetchPartners(known))
        return;
    RefreshList();
    for (int nRow = 0; !focused.IsEmpty() && nRow < m_list.GetItemCount(); ++nRow)
    {
        if (MbsEqualNoCase(m_list.GetCellText(nRow, kColumnPartner), focused))
        {
            m_list.SelectSingleItem(nRow);
            m_list.SetItemStateMasked(nRow, LVIS_FOCUSED, LVIS_FOCUSED);
            m_list.EnsureVisible(nRow);
            break;
        }
    }
}

// ---------------------------------------------------------------------------
// The two dialogs

CRateTargetSelectDialog::CRateTargetSelectDialog(int nMode, CWnd* pParentWnd)
    : CTanzoSendTargetSelectBaseDialog(IDD_RATE_TARGET_SELECT, nMode, pParentWnd,
                                       IDD_RATE_TARGET_SELECT_SETTINGS)
{
}

void CRateTargetSelectDialog::DoDataExchange(CDataExchange* pDX)
{
    CTanzoSendTargetSelectBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RATE_TARGET_HEADER, m_linkStatic);
    DDX_Control(pDX, IDC_RATE_TARGET_NOTE, m_note);
    DDX_Control(pDX, IDC_RATE_TARGET_LIST, m_list);
    DDX_Control(pDX, IDC_RATE_TARGET_ALL, m_buttons[0]);
    DDX_Control(pDX, IDC_RATE_TARGET_NONE, m_buttons[1]);
    DDX_Control(pDX, IDC_RATE_TARGET_LINK, m_hintStatic);
    DDX_Control(pDX, IDOK, m_buttons[2]);
}

CWinnerListDialog::CWinnerListDialog(CWnd* pParentWnd)
    : CTanzoSendTargetSelectBaseDialog(IDD_WINNER_LIST, PartnerModeShow, pParentWnd, IDD_WINNER_LIST_SETTINGS)
{
}

void CWinnerListDialog::DoDataExchange(CDataExchange* pDX)
{
    CTanzoSendTargetSelectBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WINNER_LIST_HEADER, m_linkStatic);
    DDX_Control(pDX, IDC_WINNER_LIST_LIST, m_list);
    DDX_Control(pDX, IDC_WINNER_LIST_LINK, m_hintStatic);
    DDX_Control(pDX, IDC_WINNER_LIST_CLOSE, m_close);
}

void CWinnerListDialog::RegisterLayoutControls()
{
    CTanzoSendTargetSelectBaseDialog::RegisterLayoutControls();
    if (HasWindow(&m_close))
        AddControl(&m_close, ANCHOR_BOTTOM);
}

BOOL CWinnerListDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_WINNER_LIST_CLOSE && HIWORD(wParam) == BN_CLICKED && lParam != 0)
    {
        OnOK();
        return TRUE;
    }
    return CTanzoSendTargetSelectBaseDialog::OnCommand(wParam, lParam);
}
