#include "client/actions/shared/DescriptionPreviewDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"

IMPLEMENT_DYNAMIC(CDescriptionPreviewDialog, CTempHtmlPreviewBaseDialog)

CDescriptionPreviewDialog::CDescriptionPreviewDialog(LPCTSTR text, CWnd* pParentWnd)
    : CTempHtmlPreviewBaseDialog(IDD_DESCRIPTION_PREVIEW, pParentWnd)
{
    if (text != nullptr)
        BuildPreviewHtml(text);
}

BOOL CDescriptionPreviewDialog::GetDefaultSize(CSize& size)
{
    size = CSize(DefaultWidth, DefaultHeight);
    return TRUE;
}

BOOL CDescriptionPreviewDialog::ShowPreview()
{
    // The host keeps the last path on a failed write: only a new one tells
    // that the file was made.
    m_strFilePath.Empty();
    const BOOL bShown = CTempHtmlPreviewBaseDialog::ShowPreview();
    if (m_strFilePath.IsEmpty())
        AfxMessageBox(IDS_TEMP_FILE_FAILED, MB_OK | MB_ICONEXCLAMATION);
    return bShown;
}

LPCTSTR CDescriptionPreviewDialog::GetPreviewName()
{
    return "preview_description";
}

void CDescriptionPreviewDialog::RegisterLayoutControls()
{
    CTempHtmlPreviewBaseDialog::RegisterLayoutControls();
    AddControl(IDC_DESCRIPTION_PREVIEW_STATUS, ANCHOR_STRETCH_X_BOTTOM);
}

BOOL CDescriptionPreviewDialog::OnInitDialog()
{
    EnableResize(TRUE);
    return CTempHtmlPreviewBaseDialog::OnInitDialog();
}

void CDescriptionPreviewDialog::DoDataExchange(CDataExchange* pDX)
{
    CTempHtmlPreviewBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DESCRIPTION_PREVIEW_STATUS, m_statusStatic);
    DDX_Control(pDX, IDC_DESCRIPTION_PREVIEW_BROWSER, m_placeholder);
}
