#include "auction/shipping/AuctionShipMethodControlBaseDialog.h"

#include <memory>

#include "afx/MessageBox.h"
#include "auction/dialogs/EditorList.h"

IMPLEMENT_DYNAMIC(CAuctionShipMethodControlBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CAuctionShipMethodControlBaseDialog, CBaseDialog)
ON_WM_DESTROY()
ON_COMMAND(ID_LINK_COPY, OnCopyLink)
ON_COMMAND(ID_LINK_OPEN, OnOpenLink)
END_MESSAGE_MAP()

namespace
{
const char kNameWidthKey[] = "ColumnWidthShipName";
const char kFeeWidthKey[] = "ColumnWidthShipFee";
const int kDefaultColumnWidth = 207;
const int kNewMethodFee = 500;
} // namespace

CAuctionShipMethodControlBaseDialog::CAuctionShipMethodControlBaseDialog(UINT nIDTemplate, CWnd* pParentWnd,
                                                                         UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId), m_methods(10)
{
    EnableResize(TRUE, 580, 322);
}

CAuctionShipMethodControlBaseDialog::~CAuctionShipMethodControlBaseDialog() {}

void CAuctionShipMethodControlBaseDialog::SetShipMethods(const CShipMethodList& methods)
{
    m_methods.RemoveAll();
    for (POSITION pos = methods.GetHeadPosition(); pos != nullptr;)
        m_methods.AddTail(methods.GetNext(pos));
}

BOOL CAuctionShipMethodControlBaseDialog::InitNewMethod(CShipMethod& method)
{
    method.SetFeeType(CShipMethod::FeeOne);
    method.SetFee(kNewMethodFee);
    return TRUE;
}

UINT CAuctionShipMethodControlBaseDialog::GetDeleteConfirmMessageId()
{
    return 0;
}

COLORREF CAuctionShipMethodControlBaseDialog::GetLinkColor()
{
    return RGB(0, 0, 255);
}

UINT CAuctionShipMethodControlBaseDialog::GetFeeTypeTextId(int)
{
    return 0;
}

UINT CAuctionShipMethodControlBaseDialog::GetRegionFeeFormatId()
{
    return 0;
}

UINT CAuctionShipMethodControlBaseDialog::GetRegionFeeSeparatorId()
{
    return 0;
}

const UINT* CAuctionShipMethodControlBaseDialog::GetRegionFeeIds()
{
    return nullptr;
}

BOOL CAuctionShipMethodControlBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const char* widthKeys[] = {kNameWidthKey, kFeeWidthKey};
    for (int i = 0; i < 2; ++i)
        InsertTitledColumn(m_list, i, GetColumnTitleId(i), LVCFMT_LEFT,
                           GetSettingInt(widthKeys[i], kDefaultColumnWidth));
    FillList();
    AddTail(m_list.GetDlgCtrlID());
    return TRUE;
}

int CAuctionShipMethodControlBaseDialog::GetSelectedRow() const
{
    return m_list.m_hWnd != nullptr ? m_list.GetNextItem(-1, LVNI_SELECTED) : -1;
}

void CAuctionShipMethodControlBaseDialog::FillList()
{
    DeleteRowsWithData<CShipMethod>(m_list);
    for (POSITION pos = m_methods.GetHeadPosition(); pos != nullptr;)
    {
        const int nRow = m_list.InsertItem(m_list.GetItemCount(), "");
        if (nRow < 0)
            break;
        CShipMethod* pCopy = new CShipMethod;
        pCopy->CopyFrom(m_methods.GetNext(pos));
        m_list.SetItemData(nRow, (DWORD_PTR)pCopy);
        SetRowTexts(nRow);
    }
    m_list.SelectSingleItem(m_list.GetItemCount() > 0 ? 0 : -1);
    UpdateButtons();
}

void CAuctionShipMethodControlBaseDialog::SetRowTexts(int nRow)
{
    const CShipMethod* pMethod = m_list.GetRowMethod(nRow);
    if (pMethod == nullptr)
        return;
    m_list.SetItemText(nRow, 0, pMethod->GetName());
    m_list.SetItemText(nRow, 1,
                       FormatShipMethodFeeText(*pMethod, GetRegionFeeIds(), GetRegionFeeFormatId(),
                                               GetRegionFeeSeparatorId(),
                                               GetFeeTypeTextId(pMethod->GetFeeType())));
}

void CAuctionShipMethodControlBaseDialog::StoreListToRecords()
{
    m_methods.RemoveAll();
    const int nRows = m_list.m_hWnd != nullptr ? m_list.GetItemCount() : 0;
    for (int nRow = 0; nRow < nRows && m_methods.GetCount() < MaxEditedShipMethods; ++nRow)
    {
        const CShipMethod* pMethod = m_list.GetRowMethod(nRow);
        if (pMethod != nullptr)
            m_methods.AddTail(*pMethod);
    }
}

BOOL CAuctionShipMethodControlBaseDialog::CanDo(int nAction, int nRow)
{
    return CanDoShipEditAction(nAction, nRow, m_list.m_hWnd != nullptr ? m_list.GetItemCount() : 0);
}

CButton& CAuctionShipMethodControlBaseDialog::GetActionButton(int nAction)
{
    switch (nAction)
    {
    case ShipEditEdit:
        return m_editButton;
    case ShipEditDelete:
        return m_deleteButton;
    case ShipEditUp:
        return m_upButton;
    case ShipEditDown:
        return m_downButton;
    default:
        return m_addButton;
    }
}

void CAuctionShipMethodControlBaseDialog::UpdateButtons()
{
    const int nRow = GetSelectedRow();
    for (int nAction = ShipEditAdd; nAction <= ShipEditDown; ++nAction)
    {
        CButton& button = GetActionButton(nAction);
        if (button.m_hWnd != nullptr)
            button.EnableWindow(CanDo(nAction, nRow));
    }
    if (::GetFocus() == nullptr)
        NextDlgCtrl();
}

BOOL CAuctionShipMethodControlBaseDialog::IsCommandEnabled(UINT nID)
{
    if (nID >= ID_SHIPMETHOD_MENU_FIRST && nID <= ID_SHIPMETHOD_MENU_LAST)
        return CanDo(CommandToAction(nID), GetSelectedRow());
    if (nID == ID_LINK_COPY || nID == ID_LINK_OPEN)
        return GetSelectedRow() >= 0;
    return CBaseDialog::IsCommandEnabled(nID);
}

void CAuctionShipMethodControlBaseDialog::DoAction(int nAction)
{
    switch (nAction)
    {
    case ShipEditAdd:
        OnAdd();
        break;
    case ShipEditEdit:
        OnEdit();
        break;
    case ShipEditDelete:
        OnDelete();
        break;
    case ShipEditUp:
    case ShipEditDown:
        OnMove(nAction == ShipEditUp);
        break;
    default:
        break;
    }
}

BOOL CAuctionShipMethodControlBaseDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED)
    {
        for (int nAction = ShipEditAdd; nAction <= ShipEditDown; ++nAction)
        {
            CButton& button = GetActionButton(nAction);
            if (button.m_hWnd != nullptr && nID == (UINT)button.GetDlgCtrlID())
            {
                if (CanDo(nAction, GetSelectedRow()))
                    DoAction(nAction);
                return TRUE;
            }
        }
    }
    if (nID >= ID_SHIPMETHOD_MENU_FIRST && nID <= ID_SHIPMETHOD_MENU_LAST)
    {
        const int nAction = CommandToAction(nID);
        if (CanDo(nAction, GetSelectedRow()))
            DoAction(nAction);
        return TRUE;
    }
    return CBaseDialog::OnCommand(wParam, lParam);
}

BOOL CAuctionShipMethodControlBaseDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = (const NMHDR*)lParam;
    if (pHeader != nullptr && m_list.m_hWnd != nullptr && pHeader->hwndFrom == m_list.m_hWnd &&
        pHeader->code == LVN_ITEMCHANGED)
        UpdateButtons();
    return CBaseDialog::OnNotify(wParam, lParam, pResult);
}

void CAuctionShipMethodControlBaseDialog::OnAdd()
{
    std::unique_ptr<CShipMethodAddBaseDialog> entry(CreateEntryDialog(this));
    if (entry == nullptr)
        return;
    entry->SetValue(0);
    CShipMethod method;
    if (InitNewMethod(method))
        entry->SetShipMethod(method);
    if (entry->DoModal() != IDOK)
        return;
    CShipMethod* pCopy = new CShipMethod;
    entry->GetShipMethod(*pCopy);
    const int nRow = m_list.InsertItem(m_list.GetItemCount(), "");
    if (nRow < 0)
    {
        delete pCopy;
        return;
    }
    m_list.SetItemData(nRow, (DWORD_PTR)pCopy);
    if (GetSelectedRow() < 0)
        m_list.SelectSingleItem(0);
    SetRowTexts(nRow);
    UpdateButtons();
    m_bModified = TRUE;
}

void CAuctionShipMethodControlBaseDialog::OnEdit()
{
    const int nRow = GetSelectedRow();
    CShipMethod* pMethod = (CShipMethod*)m_list.GetRowMethod(nRow);
    if (pMethod == nullptr)
        return;
    std::unique_ptr<CShipMethodAddBaseDialog> entry(CreateEntryDialog(this));
    if (entry == nullptr)
        return;
    entry->SetValue(1);
    entry->SetShipMethod(*pMethod);
    if (entry->DoModal() != IDOK)
        return;
    entry->GetShipMethod(*pMethod);
    SetRowTexts(nRow);
    m_bModified = TRUE;
}

void CAuctionShipMethodControlBaseDialog::OnDelete()
{
    const int nRow = GetSelectedRow();
    const CShipMethod* pMethod = m_list.GetRowMethod(nRow);
    if (pMethod == nullptr)
        return;
    const UINT nQuestionId = GetDeleteConfirmMessageId();
    if (nQuestionId != 0)
    {
        CString question;
        question.FormatMessage(nQuestionId, (LPCTSTR)pMethod->GetName());
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return;
    }
    delete pMethod;
    m_list.SetItemData(nRow, 0);
    m_list.DeleteRow(nRow);
    const int nCount = m_list.GetItemCount();
    if (nCount > 0)
        m_list.SelectSingleItem(nRow < nCount ? nRow : nCount - 1);
    UpdateButtons();
    m_bModified = TRUE;
}

void CAuctionShipMethodControlBaseDialog::OnMove(BOOL bUp)
{
    if (m_list.MoveSelectedItem(bUp) >= 0)
        m_bModified = TRUE;
    UpdateButtons();
}

void CAuctionShipMethodControlBaseDialog::OnCopyLink()
{
    m_list.CopyCellLink();
}

void CAuctionShipMethodControlBaseDialog::OnOpenLink()
{
    m_list.OpenCellLink();
}

void CAuctionShipMethodControlBaseDialog::OnOK()
{
    StoreListToRecords();
    CBaseDialog::OnOK();
}

void CAuctionShipMethodControlBaseDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    if (m_list.m_hWnd != nullptr)
        AddControl(&m_list, ANCHOR_FILL);
    for (int nAction = ShipEditAdd; nAction <= ShipEditDown; ++nAction)
    {
        CButton& button = GetActionButton(nAction);
        if (button.m_hWnd != nullptr)
            AddControl(&button, ANCHOR_RIGHT);
    }
    for (int nID : {IDOK, IDCANCEL, (int)IDC_DIALOG_HELP})
        AddControl(nID, ANCHOR_BOTTOM);
}

void CAuctionShipMethodControlBaseDialog::OnDestroy()
{
    if (m_list.m_hWnd != nullptr)
    {
        WriteSettingInt(kNameWidthKey, m_list.GetColumnWidth(0));
        WriteSettingInt(kFeeWidthKey, m_list.GetColumnWidth(1));
    }
    DeleteRowsWithData<CShipMethod>(m_list);
    CBaseDialog::OnDestroy();
}
