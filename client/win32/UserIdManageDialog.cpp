#include "client/UserIdManageDialog.h"

#include "afx/MsgMap.h"
#include "app/WindowHelpers.h"
#include "auction/accounts/UserIdResourceIds.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/UserIdAddDialog.h"
#include "client/UserIdManageResourceIds.h"
#include "client/UserIdManageRules.h"

BEGIN_MESSAGE_MAP(CUserIdManageDialog, CUserIdListDialog)
ON_COMMAND(ID_USERID_MANAGE_ADD, OnAddCommand)
ON_COMMAND(ID_USERID_MANAGE_EDIT, OnEditCommand)
ON_COMMAND(ID_USERID_MANAGE_DELETE, OnDeleteCommand)
END_MESSAGE_MAP()

CUserIdManageDialog::CUserIdManageDialog(CWnd* pParent)
    : CUserIdListDialog(IDD_USERID_MANAGE, pParent, HID_USERID_MANAGE, IDD_USERID_MANAGE_SECTION)
{
}

CUserIdManageDialog::~CUserIdManageDialog() = default;

BOOL CUserIdManageDialog::OnInitDialog()
{
    // Without the main window the list keeps its own look.
    const COptionSettings* pOptions = GetMainFrame() != nullptr ? GetOptionSettings() : nullptr;
    if (pOptions != nullptr)
        pOptions->ApplyListMetrics(&m_list);
    CUserIdListDialog::OnInitDialog();
    if (pOptions != nullptr)
    {
        pOptions->ApplyListFontSize(&m_list);
        pOptions->ApplyListColors(&m_list);
    }
    return TRUE;
}

void CUserIdManageDialog::SetStandardToolTips()
{
    CUserIdListDialog::SetStandardToolTips();
    AddToolTipById(IDC_USERID_ADD, IDS_TIP_USERID_ADD);
    AddToolTipById(IDC_USERID_DELETE, IDS_TIP_USERID_DELETE);
    AddToolTipById(IDC_USERID_EDIT, IDS_TIP_USERID_EDIT);
}

BOOL CUserIdManageDialog::IsCommandEnabled(UINT nID)
{
    BOOL bEnabled = FALSE;
    if (GetUserIdManageCommandState(nID, GetData().GetRowCount(), GetSelectedRow() >= 0, bEnabled))
        return bEnabled;
    return CUserIdListDialog::IsCommandEnabled(nID);
}

void CUserIdManageDialog::UpdateButtons()
{
    CUserIdListDialog::UpdateButtons();
    EnableWindowIfExists(&m_addButton, CanAddUserId(GetData().GetRowCount()));
}

UINT CUserIdManageDialog::GetContextMenuId()
{
    return IDR_USERID_MANAGE_MENU;
}

CUserIdEditDialog* CUserIdManageDialog::CreateEditDialog(CWnd* pParent)
{
    return new CUserIdAddDialog(pParent);
}

UINT CUserIdManageDialog::GetDeleteMessageId()
{
    return IDS_USERID_DELETE_WITH_DATA;
}

void CUserIdManageDialog::OnAddCommand()
{
    if (CanAddUserId(GetData().GetRowCount()))
        OnAdd();
}

void CUserIdManageDialog::OnEditCommand()
{
    OnEdit();
}

void CUserIdManageDialog::OnDeleteCommand()
{
    OnDelete();
}
