#include "app/TabbedPage.h"

#include "afx/MessageBox.h"
#include "app/TabbedDialog.h"
#include "app/WindowHelpers.h"

CTabbedPageLink::~CTabbedPageLink() = default;

int CTabbedPageLink::ShowMessageText(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    Activate(FALSE);
    return AfxMessageBox(lpszText, nType, nIDHelp);
}

void CTabbedPageLink::Activate(BOOL bPostActivate)
{
    CTabbedDialog* pDialog = GetTabbedDialog();
    if (pDialog != nullptr && pDialog->GetCurPageEntry() != this)
        pDialog->SelectEntry(this, bPostActivate);
}

BOOL CTabbedPageLink::Create(CWnd* pParent)
{
    return m_pPage != nullptr && m_pPage->CreateModeless(pParent);
}

BOOL CTabbedPageLink::Validate(CTabbedDialog*)
{
    return TRUE;
}

void CTabbedPageLink::Attach(CTabbedPage* pPage)
{
    m_pPage = pPage;
    if (pPage != nullptr)
    {
        pPage->SetDialogOption(CBaseDialog::dialogHosted);
        pPage->ClearDialogOption(CBaseDialog::dialogStandardTips);
    }
}

BOOL CTabbedPageLink::IsPageCreated() const
{
    return IsWindowValid(m_pPage);
}

int CTabbedPageLink::ShowMessage(UINT nIDText, UINT nType, UINT nIDHelp)
{
    CString strText;
    if (nIDText != 0)
        strText.LoadString(nIDText);
    return ShowMessageText(strText, nType, nIDHelp);
}

CTabbedDialog* CTabbedPageLink::GetTabbedDialog() const
{
    if (!IsPageCreated())
        return nullptr;
    auto* pDialog = dynamic_cast<CTabbedDialog*>(CWnd::FromHandlePermanent(::GetParent(m_pPage->m_hWnd)));
    return IsWindowValid(pDialog) ? pDialog : nullptr;
}

BOOL CTabbedPageLink::IsCurrentPage() const
{
    CTabbedDialog* pDialog = GetTabbedDialog();
    return pDialog != nullptr && pDialog->GetCurPageEntry() == this;
}

BOOL CTabbedPageLink::IsStartPage() const
{
    CTabbedDialog* pDialog = GetTabbedDialog();
    return pDialog != nullptr && pDialog->IndexOfEntry(this) == pDialog->GetStartTab();
}

IMPLEMENT_DYNAMIC(CTabbedPage, CBaseDialog)

CTabbedPage::CTabbedPage(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
    CTabbedPageLink::Attach(this);
}

CTabbedPage::~CTabbedPage() = default;
