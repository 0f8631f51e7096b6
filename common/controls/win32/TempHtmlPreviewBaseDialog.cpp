#include "controls/TempHtmlPreviewBaseDialog.h"

#include "controls/BrowserResourceIds.h"

IMPLEMENT_DYNAMIC(CTempHtmlPreviewBaseDialog, CBaseDialog)

CTempHtmlPreviewBaseDialog::CTempHtmlPreviewBaseDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, 0, nSettingsId)
{
}

BOOL CTempHtmlPreviewBaseDialog::GetDefaultSize(CSize&)
{
    return FALSE;
}

BOOL CTempHtmlPreviewBaseDialog::ShowPreview()
{
    return WriteAndShow(GetPreviewName());
}

LPCTSTR CTempHtmlPreviewBaseDialog::GetPreviewName()
{
    return "preview_dlg";
}

UINT CTempHtmlPreviewBaseDialog::GetPreviewCtrlId()
{
    return IDC_PREVIEW_DIALOG_BROWSER;
}

void CTempHtmlPreviewBaseDialog::RefreshPreview()
{
    ShowPreview();
}

void CTempHtmlPreviewBaseDialog::OnCreateFrameFailed() {}

BOOL CTempHtmlPreviewBaseDialog::OnInitDialog()
{
    CSize size;
    if (GetDefaultSize(size))
    {
        if (CDialogLayout* pLayout = GetLayout())
            pLayout->SetDefaultSize(size.cx, size.cy);
        else
            SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetOwner(this);
    SetStatusWindow(&m_statusStatic);
    CBaseDialog::OnInitDialog();
    // Without a layout manager nobody asked for the layout step.
    if (!IsFrameAttempted())
        CreatePreviewFrame();
    RefreshPreview();
    return TRUE;
}

void CTempHtmlPreviewBaseDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    CreatePreviewFrame();
    AddControl(IDOK, ANCHOR_BOTTOM_RIGHT);
}

void CTempHtmlPreviewBaseDialog::CreatePreviewFrame()
{
    if (!CreateFrameOver(&m_placeholder, GetPreviewCtrlId()))
        OnCreateFrameFailed();
}

void CTempHtmlPreviewBaseDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CBaseDialog::AdjustSystemMenu(pSystemMenu);
    SetIcon(::LoadIconA(nullptr, IDI_INFORMATION), TRUE);
}
