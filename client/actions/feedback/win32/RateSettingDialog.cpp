#include "client/actions/feedback/RateSettingDialog.h"

#include <memory>

#include "afx/DataExchange.h"
#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "auction/dialogs/SendTargetDisplayBaseDialog.h"
#include "client/DataSetFiles.h"
#include "client/TanzoDocData.h"
#include "client/TemplateRateEditItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/RateValues.h"
#include "controls/ControlsResourceIds.h"
#include "text/MbcsString.h"

namespace
{
const char kCommentAsSeller[] = "CommentAsSeller";
const char kCommentAsBuyer[] = "CommentAsBuyer";

// The send targets of a run, one row each.
class CTanzoSendTargetDisplayDialog : public CSendTargetDisplayBaseDialog
{
public:
    CTanzoSendTargetDisplayDialog(CValueTextConverter* pConverter, CWnd* pParentWnd)
        : CSendTargetDisplayBaseDialog(IDD_SEND_TARGET_DISPLAY, pConverter, pParentWnd,
                                       IDD_SEND_TARGET_DISPLAY_SETTINGS)
    {
    }
    UINT GetColumnTitleId(int) override { return IDS_SEND_TARGET_COLUMN; }
};

} // namespace

CRateTemplateMenu::CRateTemplateMenu(CTanzoDocData* pDocument, BOOL bAsSeller, CWnd* pOwner)
    : CTanzoTemplateMenu(bAsSeller ? dataSetSellerRatingTemplates : dataSetBuyerRatingTemplates, pOwner)
{
    SetDocument(pDocument);
}

IMPLEMENT_DYNAMIC(CRateSettingDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CRateSettingDialog, CBaseDialog)
END_MESSAGE_MAP()

CRateSettingDialog::CRateSettingDialog(DWORD dwFlags, CWnd* pParentWnd)
    : CBaseDialog((dwFlags & flagFeedback) != 0 ? IDD_RATE_SETTING : IDD_RATE_TEMPLATE_EDIT, pParentWnd, 0,
                  (dwFlags & flagFeedback) != 0 ? IDD_RATE_SETTING_SETTINGS
                                                : IDD_RATE_TEMPLATE_EDIT_SETTINGS),
      m_targetText((dwFlags & flagAsSeller) != 0),
      m_templateMenu(nullptr, (dwFlags & flagAsSeller) != 0, this), m_count(0), m_dwFlags(dwFlags),
      m_nRateValue(RateValueDefault), m_pDocument(nullptr)
{
    EnableResize(TRUE);
}

CRateSettingDialog::~CRateSettingDialog() = default;

LPCTSTR CRateSettingDialog::GetCommentKey() const
{
    return IsAsSeller() ? kCommentAsSeller : kCommentAsBuyer;
}

void CRateSettingDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RATE_VALUE, m_rating);
    DDX_Control(pDX, IDC_RATE_COMMENT, m_comment);
    DDX_Control(pDX, IDC_RATE_COMMENT_COUNT, m_count);
    if (IsFeedbackForm())
    {
        DDX_Control(pDX, IDC_RATE_TEMPLATE_BUTTON, m_templateButton);
        DDX_Control(pDX, IDC_RATE_TARGETS_LABEL, m_targetsLabel);
        DDX_Control(pDX, IDC_RATE_TARGETS_BUTTON, m_targetsButton);
        DDX_Control(pDX, IDC_RATE_TARGETS, m_targets);
    }
}

void CRateSettingDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    if (m_pLayout == nullptr)
        return;
    m_pLayout->AddControl(IDC_RATE_COMMENT, ANCHOR_GROW_X | ANCHOR_GROW_Y);
    m_pLayout->AddControl(IDC_RATE_COMMENT_COUNT, ANCHOR_MOVE_Y);
    m_pLayout->AddControl(IDC_RATE_TARGETS_LABEL, ANCHOR_MOVE_Y);
    m_pLayout->AddControl(IDC_RATE_TARGETS_BUTTON, ANCHOR_MOVE_Y);
    m_pLayout->AddControl(IDC_RATE_TARGETS, ANCHOR_MOVE_Y | ANCHOR_GROW_X);
    m_pLayout->AddControl(IDOK, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    m_pLayout->AddControl(IDCANCEL, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
}

BOOL CRateSettingDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_templateMenu.SetDocument(m_pDocument);

    for (int i = 0; i < RateIndexCount; ++i)
        m_rating.AddString(LoadText(IDS_RATE_TEXT_FIRST + i));
    m_rating.SetCurSel(CRateValueToIndex(m_nRateValue));
    m_comment.SetLimitText(MaxCommentBytes);
    m_count.SetThreshold(CCharCountStatic::thresholdWarning, CommentWarningBytes);
    m_count.SetThreshold(CCharCountStatic::thresholdMaximum, MaxCommentBytes);

    if (IsFeedbackForm())
        GetSettingString(GetCommentKey(), m_strComment,
                         LoadText(IsAsSeller() ? IDS_RATE_COMMENT_AS_SELLER : IDS_RATE_COMMENT_AS_BUYER));
    m_comment.SetText(m_strComment);
    m_comment.SetFocus();
    m_comment.SetSel(0, 0);
    UpdateCount();

    if (IsFeedbackForm())
    {
        CString targets;
        GetTargetsText(targets);
        m_targets.SetWindowText(targets);
        const BOOL bSeveral = m_targetItems.GetCount() >= 2;
        m_targetsLabel.ShowWindow(bSeveral ? SW_HIDE : SW_SHOW);
        m_targetsButton.ShowWindow(bSeveral ? SW_SHOW : SW_HIDE);
        AddToolTip(&m_templateButton, IDS_TIP_RATE_TEMPLATES);
    }
    SetDlgItemText(IDC_RATE_ROLE, LoadText(IsAsSeller() ? IDS_RATE_AS_SELLER : IDS_RATE_AS_BUYER));
    if ((m_dwFlags & flagNewTemplate) != 0)
        SetWindowText(LoadText(IDS_RATE_TEMPLATE_ADD_CAPTION));
    else if ((m_dwFlags & flagEditTemplate) != 0)
        SetWindowText(LoadText(IDS_RATE_TEMPLATE_EDIT_CAPTION));
    AddToolTip(&m_rating, IDS_TIP_RATE_VALUE);
    AddToolTip(&m_comment, IDS_TIP_RATE_COMMENT);
    SetFrameIcon(8);
    // The comment has the focus.
    return FALSE;
}

BOOL CRateSettingDialog::PreTranslateMessage(MSG* pMsg)
{
    // Enter in the comment never closes the dialog.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_comment.m_hWnd)
    {
        ::MessageBeep(MB_OK);
        return TRUE;
    }
    return CBaseDialog::PreTranslateMessage(pMsg);
}

void CRateSettingDialog::GetTargetsText(CString& out)
{
    out.Empty();
    for (POSITION pos = m_targetItems.GetHeadPosition(); pos != nullptr;)
    {
        CString text;
        if (!m_targetText.GetText(m_targetItems.GetNext(pos), text))
            continue;
        if (!out.IsEmpty())
            out += ", ";
        out += text;
    }
}

void CRateSettingDialog::UpdateCount()
{
    m_count.SetCount(m_comment.GetTextByteLength(), TRUE);
}

int CRateSettingDialog::GetSelectedValue()
{
    return CRateIndexToValue(m_rating.GetCurSel());
}

CTemplateStringItem* CRateSettingDialog::CreateTemplateFromInput()
{
    CString comment;
    m_comment.GetWindowText(comment);
    if (comment.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        m_comment.SetFocus();
        return nullptr;
    }
    return new CTemplateRateEditItem(GetSelectedValue(), comment);
}

void CRateSettingDialog::ApplyTemplate(const CTemplateStringItem& item)
{
    m_comment.SetText(item.GetTitle());
    if (const CTemplateRateEditItem* pRate = dynamic_cast<const CTemplateRateEditItem*>(&item))
    {
        const int nIndex = CRateValueToIndex(pRate->GetRating());
        if (nIndex >= 0)
            m_rating.SetCurSel(nIndex);
    }
    UpdateCount();
}

BOOL CRateSettingDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    if (nID == IDC_RATE_COMMENT && nCode == EN_CHANGE)
    {
        UpdateCount();
        return TRUE;
    }
    if (IsFeedbackForm() && lParam != 0 && nCode == BN_CLICKED && nID == IDC_RATE_TEMPLATE_BUTTON)
    {
        CRect rc;
        m_templateButton.GetWindowRect(&rc);
        m_templateMenu.Show(rc.left, rc.bottom);
        return TRUE;
    }
    if (IsFeedbackForm() && lParam != 0 && nCode == BN_CLICKED && nID == IDC_RATE_TARGETS_BUTTON)
    {
        CTanzoSendTargetDisplayDialog dialog(&m_targetText, this);
        for (POSITION pos = m_targetItems.GetHeadPosition(); pos != nullptr;)
            dialog.AddEntry(m_targetItems.GetNext(pos));
        dialog.DoModal();
        return TRUE;
    }
    if (IsFeedbackForm() && lParam == 0 && m_templateMenu.HandleCommand(nID))
        return TRUE;
    return CBaseDialog::OnCommand(wParam, lParam);
}

void CRateSettingDialog::OnOK()
{
    CString comment;
    m_comment.GetWindowText(comment);
    if (comment.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        m_comment.SetFocus();
        return;
    }
    if (IsFeedbackForm())
    {
        CString rating, targets;
        m_rating.GetWindowText(rating);
        GetTargetsText(targets);
        CRateConfirmDialog confirm(rating, targets, comment, this);
        if (confirm.DoModal() != IDOK)
            return;
    }
    m_nRateValue = GetSelectedValue();
    m_strComment = comment;
    if (IsFeedbackForm())
        WriteSettingString(GetCommentKey(), m_strComment);
    CBaseDialog::OnOK();
}

CRateConfirmDialog::CRateConfirmDialog(LPCTSTR rating, LPCTSTR targets, LPCTSTR comment, CWnd* pParentWnd)
    : CQuestionDialog(IDD_RATE_CONFIRM, pParentWnd), m_strRating(rating), m_strTargets(targets),
      m_strComment(comment)
{
    EnableResize(TRUE);
}

void CRateConfirmDialog::DoDataExchange(CDataExchange* pDX)
{
    CQuestionDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RATE_CONFIRM_VALUE, m_rating);
    DDX_Control(pDX, IDC_RATE_CONFIRM_TARGETS, m_targets);
    DDX_Control(pDX, IDC_RATE_CONFIRM_COMMENT, m_comment);
}

void CRateConfirmDialog::RegisterLayoutControls()
{
    CQuestionDialog::RegisterLayoutControls();
    if (m_pLayout == nullptr)
        return;
    m_pLayout->AddControl(IDC_RATE_CONFIRM_TARGETS, ANCHOR_GROW_X);
    m_pLayout->AddControl(IDC_RATE_CONFIRM_COMMENT, ANCHOR_GROW_X | ANCHOR_GROW_Y);
    m_pLayout->AddControl(IDOK, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
    m_pLayout->AddControl(IDCANCEL, ANCHOR_MOVE_X | ANCHOR_MOVE_Y);
}

BOOL CRateConfirmDialog::OnInitDialog()
{
    CQuestionDialog::OnInitDialog();
    m_rating.SetText(m_strRating);
    m_targets.SetText(m_strTargets);
    m_comment.AddOptions(CDecorateStatic::optionMultiLine);
    m_comment.SetText(m_strComment);
    SetFrameIcon(8);
    return FALSE;
}
