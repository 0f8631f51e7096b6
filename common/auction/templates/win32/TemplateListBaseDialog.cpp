#include "auction/templates/TemplateListBaseDialog.h"

#include <memory>

#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "auction/dialogs/EditorList.h"
#include "auction/templates/TemplateResourceIds.h"

IMPLEMENT_DYNAMIC(CTemplateListBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CTemplateListBaseDialog, CBaseDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CTemplateListBaseDialog::CTemplateListBaseDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CTemplateListBaseDialog::~CTemplateListBaseDialog()
{
    DeleteItems();
}

void CTemplateListBaseDialog::DeleteItems()
{
    for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
        delete (CTemplateStringItem*)m_items[i];
    m_items.RemoveAll();
}

void CTemplateListBaseDialog::AddItemCopy(const CTemplateStringItem& item)
{
    m_items.Add(item.Clone());
}

const CTemplateStringItem* CTemplateListBaseDialog::GetItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return nullptr;
    return (const CTemplateStringItem*)m_items[nIndex];
}

BOOL CTemplateListBaseDialog::GetItemAt(int nIndex, CTemplateStringItem& item) const
{
    const CTemplateStringItem* pItem = GetItem(nIndex);
    if (pItem == nullptr)
        return FALSE;
    item.CopyFrom(*pItem);
    return TRUE;
}

BOOL CTemplateListBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const int nColumns = GetColumnCount();
    for (int i = 0; i < nColumns; ++i)
        InsertTitledColumn(m_list, i, GetColumnTitleId(i), GetColumnFormat(i),
                           GetSettingInt(GetColumnWidthKey(i), GetDefaultColumnWidth(i)));
    for (int i = 0; i < GetItemCount(); ++i)
        InsertTemplateRow(-1, *GetItem(i));
    if (m_list.GetItemCount() > 0)
        m_list.SelectSingleItem(0);
    UpdateButtons(-1);
    return TRUE;
}

void CTemplateListBaseDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CBaseDialog::AdjustSystemMenu(pSystemMenu);
    if (m_pLayout != nullptr)
        SetIcon(::LoadIconA(nullptr, IDI_ASTERISK), TRUE);
}

void CTemplateListBaseDialog::SetRowTexts(int nRow, const CTemplateStringItem& item)
{
    m_list.SetItemText(nRow, 0, item.GetTitle());
}

void CTemplateListBaseDialog::ReadRow(int nRow, CTemplateStringItem& item)
{
    const CTemplateStringItem* pKept = GetRowItem(nRow);
    if (pKept != nullptr)
        item.CopyFrom(*pKept);
    else
        item.SetTitle(m_list.GetItemText(nRow, 0));
}

CTemplateStringItem* CTemplateListBaseDialog::CreateItem()
{
    return new CTemplateStringItem;
}

int CTemplateListBaseDialog::InsertTemplateRow(int nRow, const CTemplateStringItem& item)
{
    if (nRow < 0 || nRow > m_list.GetItemCount())
        nRow = m_list.GetItemCount();
    nRow = m_list.InsertItem(nRow, "");
    if (nRow < 0)
        return -1;
    m_list.SetItemData(nRow, (DWORD_PTR)item.Clone());
    SetRowTexts(nRow, item);
    return nRow;
}

const CTemplateStringItem* CTemplateListBaseDialog::GetRowItem(int nRow) const
{
    if (nRow < 0 || nRow >= m_list.GetItemCount())
        return nullptr;
    return (const CTemplateStringItem*)m_list.GetItemData(nRow);
}

BOOL CTemplateListBaseDialog::SetRowItem(int nRow, const CTemplateStringItem& item)
{
    if (nRow < 0 || nRow >= m_list.GetItemCount())
        return FALSE;
    delete (CTemplateStringItem*)m_list.GetItemData(nRow);
    m_list.SetItemData(nRow, (DWORD_PTR)item.Clone());
    SetRowTexts(nRow, item);
    return TRUE;
}

void CTemplateListBaseDialog::UpdateButtons(int nRow)
{
    if (m_list.m_hWnd == nullptr)
        return;
    if (nRow < 0)
        nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    const int nCount = m_list.GetItemCount();
    const int nMax = GetMaxCount();
    const BOOL bSelected = nRow >= 0 && nRow < nCount;
    const BOOL bSingle = bSelected && m_list.GetSelectedCount() == 1 && nCount >= 2;
    struct
    {
        CButton& button;
        BOOL bEnable;
    } buttons[] = {
        {m_addButton, nMax < 0 || nCount < nMax},
        {m_editButton, bSelected},
        {m_deleteButton, bSelected},
        {m_upButton, bSingle && nRow > 0},
        {m_downButton, bSingle && nRow < nCount - 1},
    };
    for (auto& b : buttons)
    {
        if (b.button.m_hWnd != nullptr)
            b.button.EnableWindow(b.bEnable);
    }
    if (::GetFocus() == nullptr)
        NextDlgCtrl();
}

BOOL CTemplateListBaseDialog::IsClickOf(const CButton& button, WPARAM wParam)
{
    return button.m_hWnd != nullptr && HIWORD(wParam) == BN_CLICKED &&
           LOWORD(wParam) == (UINT)button.GetDlgCtrlID();
}

BOOL CTemplateListBaseDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (IsClickOf(m_deleteButton, wParam))
    {
        OnDeleteRow();
        return TRUE;
    }
    if (IsClickOf(m_upButton, wParam) || IsClickOf(m_downButton, wParam))
    {
        OnMoveRow(IsClickOf(m_upButton, wParam));
        return TRUE;
    }
    return CBaseDialog::OnCommand(wParam, lParam);
}

BOOL CTemplateListBaseDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = (const NMHDR*)lParam;
    if (pHeader != nullptr && m_list.m_hWnd != nullptr && pHeader->hwndFrom == m_list.m_hWnd &&
        pHeader->code == LVN_ITEMCHANGED)
    {
        const NMLISTVIEW* pView = (const NMLISTVIEW*)lParam;
        if (pView->uNewState != 0)
            UpdateButtons(pView->iItem);
    }
    return CBaseDialog::OnNotify(wParam, lParam, pResult);
}

void CTemplateListBaseDialog::OnDeleteRow()
{
    const int nRow = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nRow < 0)
        return;
    CString text;
    GetRowText(nRow, text);
    CString question;
    question.FormatMessage(IDS_TEMPLATE_DELETE_QUESTION, (LPCTSTR)text);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    delete (CTemplateStringItem*)m_list.GetItemData(nRow);
    m_list.SetItemData(nRow, 0);
    m_list.DeleteRow(nRow);
    const int nCount = m_list.GetItemCount();
    if (nCount > 0)
        m_list.SelectSingleItem(nRow < nCount ? nRow : nCount - 1);
    SetModified(TRUE);
    UpdateButtons(-1);
}

void CTemplateListBaseDialog::OnMoveRow(BOOL bUp)
{
    if (m_list.MoveSelectedItem(bUp) >= 0)
        SetModified(TRUE);
    UpdateButtons(-1);
}

void CTemplateListBaseDialog::OnOK()
{
    DeleteItems();
    std::unique_ptr<CTemplateStringItem> item(CreateItem());
    if (item != nullptr)
    {
        for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
        {
            item->Clear();
            ReadRow(nRow, *item);
            AddItemCopy(*item);
        }
    }
    CBaseDialog::OnOK();
}

void CTemplateListBaseDialog::OnCancel()
{
    if (m_bModified &&
        AfxMessageBox(IDS_TEMPLATE_CANCEL_QUESTION, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    CBaseDialog::OnCancel();
}

void CTemplateListBaseDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    if (m_list.m_hWnd != nullptr)
        AddControl(&m_list, ANCHOR_FILL);
    for (CButton* pButton : {&m_addButton, &m_editButton, &m_deleteButton, &m_upButton, &m_downButton})
    {
        if (pButton->m_hWnd != nullptr)
            AddControl(pButton, ANCHOR_RIGHT);
    }
    for (int nID : {IDOK, IDCANCEL, (int)IDC_DIALOG_HELP})
        AddControl(nID, ANCHOR_BOTTOM);
}

void CTemplateListBaseDialog::OnDestroy()
{
    if (m_list.m_hWnd != nullptr)
    {
        const int nColumns = GetColumnCount();
        for (int i = 0; i < nColumns && i < m_list.GetColumnCount(); ++i)
            WriteSettingInt(GetColumnWidthKey(i), m_list.GetColumnWidth(i));
    }
    DeleteRowsWithData<CTemplateStringItem>(m_list);
    CBaseDialog::OnDestroy();
}
