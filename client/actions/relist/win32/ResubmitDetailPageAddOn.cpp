#include "client/actions/relist/ResubmitDetailPageAddOn.h"

#include "afx/Rect.h"
#include "app/DialogProfile.h"
#include "app/WindowHelpers.h"
#include "auction/settings/AuctionSubmitSettingBasePage.h"
#include "client/actions/relist/ResubmitDetailSettingSubDialog.h"
#include "client/actions/relist/ResubmitSettingDialog.h"

namespace
{
// The section in which an older release kept the version of every page.
const UINT kVersionSection = 180;
const char kVersionKey[] = "DlgRegVersion";

enum
{
    NormalListingMode = 2,
    EasyTradingMode = 3
};
} // namespace

CResubmitDetailPageAddOn::CResubmitDetailPageAddOn(CWnd* pOwner) : m_pOwner(pOwner) {}

CResubmitDetailPageAddOn::~CResubmitDetailPageAddOn() = default;

int CResubmitDetailPageAddOn::PrepareSubPages()
{
    return 0;
}

BOOL CResubmitDetailPageAddOn::ApplyWithSubPages(CAuctionListingForm&, int)
{
    return FALSE;
}

int CResubmitDetailPageAddOn::GetResubmitType() const
{
    if (m_pOwner == nullptr || !::IsWindow(m_pOwner->m_hWnd))
        return 0;
    auto* pDialog =
        dynamic_cast<CResubmitSettingDialog*>(CWnd::FromHandlePermanent(::GetParent(m_pOwner->m_hWnd)));
    return pDialog != nullptr ? pDialog->GetResubmitType() : 0;
}

int GetDetailRegVersion(int nOwnVersion)
{
    return nOwnVersion != 0 ? nOwnVersion : GetDialogProfileInt(kVersionSection, kVersionKey, 0);
}

CResubmitDetailContainerAddOn::CResubmitDetailContainerAddOn(CAuctionSubmitSettingBasePage& page,
                                                             CWnd* pOwner)
    : CResubmitDetailPageAddOn(pOwner), m_pSubDialog(nullptr), m_page(page)
{
}

CResubmitDetailContainerAddOn::~CResubmitDetailContainerAddOn()
{
    if (m_pSubDialog != nullptr && ::IsWindow(m_pSubDialog->m_hWnd))
        m_pSubDialog->DestroyWindow();
    delete m_pSubDialog;
}

int CResubmitDetailContainerAddOn::PrepareSubPages()
{
    if (m_pSubDialog == nullptr)
        m_pSubDialog = NewSubDialog();
    if (m_pSubDialog == nullptr)
        return 0;
    if (m_pSubDialog->GetPageCount() > 0)
        return 1;
    m_pSubDialog->AddPages();
    return m_pSubDialog->GetPageCount() > 0;
}

BOOL CResubmitDetailContainerAddOn::ApplyWithSubPages(CAuctionListingForm& form, int nEasyTrading)
{
    BOOL bWritten = m_page.Apply(form);
    if (m_pSubDialog == nullptr)
        return bWritten;
    const int nMode = nEasyTrading != 0 ? EasyTradingMode : NormalListingMode;
    for (int i = 0; i < m_pSubDialog->GetPageCount(); ++i)
    {
        CAuctionSubmitSettingBasePage* pPage = m_pSubDialog->GetSettingPage(i);
        if (pPage != nullptr && pPage->GetPageMode() == nMode && pPage->Apply(form))
        {
            bWritten = TRUE;
            break;
        }
    }
    return bWritten;
}

void CResubmitDetailContainerAddOn::SaveSubPages()
{
    for (int i = 0; m_pSubDialog != nullptr && i < m_pSubDialog->GetPageCount(); ++i)
    {
        if (CAuctionSubmitSettingBasePage* pPage = m_pSubDialog->GetSettingPage(i))
            pPage->SaveSettings();
    }
}

BOOL CResubmitDetailContainerAddOn::AreSubPagesDefault() const
{
    for (int i = 0; m_pSubDialog != nullptr && i < m_pSubDialog->GetPageCount(); ++i)
    {
        CAuctionSubmitSettingBasePage* pPage = m_pSubDialog->GetSettingPage(i);
        if (pPage != nullptr && !pPage->IsDefault())
            return FALSE;
    }
    return TRUE;
}

void CResubmitDetailContainerAddOn::ResetSubPages()
{
    for (int i = 0; m_pSubDialog != nullptr && i < m_pSubDialog->GetPageCount(); ++i)
    {
        if (CAuctionSubmitSettingBasePage* pPage = m_pSubDialog->GetSettingPage(i))
            pPage->ResetToDefaults();
    }
}

BOOL CResubmitDetailContainerAddOn::ReadSubPages()
{
    return m_pSubDialog == nullptr || m_pSubDialog->ValidatePages();
}

void CResubmitDetailContainerAddOn::ShowSubDialog()
{
    if (m_pSubDialog == nullptr || ::IsWindow(m_pSubDialog->m_hWnd) || !IsWindowValid(&m_placeholder) ||
        !m_pSubDialog->CreateModeless(&m_page))
        return;
    CRect rcPlace;
    m_placeholder.GetWindowRect(&rcPlace);
    m_page.ScreenToClient(&rcPlace);
    m_pSubDialog->SetWindowPos(&m_placeholder, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(),
                               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CResubmitDetailContainerAddOn::DestroySubDialog()
{
    if (m_pSubDialog != nullptr && ::IsWindow(m_pSubDialog->m_hWnd))
        m_pSubDialog->DestroyWindow();
}

int CResubmitDetailContainerAddOn::ConfirmUnopened(int nWhich, UINT nIDText)
{
    if (nWhich != 0 || GetResubmitType() == 0)
        return IDYES;
    const int nAnswer = m_page.ShowMessage(nIDText, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (nAnswer == IDYES)
        m_page.MarkPermanentState2();
    return nAnswer;
}
