#include "controls/QuestionDialog.h"

#include "afx/Menu.h"
#include "afx/WinApp.h"

#include <cstring>

CQuestionDialog::CQuestionDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
    ClearDialogOption(dialogStandardTips);
}

CQuestionDialog::~CQuestionDialog() = default;

BOOL CQuestionDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (AfxGetApp() != nullptr)
    {
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            char szClass[16] = {};
            ::GetClassNameA(hChild, szClass, sizeof(szClass));
            if (_stricmp(szClass, "Static") == 0)
            {
                if (m_icon.SubclassWindow(hChild))
                    m_icon.SetIcon(::LoadIconA(nullptr, IDI_QUESTION));
                break;
            }
        }
    }
    if (HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL))
        SendMessage(WM_NEXTDLGCTL, (WPARAM)hCancel, TRUE);
    return FALSE;
}

void CQuestionDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CBaseDialog::AdjustSystemMenu(pSystemMenu);
    if (pSystemMenu != nullptr)
        pSystemMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}
