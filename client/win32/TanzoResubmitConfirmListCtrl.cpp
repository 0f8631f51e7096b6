#include "client/TanzoResubmitConfirmListCtrl.h"

#include "app/MenuHelpers.h"
#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/ResubmitConfirmColumns.h"
#include "client/TanzoListParent.h"
#include "client/TargetListResourceIds.h"
#include "controls/ListCellMenu.h"

IMPLEMENT_DYNAMIC(CTanzoResubmitConfirmListCtrl, CTanzoAItemBaseListCtrl)

BEGIN_MESSAGE_MAP(CTanzoResubmitConfirmListCtrl, CTanzoAItemBaseListCtrl)
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

namespace
{
// The dialog decides which of the pop-up's commands can run.
class CParentCommandStates : public CCommandStateProvider
{
public:
    explicit CParentCommandStates(CTanzoListParent& parent) : m_parent(parent) {}
    BOOL IsCommandEnabled(UINT nID) override { return m_parent.IsListCommandEnabled(nID); }

private:
    CTanzoListParent& m_parent;
};

class CConfirmCellMenu : public CListCellMenu
{
public:
    explicit CConfirmCellMenu(CTanzoResubmitConfirmListCtrl& list) : m_list(list) {}

    BOOL GetCellLinkText(CCommListCtrl*, CString& strText) override
    {
        return HasHitCell() && m_list.GetCellLink(GetHitRow(), GetHitColumn(), strText);
    }
    void PrepareMenu(CCommListCtrl*, CMenu* pPopup) override
    {
        if (CTanzoListParent* pParent = m_list.GetListParent())
        {
            CParentCommandStates states(*pParent);
            UpdateMenuItems(pPopup, &states);
        }
    }

private:
    CTanzoResubmitConfirmListCtrl& m_list;
};
} // namespace

CTanzoResubmitConfirmListCtrl::CTanzoResubmitConfirmListCtrl() = default;

CTanzoResubmitConfirmListCtrl::~CTanzoResubmitConfirmListCtrl() = default;

int CTanzoResubmitConfirmListCtrl::GetColumnKind(int nColumn)
{
    return GetResubmitConfirmColumnKind(nColumn);
}

int CTanzoResubmitConfirmListCtrl::GetKindColumn(int nKind)
{
    return GetResubmitConfirmKindColumn(nKind);
}

CListCellMenu* CTanzoResubmitConfirmListCtrl::CreateCellMenu()
{
    return new CConfirmCellMenu(*this);
}

CTanzoListParent* CTanzoResubmitConfirmListCtrl::GetListParent() const
{
    return m_hWnd != nullptr ? dynamic_cast<CTanzoListParent*>(GetParent()) : nullptr;
}

void CTanzoResubmitConfirmListCtrl::ShowHoverText(LPCTSTR lpszText)
{
    if (CTanzoListParent* pParent = GetListParent())
        pParent->ShowListStatusText(lpszText, FALSE);
}

void CTanzoResubmitConfirmListCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    CTanzoAItemBaseListCtrl::OnRButtonDown(nFlags, point);
    CListCellMenu* pMenu = GetCellMenu();
    if (pMenu != nullptr && GetParent() != nullptr)
        pMenu->Track(this, GetParent(), IDR_CONFIRM_MENU, IDR_CELL_LINK_MENU);
}

BOOL CTanzoResubmitConfirmListCtrl::CRowFind::FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward,
                                                       int nStartRow)
{
    return m_list.GetSafeHwnd() != nullptr &&
           m_list.FindNextAndSelect(lpszText, nStartRow, -1, bMatchCase, bUpward);
}

void CTanzoResubmitConfirmListCtrl::CRowFind::ShowFindStatus(LPCTSTR lpszText)
{
    if (CTanzoListParent* pParent = m_list.GetListParent())
        pParent->ShowListStatusText(lpszText, TRUE);
}

COptionSettings* CTanzoResubmitConfirmListCtrl::CRowFind::GetOptions()
{
    return ::GetOptionSettings();
}
