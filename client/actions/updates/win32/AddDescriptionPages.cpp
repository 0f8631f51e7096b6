#include "client/actions/updates/AddDescriptionPages.h"

#include "afx/DataExchange.h"
#include "client/OptionSettings.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"

IMPLEMENT_DYNAMIC(CAddDescriptionTextPage, CTabbedPage)

CAddDescriptionTextPage::CAddDescriptionTextPage(CWnd* pParentWnd)
    : CTabbedPage(IDD_ADD_DESCRIPTION_TEXT, pParentWnd)
{
}

void CAddDescriptionTextPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_ADD_DESCRIPTION_TEXT_TITLE);
}

CString CAddDescriptionTextPage::GetText() const
{
    if (m_edit.m_hWnd == nullptr)
        return m_strText;
    CString text;
    m_edit.GetWindowText(text);
    return text;
}

void CAddDescriptionTextPage::SetText(LPCTSTR text)
{
    m_strText = text;
    if (m_edit.m_hWnd != nullptr)
        m_edit.SetText(text);
}

void CAddDescriptionTextPage::DoDataExchange(CDataExchange* pDX)
{
    CTabbedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADD_DESCRIPTION_EDIT, m_edit);
}

BOOL CAddDescriptionTextPage::OnInitDialog()
{
    EnableResize(TRUE);
    CTabbedPage::OnInitDialog();
    COptionSettings options;
    options.LoadFromProfile();
    options.ApplyEditFontSize(&m_edit);
    m_edit.LimitText(TextByteLimit);
    m_edit.SetText(m_strText);
    return TRUE;
}

void CAddDescriptionTextPage::RegisterLayoutControls()
{
    CTabbedPage::RegisterLayoutControls();
    AddControl(IDC_ADD_DESCRIPTION_EDIT, ANCHOR_FILL);
}

IMPLEMENT_DYNAMIC(CAddDescriptionPreviewPage, CTempHtmlPreviewBasePage)

CAddDescriptionPreviewPage::CAddDescriptionPreviewPage(CWnd* pParentWnd)
    : CTempHtmlPreviewBasePage(IDD_ADD_DESCRIPTION_PREVIEW, pParentWnd)
{
}

void CAddDescriptionPreviewPage::GetTitle(CString& strTitle)
{
    strTitle.LoadString(IDS_ADD_DESCRIPTION_PREVIEW_TITLE);
}

LPCTSTR CAddDescriptionPreviewPage::GetPreviewName()
{
    return "update_auction_page";
}

void CAddDescriptionPreviewPage::ShowText(LPCTSTR text)
{
    BuildPreviewHtml(text);
    if (m_hWnd != nullptr)
        RefreshPreview();
}

void CAddDescriptionPreviewPage::DoDataExchange(CDataExchange* pDX)
{
    CTempHtmlPreviewBasePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADD_DESCRIPTION_PREVIEW_STATUS, m_statusStatic);
    DDX_Control(pDX, IDC_ADD_DESCRIPTION_PREVIEW, m_placeholder);
}
