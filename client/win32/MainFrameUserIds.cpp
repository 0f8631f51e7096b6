// The main window's user-ID and find commands.
#include "client/FrameFindController.h"
#include "client/LoginConfirmation.h"
#include "client/MainFrame.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"
#include "client/TanzoView.h"
#include "client/UserIdCommands.h"
#include "client/UserIdManageDialog.h"

BOOL CFrameFindController::FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward, int nStartRow)
{
    CTanzoView* pView = m_frame.GetTanzoView();
    return pView != nullptr && pView->FindText(lpszText, bUpward ? 1 : 0,
                                               bMatchCase ? COptionSettings::FindMatchCase : 0, nStartRow);
}

void CFrameFindController::ShowFindStatus(LPCTSTR lpszText)
{
    m_frame.SetStatusText(lpszText, CMainFrame::StatusQuiet);
}

COptionSettings* CFrameFindController::GetOptions()
{
    return &m_frame.GetOptionSettings();
}

void CMainFrame::OnUserIdManage()
{
    CTanzoDoc* pDoc = GetTanzoDoc(this);
    if (pDoc == nullptr)
        return;
    CUserIdManageDialog dialog(this);
    if (ManageUserIds(*pDoc, dialog))
        ResetAndRefresh();
}

void CMainFrame::OnUserIdSwitch(UINT nID)
{
    CTanzoDoc* pDoc = GetTanzoDoc(this);
    if (pDoc != nullptr &&
        SwitchUserId(*pDoc, (int)(nID - ID_USER_ID_FIRST),
                     [this](const CUserAccount& account) { return ConfirmLoginOrSwitch(account, this); }))
        ResetAndRefresh();
}

void CMainFrame::OnFind()
{
    m_find.Find(this);
}

void CMainFrame::OnFindPrevious()
{
    m_find.FindAgain(TRUE, this);
}

void CMainFrame::OnFindNext()
{
    m_find.FindAgain(FALSE, this);
}
