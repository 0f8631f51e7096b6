#include "app/BusyState.h"

#include "afx/Menu.h"
#include "afx/MsgMap.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"

void EnableMainWindowClose(BOOL bEnable)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (pMain == nullptr || !::IsWindow(pMain->GetSafeHwnd()) || !pMain->IsFrameWnd())
        return;
    if (CMenu* pSystemMenu = pMain->GetSystemMenu(FALSE))
        pSystemMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
    pMain->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, FALSE);
}
