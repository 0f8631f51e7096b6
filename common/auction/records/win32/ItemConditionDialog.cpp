#include "auction/records/ItemConditionDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "auction/dialogs/AuctionDialogRules.h"

namespace
{
const TCHAR kCommentHistory[] = "HisNote%02d";
} // namespace

IMPLEMENT_DYNAMIC(CItemConditionDialog, CBaseDialog)

CItemConditionDialog::CItemConditionDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CItemConditionDialog::~CItemConditionDialog() {}

void CItemConditionDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONDITION, m_conditionCombo);
    DDX_Control(pDX, IDC_CONDITION_COMMENT, m_commentCombo);
}

BOOL CItemConditionDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    CString list;
    list.LoadString(GetConditionListTextId());
    list.Remove('\r');
    for (int begin = 0; begin < list.GetLength();)
    {
        int end = list.Find('\n', begin);
        if (end < 0)
            end = list.GetLength();
        m_conditionCombo.AddString(list.Mid(begin, end - begin));
        begin = end + 1;
    }
    const int nCode = m_condition.GetCondition();
    const int nIndex = SelectConditionIndex(nCode, IndexFromCondition(nCode),
                                            IndexFromCondition(CItemCondition::DefaultCondition),
                                            m_conditionCombo.GetCount());
    if (nIndex >= 0)
        m_conditionCombo.SetCurSel(nIndex);

    m_commentCombo.SetTextLimit(CommentBytes);
    LoadComboHistory(&m_commentCombo, kCommentHistory, CommentHistoryCount);
    m_commentCombo.SetWindowText(m_condition.GetComment());
    return TRUE;
}

void CItemConditionDialog::OnOK()
{
    const int nCode = ConditionFromIndex(m_conditionCombo.GetCurSel());
    CString strComment;
    m_commentCombo.GetWindowText(strComment);
    const BOOL bHasComment = !strComment.IsEmpty();
    switch (DecideConditionOk(nCode, bHasComment))
    {
    case ConditionOkNeedComment:
        NotifyCommentRequired();
        m_commentCombo.SetFocus();
        return;
    case ConditionOkAskFirst:
    {
        CString strQuestion;
        if (GetConfirmText(nCode, bHasComment, strQuestion) && !strQuestion.IsEmpty() &&
            AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        {
            if (FocusConditionAfterNo(nCode))
                m_conditionCombo.SetFocus();
            else
                m_commentCombo.SetFocus();
            return;
        }
        break;
    }
    default:
        break;
    }
    m_condition.SetCondition(nCode);
    m_condition.SetComment(strComment);
    if (bHasComment)
    {
        m_commentCombo.PushHistoryText(strComment, CommentHistoryCount);
        SaveComboHistory(&m_commentCombo, kCommentHistory, CommentHistoryCount);
    }
    CBaseDialog::OnOK();
}

void CItemConditionDialog::NotifyCommentRequired() {}

BOOL CItemConditionDialog::GetConfirmText(int nCode, BOOL bHasComment, CString& strText)
{
    return FALSE;
}
