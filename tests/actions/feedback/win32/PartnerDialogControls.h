#ifndef TANZO_TESTS_ACTIONS_WIN32_PARTNERDIALOGCONTROLS_H
#define TANZO_TESTS_ACTIONS_WIN32_PARTNERDIALOGCONTROLS_H

// Reading an open partner dialog as a user sees it: its rows, their check
// boxes, and whether it is ready (its winner list read).

#include <string>
#include <vector>

#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/feedback/TanzoSendTargetSelectBaseDialog.h"
#include "client/win32/ClientAppFixture.h"

inline CTanzoSendTargetSelectBaseDialog* PartnerDialogOf(HWND hWnd)
{
    return dynamic_cast<CTanzoSendTargetSelectBaseDialog*>(CWnd::FromHandlePermanent(hWnd));
}

// The check cells of the dialog's rows.
inline std::vector<int> CheckCells(HWND hDialog)
{
    std::vector<int> cells;
    CTanzoRateTargetListCtrl& list = PartnerDialogOf(hDialog)->GetList();
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
        cells.push_back(list.GetCellFlags(nRow, 0));
    return cells;
}

inline std::vector<std::string> RowNames(HWND hDialog)
{
    std::vector<std::string> names;
    CTanzoRateTargetListCtrl& list = PartnerDialogOf(hDialog)->GetList();
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
        names.push_back((LPCTSTR)list.GetRowRecord(nRow)->GetName());
    return names;
}

// The partner dialog (found by one of its controls) other than hOther,
// once it has rows and no read of the winner list runs over it; null
// before.
inline HWND ReadyPartnerDialog(int nControlId, HWND hOther = nullptr)
{
    HWND hDialog = FindDialogWith(nControlId);
    if (hDialog == nullptr || hDialog == hOther || FindDialogWith(IDC_WINNER_UPDATE_ABORT) != nullptr)
        return nullptr;
    return PartnerDialogOf(hDialog)->GetList().GetItemCount() > 0 ? hDialog : nullptr;
}

#endif // TANZO_TESTS_ACTIONS_WIN32_PARTNERDIALOGCONTROLS_H
