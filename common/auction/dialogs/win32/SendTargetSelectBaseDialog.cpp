#include "auction/dialogs/SendTargetSelectBaseDialog.h"

#include "auction/dialogs/EditorList.h"
#include "auction/dialogs/SendTargetChecks.h"

IMPLEMENT_DYNAMIC(CSendTargetSelectBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CSendTargetSelectBaseDialog, CBaseDialog)
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
const int kColumnWidth = 100;
const int kHintMargin = 3;
const COLORREF kLinkFrameColor = RGB(144, 144, 255);
} // namespace

CSendTargetSelectBaseDialog::CSendTargetSelectBaseDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId), m_hoverSink(this), m_options(0)
{
    EnableResize(TRUE, 550, 360);
}

CSendTargetSelectBaseDialog::~CSendTargetSelectBaseDialog() {}

BOOL CSendTargetSelectBaseDialog::GetLinkColumn(int&, COLORREF&)
{
    return FALSE;
}

int CSendTargetSelectBaseDialog::GetCheckColumn()
{
    return 0;
}

void CSendTargetSelectBaseDialog::OnNoTarget(int) {}

BOOL CSendTargetSelectBaseDialog::GetHeaderLink(CString&, CString&)
{
    return FALSE;
}

void CSendTargetSelectBaseDialog::FillList() {}

BOOL CSendTargetSelectBaseDialog::NeedsRefreshOnShow()
{
    return FALSE;
}

BOOL CSendTargetSelectBaseDialog::ValidateChecks()
{
    const int nColumn = GetCheckColumn();
    CCommListCtrl* pList = GetListCtrl();
    const BOOL bAnyTicked = nColumn >= 0 && HasWindow(pList) && pList->AnyCellFlagged(nColumn, TRUE);
    switch (EvaluateTargetChecks(nColumn, GetColumnCount(), bAnyTicked))
    {
    case TargetChecksPass:
        return TRUE;
    case TargetChecksNoneTicked:
        OnNoTarget(NoTargetTicked);
        return FALSE;
    default:
        return FALSE;
    }
}

void CSendTargetSelectBaseDialog::SetAllChecks(BOOL bCheck)
{
    const int nColumn = GetCheckColumn();
    CCommListCtrl* pList = GetListCtrl();
    if (nColumn < 0 || nColumn >= GetColumnCount() || !HasWindow(pList))
        return;
    pList->SetColumnChecks(nColumn, bCheck, TRUE);
    pList->Invalidate();
}

BOOL CSendTargetSelectBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (HasWindow(&m_linkStatic))
    {
        m_linkStatic.SetStyleBits(CDecorateStatic::styleBold | CDecorateStatic::styleFrame);
        m_linkStatic.SetBkColor(RGB(255, 255, 255));
        m_linkStatic.SetFrameColor(kLinkFrameColor);
    }
    if (HasWindow(&m_hintStatic))
    {
        m_hintStatic.SetHorzMargins(kHintMargin);
        m_linkStatic.SetHoverSink(&m_hoverSink);
    }
    CCommListCtrl* pList = GetListCtrl();
    if (HasWindow(pList))
    {
        const int nColumns = GetColumnCount();
        for (int i = 0; i < nColumns; ++i)
            InsertTitledColumn(*pList, i, GetColumnTitleId(i), GetColumnFormat(i), kColumnWidth);
        int nLinkColumn = -1;
        COLORREF crLink = LIST_NO_COLOR;
        if (GetLinkColumn(nLinkColumn, crLink) && nLinkColumn >= 0)
        {
            pList->AddColumnStyle(nLinkColumn, LISTCOLUMN_LINK | LISTCOLUMN_UNDERLINE);
            pList->SetColumnTextColor(nLinkColumn, crLink);
        }
        const int nCheckColumn = GetCheckColumn();
        if (nCheckColumn >= 0 && nCheckColumn < nColumns)
            pList->AddColumnStyle(nCheckColumn, LISTCOLUMN_CHECKBOX);
        pList->FitColumnsToWidth();
    }
    CString text, address;
    if (HasWindow(&m_linkStatic) && GetHeaderLink(text, address))
    {
        m_linkStatic.SetText(text);
        m_linkStatic.SetLinkUrl(address);
        m_linkStatic.Redraw();
    }
    RefreshList();
    if (HasWindow(&m_linkStatic))
        AddTail(m_linkStatic.GetDlgCtrlID());
    if (TestOption(OptionRefreshOnShow))
        SetTimer(TimerFirstRefresh, FirstRefreshDelay, nullptr);
    return TRUE;
}

void CSendTargetSelectBaseDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    if (!HasWindow(&m_hintStatic))
        AddToolTipText(&m_linkStatic, LPSTR_TEXTCALLBACK);
}

BOOL CSendTargetSelectBaseDialog::GetToolTipText(UINT nID, CString& strText)
{
    if (HasWindow(&m_linkStatic) && nID == (UINT)m_linkStatic.GetDlgCtrlID())
    {
        m_linkStatic.GetLinkUrl(strText);
        return !strText.IsEmpty();
    }
    return CBaseDialog::GetToolTipText(nID, strText);
}

void CSendTargetSelectBaseDialog::RefreshList()
{
    CCommListCtrl* pList = GetListCtrl();
    if (HasWindow(pList))
        pList->DeleteAllRows();
    FillList();
    UpdateButtons();
}

void CSendTargetSelectBaseDialog::UpdateButtons()
{
    CCommListCtrl* pList = GetListCtrl();
    const BOOL bRows = HasWindow(pList) && pList->GetItemCount() > 0;
    for (CButton& button : m_buttons)
    {
        if (HasWindow(&button))
            button.EnableWindow(bRows);
    }
}

BOOL CSendTargetSelectBaseDialog::ShowHoverText(LPCTSTR lpszText)
{
    if (!HasWindow(&m_hintStatic))
        return FALSE;
    m_hintStatic.SetText(lpszText);
    m_hintStatic.Redraw();
    return TRUE;
}

void CSendTargetSelectBaseDialog::OnOK()
{
    if (ValidateChecks())
        CBaseDialog::OnOK();
}

void CSendTargetSelectBaseDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    CCommListCtrl* pList = GetListCtrl();
    if (HasWindow(pList))
        AddControl(pList, ANCHOR_FILL);
    if (HasWindow(&m_linkStatic))
        AddControl(&m_linkStatic, ANCHOR_STRETCH_X);
    for (int i = 0; i < 2; ++i)
    {
        if (HasWindow(&m_buttons[i]))
            AddControl(&m_buttons[i], ANCHOR_BOTTOM);
    }
    if (HasWindow(&m_hintStatic))
        AddControl(&m_hintStatic, ANCHOR_STRETCH_X_BOTTOM);
    for (int nID : {IDOK, IDCANCEL, (int)IDC_DIALOG_HELP})
        AddControl(nID, ANCHOR_BOTTOM);
}

void CSendTargetSelectBaseDialog::OnSize(UINT nType, int cx, int cy)
{
    CBaseDialog::OnSize(nType, cx, cy);
    CCommListCtrl* pList = GetListCtrl();
    if (HasWindow(pList))
        pList->FitColumnsToWidth();
}

void CSendTargetSelectBaseDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TimerFirstRefresh)
    {
        CBaseDialog::OnTimer(nIDEvent);
        return;
    }
    if (m_hWnd == nullptr || !IsWindowVisible())
        return;
    KillTimer(TimerFirstRefresh);
    if (!NeedsRefreshOnShow())
        return;
    RefreshList();
    CCommListCtrl* pList = GetListCtrl();
    if (!HasWindow(pList) || pList->GetItemCount() == 0)
    {
        OnNoTarget(NoTargetAfterRefresh);
        EndDialog(IDCANCEL);
    }
}

void CSendTargetSelectBaseDialog::OnDestroy()
{
    KillTimer(TimerFirstRefresh);
    CBaseDialog::OnDestroy();
}
