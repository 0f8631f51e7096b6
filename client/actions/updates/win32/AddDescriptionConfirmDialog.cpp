#include "client/actions/updates/AddDescriptionConfirmDialog.h"

#include "afx/DataExchange.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"

IMPLEMENT_DYNAMIC(CAddDescriptionConfirmDialog, CTempHtmlPreviewBaseDialog)

CAddDescriptionConfirmDialog::CAddDescriptionConfirmDialog(LPCTSTR text, CWnd* pParentWnd)
    : CTempHtmlPreviewBaseDialog(IDD_ADD_DESCRIPTION_CONFIRM, pParentWnd)
{
    BuildPreviewHtml(text);
}

LPCTSTR CAddDescriptionConfirmDialog::GetPreviewName()
{
    return "update_auction";
}

BOOL CAddDescriptionConfirmDialog::GetDefaultSize(CSize& size)
{
    size = CSize(DefaultWidth, DefaultHeight);
    return TRUE;
}

void CAddDescriptionConfirmDialog::RegisterLayoutControls()
{
    CTempHtmlPreviewBaseDialog::RegisterLayoutControls();
    AddControl(IDC_ADD_CONFIRM_STATUS, ANCHOR_STRETCH_X_BOTTOM);
    AddControl(IDCANCEL, ANCHOR_BOTTOM_RIGHT);
}

BOOL CAddDescriptionConfirmDialog::OnInitDialog()
{
    EnableResize(TRUE);
    return CTempHtmlPreviewBaseDialog::OnInitDialog();
}

void CAddDescriptionConfirmDialog::DoDataExchange(CDataExchange* pDX)
{
    CTempHtmlPreviewBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADD_CONFIRM_STATUS, m_statusStatic);
    DDX_Control(pDX, IDC_ADD_CONFIRM_PREVIEW, m_placeholder);
}
