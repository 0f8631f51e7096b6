#include "auction/shipping/ShipMethodListCtrl.h"

#include "app/ClipboardShell.h"
#include "app/WebAddress.h"
#include "auction/shipping/AuctionShipMethodControlBaseDialog.h"

IMPLEMENT_DYNAMIC(CShipMethodListCtrl, CCommListCtrl)

BEGIN_MESSAGE_MAP(CShipMethodListCtrl, CCommListCtrl)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClick)
END_MESSAGE_MAP()

namespace
{
// The column of the fee, where a method's link shows.
const int kFeeColumn = 1;

CAuctionShipMethodControlBaseDialog* GetEditor(CWnd* pList)
{
    CWnd* pParent = pList->GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CAuctionShipMethodControlBaseDialog)))
        return nullptr;
    return static_cast<CAuctionShipMethodControlBaseDialog*>(pParent);
}
} // namespace

CShipMethodListCtrl::CShipMethodListCtrl() {}

CShipMethodListCtrl::~CShipMethodListCtrl() {}

const CShipMethod* CShipMethodListCtrl::GetRowMethod(int nRow) const
{
    if (m_hWnd == nullptr || nRow < 0 || nRow >= GetItemCount())
        return nullptr;
    return (const CShipMethod*)GetItemData(nRow);
}

BOOL CShipMethodListCtrl::IsLinkCell(int nRow, int nColumn) const
{
    const CShipMethod* pMethod = GetRowMethod(nRow);
    // Only what the browser may open is offered as a link.
    return nColumn == kFeeColumn && pMethod != nullptr && IsWebAddress(pMethod->GetLink());
}

void CShipMethodListCtrl::PostNotifyToParent(int nRow, int nColumn)
{
    const CShipMethod* pMethod = GetRowMethod(nRow);
    if (IsLinkCell(nRow, nColumn))
        OpenInBrowser(pMethod->GetLink(), m_hWnd);
}

COLORREF CShipMethodListCtrl::GetColumnTextColor(int nRow, int nColumn, BOOL bSelected)
{
    CAuctionShipMethodControlBaseDialog* pEditor = GetEditor(this);
    if (pEditor != nullptr && IsLinkCell(nRow, nColumn))
        return pEditor->GetLinkColor();
    return CCommListCtrl::GetColumnTextColor(nRow, nColumn, bSelected);
}

int CShipMethodListCtrl::GetCellStyle(int nRow, int nColumn, BOOL bSelected)
{
    int nStyle = CCommListCtrl::GetCellStyle(nRow, nColumn, bSelected);
    if (IsLinkCell(nRow, nColumn))
        nStyle |= LISTCOLUMN_LINK | LISTCOLUMN_UNDERLINE;
    return nStyle;
}

void CShipMethodListCtrl::OnRightClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CAuctionShipMethodControlBaseDialog* pEditor = GetEditor(this);
    if (pEditor != nullptr)
        m_cellMenu.Track(this, pEditor, pEditor->GetContextMenuId(0), pEditor->GetContextMenuId(1));
}

BOOL CShipMethodListCtrl::CLinkMenu::GetCellLinkText(CCommListCtrl* pList, CString& strText)
{
    const CShipMethod* pMethod = static_cast<CShipMethodListCtrl*>(pList)->GetRowMethod(GetHitRow());
    if (pMethod == nullptr || pMethod->GetLink().IsEmpty())
        return FALSE;
    strText = pMethod->GetLink();
    return TRUE;
}

void CShipMethodListCtrl::CLinkMenu::PrepareMenu(CCommListCtrl* pList, CMenu* pPopup)
{
    CAuctionShipMethodControlBaseDialog* pEditor = GetEditor(pList);
    if (pEditor != nullptr)
        pEditor->UpdateMenuEnabling(pPopup);
}
