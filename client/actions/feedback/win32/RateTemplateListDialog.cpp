#include "client/actions/feedback/RateTemplateListDialog.h"

#include "afx/DataExchange.h"
#include "auction/templates/TemplateMenuText.h"
#include "client/DataSetFiles.h"
#include "client/TemplateRateEditItem.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/RateSettingDialog.h"
#include "client/actions/feedback/RateValues.h"

IMPLEMENT_DYNAMIC(CRateTemplateListDialog, CTanzoTemplateListDialog)

CRateTemplateListDialog::CRateTemplateListDialog(int nKind, CWnd* pParentWnd)
    : CTanzoTemplateListDialog(IDD_RATE_TEMPLATES, pParentWnd), m_nKind(nKind)
{
    EnableResize(TRUE, 700, 400);
}

CRateTemplateListDialog::~CRateTemplateListDialog() = default;

void CRateTemplateListDialog::DoDataExchange(CDataExchange* pDX)
{
    CTanzoTemplateListDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RATE_TEMPLATE_LIST, m_list);
    DDX_Control(pDX, IDC_RATE_TEMPLATE_EDIT, m_editButton);
    DDX_Control(pDX, IDC_RATE_TEMPLATE_DELETE, m_deleteButton);
    DDX_Control(pDX, IDC_RATE_TEMPLATE_ADD, m_addButton);
    DDX_Control(pDX, IDC_RATE_TEMPLATE_UP, m_upButton);
    DDX_Control(pDX, IDC_RATE_TEMPLATE_DOWN, m_downButton);
}

BOOL CRateTemplateListDialog::OnInitDialog()
{
    CTanzoTemplateListDialog::OnInitDialog();
    CString caption;
    caption.LoadString(m_nKind == KindSeller ? IDS_RATE_TEMPLATES_AS_SELLER : IDS_RATE_TEMPLATES_AS_BUYER);
    SetWindowText(caption);
    SetFrameIcon(8);
    return TRUE;
}

int CRateTemplateListDialog::GetColumnCount()
{
    return 2;
}

int CRateTemplateListDialog::GetTemplateSet()
{
    return m_nKind == KindSeller ? dataSetSellerRatingTemplates : dataSetBuyerRatingTemplates;
}

LPCTSTR CRateTemplateListDialog::GetColumnWidthKey(int nColumn)
{
    return nColumn == 0 ? "ColumnWidthRateValue" : "ColumnWidthComment";
}

int CRateTemplateListDialog::GetDefaultColumnWidth(int nColumn)
{
    return nColumn == 0 ? 92 : 440;
}

UINT CRateTemplateListDialog::GetColumnTitleId(int nColumn)
{
    return nColumn == 0 ? IDS_RATE_TEMPLATE_COLUMN_VALUE : IDS_RATE_TEMPLATE_COLUMN_COMMENT;
}

int CRateTemplateListDialog::GetColumnFormat(int)
{
    return LVCFMT_LEFT;
}

void CRateTemplateListDialog::GetRowText(int nRow, CString& strText)
{
    CString mark;
    if (const CTemplateRateEditItem* pItem = dynamic_cast<const CTemplateRateEditItem*>(GetRowItem(nRow)))
        CTemplateRateEditItem::LoadRatingMark(pItem->GetRating(), mark);
    CString text;
    text.Format("[%s]", (LPCTSTR)mark);
    text += m_list.GetItemText(nRow, 1);
    strText = MakeTemplateMenuText(text);
}

void CRateTemplateListDialog::SetRowTexts(int nRow, const CTemplateStringItem& item)
{
    CString rating;
    if (const CTemplateRateEditItem* pItem = dynamic_cast<const CTemplateRateEditItem*>(&item))
        CRateValueToText(pItem->GetRating(), rating);
    m_list.SetItemText(nRow, 0, rating);
    m_list.SetItemText(nRow, 1, item.GetTitle());
}

BOOL CRateTemplateListDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED)
    {
        if (LOWORD(wParam) == IDC_RATE_TEMPLATE_ADD)
        {
            OnAdd();
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_RATE_TEMPLATE_EDIT)
        {
            OnEdit();
            return TRUE;
        }
    }
    return CTanzoTemplateListDialog::OnCommand(wParam, lParam);
}

void CRateTemplateListDialog::OnAdd()
{
    if (GetMaxCount() >= 0 && m_list.GetItemCount() >= GetMaxCount())
        return;
    const DWORD dwRole =
        m_nKind == KindSeller ? CRateSettingDialog::flagAsSeller : CRateSettingDialog::flagAsBuyer;
    CRateSettingDialog dialog(CRateSettingDialog::flagNewTemplate | dwRole, this);
    if (dialog.DoModal() != IDOK)
        return;
    CString comment;
    dialog.GetComment(comment);
    InsertTemplateRow(-1, CTemplateRateEditItem(dialog.GetRateValue(), comment));
    if (m_list.GetNextItem(-1, LVNI_SELECTED) < 0)
        m_list.SelectSingleItem(0);
    SetModified();
    UpdateButtons();
}

void CRateTemplateListDialog::OnEdit()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow < 0)
        return;
    CTemplateRateEditItem item;
    ReadRow(nRow, item);
    const DWORD dwRole =
        m_nKind == KindSeller ? CRateSettingDialog::flagAsSeller : CRateSettingDialog::flagAsBuyer;
    CRateSettingDialog dialog(CRateSettingDialog::flagEditTemplate | dwRole, this);
    dialog.SetRateValue(item.GetRating());
    dialog.SetComment(item.GetTitle());
    if (dialog.DoModal() != IDOK)
        return;
    CString comment;
    dialog.GetComment(comment);
    SetRowItem(nRow, CTemplateRateEditItem(dialog.GetRateValue(), comment));
    SetModified();
}
