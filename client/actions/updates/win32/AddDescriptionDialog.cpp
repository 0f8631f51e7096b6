#include "client/actions/updates/AddDescriptionDialog.h"

#include "afx/MessageBox.h"
#include "app/DialogResourceIds.h"
#include "app/WindowTextCache.h"
#include "client/DataSetFiles.h"
#include "client/actions/updates/AddDescriptionConfirmDialog.h"
#include "client/actions/updates/AddDescriptionPages.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"

namespace
{
const char kDescriptionKey[] = "Description";
enum
{
    TextTab = 0,
    PreviewTab = 1
};
} // namespace

IMPLEMENT_DYNAMIC(CAddDescriptionDialog, CTabbedDialog)

CAddDescriptionDialog::CAddDescriptionDialog(CWnd* pParentWnd, int nMode)
    : CTabbedDialog(IDD_ADD_DESCRIPTION, IDC_ADD_DESCRIPTION_TABS, pParentWnd,
                    nMode == ModeAddToItems ? IDH_ADD_DESCRIPTION : IDH_ADD_DESCRIPTION_TEMPLATE),
      m_nMode(nMode), m_templateMenu(dataSetDescriptionTemplates), m_pTextPage(nullptr),
      m_pPreviewPage(nullptr)
{
    if (m_nMode == ModeAddToItems)
        GetSettingString(kDescriptionKey, m_strText, "");
}

void CAddDescriptionDialog::AddPages()
{
    m_pTextPage = new CAddDescriptionTextPage(this);
    m_pTextPage->SetText(m_strText);
    AddPage(m_pTextPage);
    m_pPreviewPage = new CAddDescriptionPreviewPage(this);
    AddPage(m_pPreviewPage);
}

BOOL CAddDescriptionDialog::OnInitDialog()
{
    EnableResize(TRUE, DefaultWidth, DefaultHeight);
    CTabbedDialog::OnInitDialog();
    m_templateMenu.SetOwnerWindow(this);
    if (CWnd* pButton = GetDlgItem(IDC_ADD_DESCRIPTION_TEMPLATES))
        pButton->ShowWindow(m_nMode == ModeAddToItems ? SW_SHOW : SW_HIDE);
    if (m_nMode == ModeAddTemplate)
        CWindowTextCache(IDS_CAPTION_ADD_TEMPLATE).Apply(this);
    else if (m_nMode == ModeEditTemplate)
        CWindowTextCache(IDS_CAPTION_EDIT_TEMPLATE).Apply(this);
    return TRUE;
}

void CAddDescriptionDialog::RegisterLayoutControls()
{
    CTabbedDialog::RegisterLayoutControls();
    AddControl(IDC_ADD_DESCRIPTION_TABS, ANCHOR_FILL);
    AddControl(IDC_ADD_DESCRIPTION_TEMPLATES, ANCHOR_BOTTOM);
    for (int nID : {IDOK, IDCANCEL, IDC_DIALOG_HELP})
        AddControl(nID, ANCHOR_BOTTOM_RIGHT);
}

CString CAddDescriptionDialog::GetEditedText() const
{
    return m_pTextPage != nullptr ? m_pTextPage->GetText() : m_strText;
}

void CAddDescriptionDialog::InsertText(LPCTSTR text)
{
    if (m_pTextPage == nullptr || !m_pTextPage->IsPageCreated())
        return;
    m_pTextPage->SetText(text);
    if (GetCurSel() == PreviewTab)
        m_pPreviewPage->ShowText(text);
}

void CAddDescriptionDialog::ShowSelectedPage(BOOL bPostActivate)
{
    // The preview shows what the text page holds now.
    if (GetCurSel() == PreviewTab && m_pPreviewPage != nullptr)
        m_pPreviewPage->ShowText(GetEditedText());
    CTabbedDialog::ShowSelectedPage(bPostActivate);
}

BOOL CAddDescriptionDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (nID == IDC_ADD_DESCRIPTION_TEMPLATES && HIWORD(wParam) == BN_CLICKED && lParam != 0)
    {
        CRect rc;
        ::GetWindowRect((HWND)lParam, &rc);
        m_templateMenu.Show(rc.left, rc.bottom);
        return TRUE;
    }
    if (lParam == 0 && m_templateMenu.HandleCommand(nID))
        return TRUE;
    return CTabbedDialog::OnCommand(wParam, lParam);
}

CTemplateStringItem* CAddDescriptionDialog::CreateTemplateFromInput()
{
    const CString text = GetEditedText();
    if (text.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        SelectPage(TextTab, TRUE);
        return nullptr;
    }
    return new CTemplateStringItem(nullptr, text);
}

void CAddDescriptionDialog::ApplyTemplate(const CTemplateStringItem& item)
{
    InsertText(item.GetText());
}

BOOL CAddDescriptionDialog::ConfirmAddition(const CString& text)
{
    CAddDescriptionConfirmDialog confirm(text, this);
    return confirm.DoModal() == IDOK;
}

void CAddDescriptionDialog::OnOK()
{
    const CString text = GetEditedText();
    if (text.IsEmpty())
    {
        AfxMessageBox(IDS_NOTHING_ENTERED, MB_OK | MB_ICONEXCLAMATION);
        SelectPage(TextTab, TRUE);
        return;
    }
    if (m_nMode == ModeAddToItems && !ConfirmAddition(text))
        return;
    m_strText = text;
    m_settings.SetText(text);
    if (m_nMode == ModeAddToItems)
        WriteSettingString(kDescriptionKey, text);
    CTabbedDialog::OnOK();
}
