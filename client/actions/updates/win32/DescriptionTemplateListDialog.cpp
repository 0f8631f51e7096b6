#include "client/actions/updates/DescriptionTemplateListDialog.h"

#include "afx/DataExchange.h"
#include "auction/templates/TemplateMenuText.h"
#include "client/TanzoDocData.h"
#include "client/actions/updates/AddDescriptionDialog.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"

namespace
{
const int kAdditionSet = 0;
}

IMPLEMENT_DYNAMIC(CDescriptionTemplateListDialog, CTanzoTemplateListDialog)

CDescriptionTemplateListDialog::CDescriptionTemplateListDialog(CWnd* pParentWnd)
    : CTanzoTemplateListDialog(IDD_DESCRIPTION_TEMPLATES, pParentWnd)
{
}

void CDescriptionTemplateListDialog::DoDataExchange(CDataExchange* pDX)
{
    CTanzoTemplateListDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DESCRIPTION_TEMPLATE_LIST, m_list);
    DDX_Control(pDX, IDC_DESCRIPTION_TEMPLATE_ADD, m_addButton);
    DDX_Control(pDX, IDC_DESCRIPTION_TEMPLATE_EDIT, m_editButton);
    DDX_Control(pDX, IDC_DESCRIPTION_TEMPLATE_DELETE, m_deleteButton);
    DDX_Control(pDX, IDC_DESCRIPTION_TEMPLATE_UP, m_upButton);
    DDX_Control(pDX, IDC_DESCRIPTION_TEMPLATE_DOWN, m_downButton);
}

BOOL CDescriptionTemplateListDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED)
    {
        switch (LOWORD(wParam))
        {
        case IDC_DESCRIPTION_TEMPLATE_ADD:
            OnAdd();
            return TRUE;
        case IDC_DESCRIPTION_TEMPLATE_EDIT:
            OnEdit();
            return TRUE;
        default:
            break;
        }
    }
    return CTanzoTemplateListDialog::OnCommand(wParam, lParam);
}

int CDescriptionTemplateListDialog::GetColumnCount()
{
    return 1;
}

int CDescriptionTemplateListDialog::GetTemplateSet()
{
    return kAdditionSet;
}

LPCTSTR CDescriptionTemplateListDialog::GetColumnWidthKey(int)
{
    return "ColumnWidthDescription";
}

int CDescriptionTemplateListDialog::GetDefaultColumnWidth(int)
{
    return DefaultColumnWidth;
}

UINT CDescriptionTemplateListDialog::GetColumnTitleId(int)
{
    return IDS_TEMPLATE_COLUMN_TITLE;
}

int CDescriptionTemplateListDialog::GetColumnFormat(int)
{
    return LVCFMT_LEFT;
}

void CDescriptionTemplateListDialog::GetRowText(int nRow, CString& strText)
{
    strText = m_list.GetItemText(nRow, 0);
}

void CDescriptionTemplateListDialog::SetRowTexts(int nRow, const CTemplateStringItem& item)
{
    m_list.SetItemText(nRow, 0, MakeTemplateMenuText(item.GetText()));
}

BOOL CDescriptionTemplateListDialog::RunTextDialog(int nMode, CString& text)
{
    CAddDescriptionDialog dialog(this, nMode);
    dialog.SetText(text);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    text = dialog.GetText();
    return TRUE;
}

void CDescriptionTemplateListDialog::OnAdd()
{
    if (m_list.GetItemCount() >= GetMaxCount())
        return;
    CString text;
    if (!RunTextDialog(CAddDescriptionDialog::ModeAddTemplate, text))
        return;
    const int nRow = InsertTemplateRow(-1, CTemplateStringItem(nullptr, text));
    if (m_list.GetNextItem(-1, LVNI_SELECTED) < 0 && nRow >= 0)
        m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetModified(TRUE);
    UpdateButtons(-1);
}

void CDescriptionTemplateListDialog::OnEdit()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    const CTemplateStringItem* pItem = GetRowItem(nRow);
    if (pItem == nullptr)
        return;
    CString text = pItem->GetText();
    if (!RunTextDialog(CAddDescriptionDialog::ModeEditTemplate, text))
        return;
    CTemplateStringItem edited(*pItem);
    edited.SetText(text);
    SetRowItem(nRow, edited);
    SetModified(TRUE);
}
