#include "controls/TempHtmlPreviewBasePage.h"

#include "controls/BrowserResourceIds.h"
#include "controls/HtmlCommView.h"
#include "controls/HtmlFrame.h"

IMPLEMENT_DYNAMIC(CTempHtmlPreviewBasePage, CTabbedPage)

CTempHtmlPreviewBasePage::CTempHtmlPreviewBasePage(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId,
                                                   UINT nSettingsId)
    : CTabbedPage(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
}

BOOL CTempHtmlPreviewBasePage::ShowPreview()
{
    return WriteAndShow(GetPreviewName());
}

LPCTSTR CTempHtmlPreviewBasePage::GetPreviewName()
{
    return "preview_page";
}

UINT CTempHtmlPreviewBasePage::GetPreviewCtrlId()
{
    return IDC_PREVIEW_PAGE_BROWSER;
}

void CTempHtmlPreviewBasePage::RefreshPreview()
{
    ShowPreview();
}

BOOL CTempHtmlPreviewBasePage::OnInitDialog()
{
    SetOwner(this);
    SetStatusWindow(&m_statusStatic);
    CTabbedPage::OnInitDialog();
    // Without a layout manager nobody asked for the layout step.
    if (!IsFrameAttempted())
        CreatePreviewFrame();
    RefreshPreview();
    return TRUE;
}

void CTempHtmlPreviewBasePage::RegisterLayoutControls()
{
    CTabbedPage::RegisterLayoutControls();
    CreatePreviewFrame();
    AddControl(IDOK, ANCHOR_BOTTOM_RIGHT);
}

void CTempHtmlPreviewBasePage::CreatePreviewFrame()
{
    CreateFrameOver(&m_placeholder, GetPreviewCtrlId());
}

void CTempHtmlPreviewBasePage::OnSetInitialFocus()
{
    CTabbedPage::OnSetInitialFocus();
    CHtmlFrame* pFrame = GetFrame();
    if (pFrame != nullptr && pFrame->IsViewValid())
        pFrame->GetView()->SetFocus();
}
