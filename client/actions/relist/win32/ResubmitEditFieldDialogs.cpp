#include "client/actions/relist/ResubmitEditFieldDialogs.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "auction/shipping/ShipEditorRules.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/RunOperationDialog.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitItemEditRules.h"
#include "client/actions/relist/ResubmitOperation.h"
#include "client/actions/shared/DescriptionPreviewDialog.h"
#include "controls/ControlsResourceIds.h"
#include "text/InputTextCheck.h"

namespace
{

const int kDescriptionMinWidth = 660;
const int kDescriptionMinHeight = 390;

// The string ids of a run of combo entries.
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
} // namespace

BOOL RunItemFetch(CWnd* pParent, const TanzoAuctionItem& item, DWORD dwMode, CResubmitOperation& job)
{
    TanzoAuctionItem target(item);
    job.SetEditMode(dwMode);
    if (COptionSettings* pOptions = GetOptionSettings())
        job.SetOptionBits(pOptions->MaskOptionBits(COptionSettings::StoredOptionBits));
    job.AddTarget(&target);
    CRunOperationDialog run(&job, pParent);
    return run.DoModal() == IDOK;
}

// The fetching dialogs.

IMPLEMENT_DYNAMIC(CItemFetchDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CItemFetchDialog, CBaseDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CItemFetchDialog::CItemFetchDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT_PTR nTimerId,
                                   DWORD dwMode)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId), m_nTimerId(nTimerId), m_dwMode(dwMode)
{
}

CItemFetchDialog::~CItemFetchDialog() {}

void CItemFetchDialog::SetSourceItem(const TanzoAuctionItem& item)
{
    m_pSource.reset(new TanzoAuctionItem(item));
}

BOOL CItemFetchDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (m_pSource != nullptr && !m_pSource->GetAuctionID().IsEmpty())
    {
        OnFetching(TRUE);
        SetTimer(m_nTimerId, FetchDelay);
    }
    else if (CWnd* pControl = GetValueControl())
    {
        pControl->SetWindowText(m_strText);
    }
    return TRUE;
}

void CItemFetchDialog::OnFetching(BOOL) {}

void CItemFetchDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerId)
    {
        Default();
        return;
    }
    KillTimer(m_nTimerId);
    if (!::IsWindow(m_hWnd) || m_pSource == nullptr)
        return;
    CResubmitOperation job(nullptr);
    if (RunItemFetch(this, *m_pSource, m_dwMode, job) && ::IsWindow(m_hWnd))
        OnFetched(job);
    if (!::IsWindow(m_hWnd))
        return;
    OnFetching(FALSE);
    if (CWnd* pControl = GetValueControl())
        pControl->SetFocus();
}

void CItemFetchDialog::OnDestroy()
{
    KillTimer(m_nTimerId);
    CBaseDialog::OnDestroy();
}

// Title.

IMPLEMENT_DYNAMIC(CResubmitEditTitleDialog, CItemFetchDialog)

BEGIN_MESSAGE_MAP(CResubmitEditTitleDialog, CItemFetchDialog)
ON_EN_CHANGE(IDC_TITLE_TEXT, OnTextChange)
END_MESSAGE_MAP()

CResubmitEditTitleDialog::CResubmitEditTitleDialog(CWnd* pParentWnd)
    : CItemFetchDialog(IDD_EDIT_TITLE, pParentWnd, IDH_EDIT_TITLE, TimerFetchTitle,
                       CResubmitOperation::EditFetchTitle)
{
}

void CResubmitEditTitleDialog::DoDataExchange(CDataExchange* pDX)
{
    CItemFetchDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE_TEXT, m_edit);
}

BOOL CResubmitEditTitleDialog::OnInitDialog()
{
    m_edit.LimitText(TitleBytes);
    CItemFetchDialog::OnInitDialog();
    m_edit.LimitText(TitleBytes);
    AddToolTipText(&m_edit, LPSTR_TEXTCALLBACK);
    return TRUE;
}

BOOL CResubmitEditTitleDialog::GetToolTipText(UINT nID, CString& strText)
{
    if (nID != IDC_TITLE_TEXT || m_edit.m_hWnd == nullptr)
        return CItemFetchDialog::GetToolTipText(nID, strText);
    CString title;
    m_edit.GetWindowText(title);
    FormatTitleLengthTip(title, strText);
    return TRUE;
}

void CResubmitEditTitleDialog::OnTextChange()
{
    // The shown tip follows what is typed.
    UpdateToolTip();
}

void CResubmitEditTitleDialog::OnFetched(CResubmitOperation& job)
{
    CString title;
    if (job.GetFetchedTitle(title))
        m_edit.SetWindowText(title);
}

void CResubmitEditTitleDialog::OnOK()
{
    CString title;
    m_edit.GetWindowText(title);
    if (title.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_edit);
        return;
    }
    int nReason = 0;
    if (!CheckInputText(title, &nReason, FALSE))
    {
        AfxMessageBox((nReason & INPUT_TEXT_FORBIDDEN_CHAR) ? IDS_TITLE_FORBIDDEN : IDS_TITLE_HALF_KANA,
                      MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_edit);
        m_edit.SetSel(0, -1);
        return;
    }
    m_strText = title;
    CItemFetchDialog::OnOK();
}

// Description.

IMPLEMENT_DYNAMIC(CResubmitEditDescriptionDialog, CItemFetchDialog)

BEGIN_MESSAGE_MAP(CResubmitEditDescriptionDialog, CItemFetchDialog)
ON_BN_CLICKED(IDC_DESCRIPTION_PREVIEW, OnPreview)
END_MESSAGE_MAP()

CResubmitEditDescriptionDialog::CResubmitEditDescriptionDialog(CWnd* pParentWnd)
    : CItemFetchDialog(IDD_EDIT_DESCRIPTION, pParentWnd, IDH_EDIT_DESCRIPTION, TimerFetchDescription,
                       CResubmitOperation::EditFetchDescription)
{
    EnableResize(TRUE, kDescriptionMinWidth, kDescriptionMinHeight);
}

void CResubmitEditDescriptionDialog::DoDataExchange(CDataExchange* pDX)
{
    CItemFetchDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DESCRIPTION_TEXT, m_edit);
}

void CResubmitEditDescriptionDialog::RegisterLayoutControls()
{
    CItemFetchDialog::RegisterLayoutControls();
    AddControl(IDC_DESCRIPTION_TEXT, 0x30000);
    for (int nID : {(int)IDC_DESCRIPTION_PREVIEW, IDOK, IDCANCEL, (int)IDC_DIALOG_HELP})
        AddControl(nID, 2);
}

BOOL CResubmitEditDescriptionDialog::OnInitDialog()
{
    CItemFetchDialog::OnInitDialog();
    m_edit.LimitText(DescriptionBytes);
    if (COptionSettings* pOptions = GetOptionSettings())
        pOptions->ApplyEditFontSize(&m_edit);
    AddToolTip(&m_edit, IDS_DESCRIPTION_TIP);
    return TRUE;
}

void CResubmitEditDescriptionDialog::OnFetching(BOOL bRunning)
{
    m_edit.EnableWindow(!bRunning);
    if (CWnd* pOk = GetDlgItem(IDOK))
        pOk->EnableWindow(!bRunning);
    if (bRunning)
        m_edit.SetWindowText(m_strText);
}

void CResubmitEditDescriptionDialog::OnFetched(CResubmitOperation& job)
{
    CString text;
    if (job.GetFetchedDescription(text))
        m_edit.SetWindowText(text);
}

void CResubmitEditDescriptionDialog::OnPreview()
{
    CString text;
    m_edit.GetWindowText(text);
    ShowPreview(text);
}

void CResubmitEditDescriptionDialog::ShowPreview(const CString& text)
{
    CDescriptionPreviewDialog preview(text, this);
    preview.DoModal();
}

void CResubmitEditDescriptionDialog::OnOK()
{
    CString text;
    m_edit.GetWindowText(text);
    if (text.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_edit);
        return;
    }
    m_strText = text;
    CItemFetchDialog::OnOK();
}

// Buy-now price.

IMPLEMENT_DYNAMIC(CResubmitEditBuyNowPriceDialog, CAmountDialog)

CResubmitEditBuyNowPriceDialog::CResubmitEditBuyNowPriceDialog(CWnd* pParentWnd)
    : CAmountDialog(IDD_EDIT_BUY_NOW, pParentWnd, IDH_EDIT_BUY_NOW)
{
}

BOOL CResubmitEditBuyNowPriceDialog::OnInitDialog()
{
    CAmountDialog::OnInitDialog();
    AddToolTipById(IDC_AMOUNT_ENABLE, IDS_BUY_NOW_ENABLE_TIP);
    AddToolTipById(IDC_AMOUNT_EDIT, IDS_BUY_NOW_TIP);
    return TRUE;
}

void CResubmitEditBuyNowPriceDialog::ShowRangeError(int nKind)
{
    if (nKind != 1)
        return;
    CString message;
    FormatItemEditRange(GetBuyNowRangeMinimum(m_nMinimum), kItemEditMaxStartPrice, message);
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

// Sales mode.

IMPLEMENT_DYNAMIC(CResubmitEditSalesModeDialog, CBaseDialog)

CResubmitEditSalesModeDialog::CResubmitEditSalesModeDialog(CWnd* pParentWnd)
    : CBaseDialog(IDD_EDIT_SALES_MODE, pParentWnd, IDH_EDIT_SALES_MODE)
{
}

void CResubmitEditSalesModeDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SALES_MODE_LIST, m_combo);
}

BOOL CResubmitEditSalesModeDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (int nMode = CSalesMode::Auction; nMode <= CSalesMode::Offer; ++nMode)
    {
        CString name;
        name.LoadString(GetSalesModeNameId(nMode));
        m_combo.AddString(name);
    }
    const int nMode = (int)m_mode.Get();
    if (nMode >= CSalesMode::Auction && nMode <= CSalesMode::Offer)
        m_combo.SetCurSel(nMode);
    return TRUE;
}

void CResubmitEditSalesModeDialog::OnOK()
{
    const int nSel = m_combo.GetCurSel();
    if (nSel >= 0)
        m_mode.Set((DWORD)nSel);
    CBaseDialog::OnOK();
}

// Quantity.

IMPLEMENT_DYNAMIC(CResubmitEditQuantityDialog, CBaseDialog)

CResubmitEditQuantityDialog::CResubmitEditQuantityDialog(CWnd* pParentWnd)
    : CBaseDialog(IDD_EDIT_QUANTITY, pParentWnd, IDH_EDIT_QUANTITY)
{
}

void CResubmitEditQuantityDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUANTITY_EDIT, m_edit);
    DDX_Control(pDX, IDC_QUANTITY_SPIN, m_spin);
}

BOOL CResubmitEditQuantityDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_edit.LimitText(2);
    m_spin.SetRange(1, 99);
    m_spin.SetPos(ClampEditQuantity(m_nQuantity));
    AddToolTip(&m_edit, IDS_QUANTITY_TIP);
    AddToolTip(&m_spin, IDS_QUANTITY_TIP);
    return TRUE;
}

void CResubmitEditQuantityDialog::OnOK()
{
    // What the edit holds, kept inside the spin control's range.
    CString text;
    m_edit.GetWindowText(text);
    m_nQuantity = ClampEditQuantity(atoi(text));
    CBaseDialog::OnOK();
}

// Item condition.

IMPLEMENT_DYNAMIC(CResubmitEditItemConditionDialog, CItemConditionDialog)

namespace
{
UINT ConditionTemplate(DWORD dwMode, UINT& nHelpId)
{
    if ((dwMode & 0x3) == 0x3)
    {
        nHelpId = IDH_EDIT_CONDITION_JOB;
        return IDD_EDIT_CONDITION_JOB;
    }
    if (dwMode & 0x1)
    {
        nHelpId = IDH_EDIT_CONDITION_NEW;
        return IDD_EDIT_CONDITION_NEW;
    }
    nHelpId = IDH_EDIT_CONDITION;
    return IDD_EDIT_CONDITION;
}

UINT ConditionHelp(DWORD dwMode)
{
    UINT nHelpId = 0;
    ConditionTemplate(dwMode, nHelpId);
    return nHelpId;
}

UINT ConditionTemplateId(DWORD dwMode)
{
    UINT nHelpId = 0;
    return ConditionTemplate(dwMode, nHelpId);
}
} // namespace

CResubmitEditItemConditionDialog::CResubmitEditItemConditionDialog(DWORD dwMode, CWnd* pParentWnd)
    : CItemConditionDialog(ConditionTemplateId(dwMode), pParentWnd, ConditionHelp(dwMode)), m_dwMode(dwMode),
      m_flags(0)
{
}

BOOL CResubmitEditItemConditionDialog::OnInitDialog()
{
    // The list without a comment takes none.
    if (m_dwMode & ModeNewList)
        m_condition.SetComment("");
    CItemConditionDialog::OnInitDialog();
    AddToolTip(&m_conditionCombo, IDS_CONDITION_TIP);
    if (!(m_dwMode & ModeNewList))
        AddToolTip(&m_commentCombo, IDS_COMMENT_TIP);
    if (m_dwMode & ModeOfferFollowing)
    {
        CheckDlgButton(IDC_CONDITION_FOLLOWING,
                       m_flags.TestAny(FlagForFollowing) ? BST_CHECKED : BST_UNCHECKED);
        AddToolTipById(IDC_CONDITION_FOLLOWING, IDS_FOLLOWING_CONDITION_TIP);
    }
    return TRUE;
}

void CResubmitEditItemConditionDialog::OnOK()
{
    if (m_dwMode & ModeOfferFollowing)
        m_flags.SetOrRemove(FlagForFollowing, IsDlgButtonChecked(IDC_CONDITION_FOLLOWING) == BST_CHECKED);
    CItemConditionDialog::OnOK();
}

int CResubmitEditItemConditionDialog::IndexFromCondition(int nCode)
{
    return ConditionCodeToPosition(nCode, (m_dwMode & ModeNewList) != 0);
}

int CResubmitEditItemConditionDialog::ConditionFromIndex(int nIndex)
{
    return ConditionPositionToCode(nIndex, (m_dwMode & ModeNewList) != 0);
}

UINT CResubmitEditItemConditionDialog::GetConditionListTextId()
{
    return (m_dwMode & ModeNewList) ? IDS_CONDITION_LIST_NEW : IDS_CONDITION_LIST_OLDER;
}

void CResubmitEditItemConditionDialog::NotifyCommentRequired()
{
    AfxMessageBox(IDS_COMMENT_REQUIRED, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CResubmitEditItemConditionDialog::GetConfirmText(int nCode, BOOL bHasComment, CString& strText)
{
    CItemCondition condition;
    condition.SetCondition(nCode);
    condition.SetComment(bHasComment ? "-" : "");
    return GetConditionQuestion(condition, strText) != 0;
}

// Size and weight.

IMPLEMENT_DYNAMIC(CResubmitEditSizeWeightDialog, CShipSizeWeightDialog)

CResubmitEditSizeWeightDialog::CResubmitEditSizeWeightDialog(CWnd* pParentWnd)
    : CShipSizeWeightDialog(IDD_EDIT_SIZE_WEIGHT, pParentWnd, IDH_EDIT_SIZE_WEIGHT)
{
}

void CResubmitEditSizeWeightDialog::DoDataExchange(CDataExchange* pDX)
{
    CShipSizeWeightDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SIZE_COMBO, m_sizeCombo);
    DDX_Control(pDX, IDC_WEIGHT_COMBO, m_weightCombo);
    DDX_Control(pDX, IDC_SIZE_WEIGHT_NOTE, m_hint);
}

BOOL CResubmitEditSizeWeightDialog::OnInitDialog()
{
    CShipSizeWeightDialog::OnInitDialog();
    SetAppIcon(IDI_SIZE_WEIGHT);
    AddToolTip(&m_sizeCombo, IDS_SIZE_TIP);
    AddToolTip(&m_weightCombo, IDS_WEIGHT_TIP);
    return TRUE;
}

void CResubmitEditSizeWeightDialog::OnOK()
{
    CSelectValue size;
    CSelectValue weight;
    if (GetSizeWeightValue(ParcelDialogSizes, m_sizeCombo.GetCurSel(), size))
        m_pair.SetFirst(size.GetNumber(), size.GetIndex());
    if (GetSizeWeightValue(ParcelDialogWeights, m_weightCombo.GetCurSel(), weight))
        m_pair.SetSecond(weight.GetNumber(), weight.GetIndex());
    CShipSizeWeightDialog::OnOK();
}

const UINT* CResubmitEditSizeWeightDialog::GetSizeStringIds()
{
    static const StringIdRun<10> sizes(IDS_DIALOG_SIZE_FIRST);
    return sizes.ids;
}

const UINT* CResubmitEditSizeWeightDialog::GetWeightStringIds()
{
    static const StringIdRun<17> weights(IDS_DIALOG_WEIGHT_FIRST);
    return weights.ids;
}
