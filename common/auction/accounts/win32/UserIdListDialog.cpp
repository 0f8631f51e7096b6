#include "auction/accounts/UserIdListDialog.h"

#include "afx/DataExchange.h"
#include "afx/LoadText.h"
#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "app/ClipboardShell.h"
#include "app/DialogProfile.h"
#include "app/DialogResourceIds.h"
#include "app/WindowHelpers.h"
#include "auction/accounts/UserIdEditDialog.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "auction/records/AuctionItem.h"

#include <memory>

namespace
{
// Opens at this size unless a size was saved.
const int kDefaultWidth = 510;
const int kDefaultHeight = 310;
const int kDefaultColumnWidth = 185;
const char kColumnWidthKey[] = "ColumnWidth%02d";

} // namespace

BEGIN_MESSAGE_MAP(CUserIdListBaseDialog, CBaseDialog)
ON_WM_DESTROY()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_LIST_LINKCLICKED, OnLinkClicked)
ON_COMMAND(ID_LINK_COPY, OnCopyLink)
ON_COMMAND(ID_LINK_OPEN, OnOpenLink)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_USERID_LIST, OnListItemChanged)
END_MESSAGE_MAP()

CUserIdListBaseDialog::CUserIdListBaseDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParent, nHelpId, nSettingsId), m_menu(this)
{
    EnableResize(TRUE, kDefaultWidth, kDefaultHeight);
}

CUserIdListBaseDialog::~CUserIdListBaseDialog() = default;

void CUserIdListBaseDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    SubclassDlgItemIfExists(m_list, IDC_USERID_LIST, this);
    SubclassDlgItemIfExists(m_addButton, IDC_USERID_ADD, this);
    SubclassDlgItemIfExists(m_editButton, IDC_USERID_EDIT, this);
    SubclassDlgItemIfExists(m_deleteButton, IDC_USERID_DELETE, this);
}

BOOL CUserIdListBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    // The list has its own context menu.
    AddTail(IDC_USERID_LIST);
    if (m_list.m_hWnd != nullptr)
    {
        const UINT titles[] = {IDS_USERID_COLUMN_ID, IDS_USERID_COLUMN_MEMO};
        for (int i = 0; i < 2; ++i)
            m_list.InsertColumn(
                i, LoadText(titles[i]), LVCFMT_LEFT,
                GetSettingInt(FormatDialogProfileKey(kColumnWidthKey, i + 1), kDefaultColumnWidth));
        m_list.SetColumnStyle(0, LISTCOLUMN_LINK | LISTCOLUMN_UNDERLINE);
        m_list.SetColumnTextColor(0, 0xFF0000);
        m_data.ResetRows();
        for (int nRow = 0; nRow < m_data.GetRowCount(); ++nRow)
            InsertListRow(nRow, *m_data.GetRow(nRow));
        if (m_data.GetRowCount() > 0)
            m_list.SelectSingleItem(0);
    }
    UpdateButtons();
    return TRUE;
}

void CUserIdListBaseDialog::OnDestroy()
{
    if (m_list.m_hWnd != nullptr)
    {
        for (int i = 0; i < 2; ++i)
            WriteSettingInt(FormatDialogProfileKey(kColumnWidthKey, i + 1), m_list.GetColumnWidth(i));
    }
    CBaseDialog::OnDestroy();
}

void CUserIdListBaseDialog::InsertListRow(int nRow, const CUserIdRow& row)
{
    m_list.InsertItem(nRow, row.strId);
    m_list.SetItemText(nRow, 1, row.strMemo);
}

int CUserIdListBaseDialog::GetSelectedRow() const
{
    return m_list.m_hWnd != nullptr ? m_list.GetNextItem(-1, LVNI_SELECTED) : -1;
}

void CUserIdListBaseDialog::UpdateButtons()
{
    const BOOL bSelected = GetSelectedRow() >= 0;
    EnableWindowIfExists(&m_editButton, bSelected);
    EnableWindowIfExists(&m_deleteButton, bSelected);
}

BOOL CUserIdListBaseDialog::DeleteRow(int nRow)
{
    if (!m_data.DeleteRow(nRow))
        return FALSE;
    m_list.DeleteRow(nRow);
    const int nCount = m_list.GetItemCount();
    if (nCount > 0)
        m_list.SelectSingleItem(nRow < nCount ? nRow : nCount - 1);
    UpdateButtons();
    return TRUE;
}

void CUserIdListBaseDialog::FillExistingIds(CUserIdEditBaseDialog* pDialog)
{
    for (int nRow = 0; pDialog != nullptr && nRow < m_data.GetRowCount(); ++nRow)
        pDialog->AddExistingId(m_data.GetRow(nRow)->strId);
}

BOOL CUserIdListBaseDialog::GetRowLinkURL(int nRow, CString& strURL)
{
    const CUserIdRow* pRow = m_data.GetRow(nRow);
    return pRow != nullptr && MakeSellerPageURL(pRow->strId, strURL);
}

BOOL CUserIdListBaseDialog::IsCommandEnabled(UINT nID)
{
    if (nID == ID_LINK_COPY || nID == ID_LINK_OPEN)
    {
        CString strURL;
        return GetRowLinkURL(GetSelectedRow(), strURL) && !strURL.IsEmpty();
    }
    return CBaseDialog::IsCommandEnabled(nID);
}

void CUserIdListBaseDialog::OnCancel()
{
    if (IsChanged() &&
        AfxMessageBox(IDS_USERID_CANCEL_CHANGES, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    CBaseDialog::OnCancel();
}

void CUserIdListBaseDialog::OnContextMenu(CWnd* pWnd, CPoint)
{
    if (pWnd != nullptr && pWnd->m_hWnd == m_list.m_hWnd && m_list.m_hWnd != nullptr)
        m_menu.Track(&m_list, this, GetContextMenuId(), IDR_USERID_LINK_MENU);
}

LRESULT CUserIdListBaseDialog::OnLinkClicked(WPARAM wParam, LPARAM lParam)
{
    CString strURL;
    if (lParam == 0 && GetRowLinkURL((int)wParam, strURL) && !strURL.IsEmpty())
        OpenInBrowser(strURL, m_hWnd);
    return 0;
}

void CUserIdListBaseDialog::OnCopyLink()
{
    m_menu.CopyCellLink(&m_list);
}

void CUserIdListBaseDialog::OnOpenLink()
{
    m_menu.OpenCellLink(&m_list);
}

void CUserIdListBaseDialog::OnListItemChanged(NMHDR*, LRESULT* pResult)
{
    UpdateButtons();
    *pResult = 0;
}

BOOL CUserIdListBaseDialog::CRowLinkMenu::GetCellLinkText(CCommListCtrl*, CString& strText)
{
    // From the keyboard, or a command sent without the menu: the selected row.
    int nRow = HasHitCell() ? GetHitRow() : m_pDialog->GetSelectedRow();
    return m_pDialog->GetRowLinkURL(nRow, strText);
}

void CUserIdListBaseDialog::CRowLinkMenu::PrepareMenu(CCommListCtrl*, CMenu* pPopup)
{
    m_pDialog->UpdateMenuEnabling(pPopup);
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CUserIdListDialog, CUserIdListBaseDialog)
ON_BN_CLICKED(IDC_USERID_ADD, OnAdd)
ON_BN_CLICKED(IDC_USERID_EDIT, OnEdit)
ON_BN_CLICKED(IDC_USERID_DELETE, OnDelete)
ON_BN_CLICKED(IDC_USERID_CHECK, OnCheckSelected)
END_MESSAGE_MAP()

CUserIdListDialog::CUserIdListDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId)
    : CUserIdListBaseDialog(nIDTemplate, pParent, nHelpId, nSettingsId)
{
}

CUserIdListDialog::~CUserIdListDialog() = default;

BOOL CUserIdListDialog::OnInitDialog()
{
    SubclassDlgItemIfExists(m_checkButton, IDC_USERID_CHECK, this);
    return CUserIdListBaseDialog::OnInitDialog();
}

void CUserIdListDialog::RegisterLayoutControls()
{
    CUserIdListBaseDialog::RegisterLayoutControls();
    AddControl(IDC_USERID_LIST, ANCHOR_GROW_X | ANCHOR_GROW_Y);
}

void CUserIdListDialog::UpdateButtons()
{
    CUserIdListBaseDialog::UpdateButtons();
    EnableWindowIfExists(&m_checkButton, GetSelectedRow() >= 0);
}

UINT CUserIdListDialog::GetDeleteMessageId()
{
    return IDS_USERID_DELETE;
}

void CUserIdListDialog::OnAdd()
{
    std::unique_ptr<CUserIdEditDialog> pDialog(CreateEditDialog(this));
    if (!pDialog)
        return;
    FillExistingIds(pDialog.get());
    if (pDialog->DoModal() != IDOK)
        return;
    CUserAccount account;
    if (!pDialog->GetEntry(account))
        return;
    int nRow = m_data.AddRow(account.GetID(), account.GetMemo(), account.GetPassword());
    InsertListRow(nRow, *m_data.GetRow(nRow));
    if (GetSelectedRow() < 0)
        m_list.SelectSingleItem(0);
    UpdateButtons();
}

void CUserIdListDialog::OnEdit()
{
    const int nRow = GetSelectedRow();
    const CUserIdRow* pRow = m_data.GetRow(nRow);
    if (pRow == nullptr)
        return;
    std::unique_ptr<CUserIdEditDialog> pDialog(CreateEditDialog(this));
    if (!pDialog)
        return;
    CUserAccount account;
    account.SetID(pRow->strId);
    account.SetMemo(pRow->strMemo);
    account.SetPassword(pRow->strPassword);
    pDialog->SetEditExisting(1);
    pDialog->SetEntry(account);
    if (pDialog->DoModal() != IDOK || !pDialog->GetEntry(account))
        return;
    m_data.EditRow(nRow, account.GetMemo(), account.GetPassword());
    m_list.SetItemText(nRow, 1, account.GetMemo());
    UpdateButtons();
}

void CUserIdListDialog::OnDelete()
{
    const int nRow = GetSelectedRow();
    const CUserIdRow* pRow = m_data.GetRow(nRow);
    if (pRow == nullptr)
        return;
    CString strQuestion;
    strQuestion.FormatMessage(GetDeleteMessageId(), (LPCTSTR)pRow->strId);
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
        DeleteRow(nRow);
}

void CUserIdListDialog::OnCheckSelected()
{
    CUserAccount account;
    if (!m_data.GetRowAccount(GetSelectedRow(), account))
        return;
    std::unique_ptr<CUserIdEditDialog> pDialog(CreateEditDialog(this));
    if (pDialog)
        pDialog->VerifyAccount(account, pDialog.get());
}

void CUserIdListDialog::OnOK()
{
    m_data.CommitRows();
    CUserIdListBaseDialog::OnOK();
}

BOOL CUserIdListDialog::GetEntry(int nIndex, CUserAccount& out) const
{
    return m_data.GetEntry(nIndex, out);
}

BOOL CUserIdListDialog::GetAddedEntry(int nIndex, CUserAccount& out) const
{
    return m_data.GetAddedEntry(nIndex, out);
}
