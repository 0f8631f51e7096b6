#include "client/actions/relist/ResubmitChargeOptionDialog.h"

#include "afx/DataExchange.h"
#include "app/WindowTextCache.h"
#include "client/actions/relist/ResubmitChargeOptionPage.h"
#include "client/actions/relist/ResubmitResourceIds.h"

IMPLEMENT_DYNAMIC(CResubmitChargeOptionDialog, CTabbedDialog)

CResubmitChargeOptionDialog::CResubmitChargeOptionDialog(CWnd* pParentWnd)
    : CTabbedDialog(IDD_RESUBMIT_CHARGE_OPTION, IDC_CHARGE_TABS, pParentWnd, IDH_RESUBMIT_CHARGE_OPTION),
      m_nReserveMinimum(0), m_nCaptionId(0)
{
}

void CResubmitChargeOptionDialog::AddPages()
{
    auto* pPage = new CResubmitChargeOptionPage(this);
    if (m_nReserveMinimum > 0)
        pPage->SetReservePriceMinimum(m_nReserveMinimum);
    AddPage(pPage);
}

BOOL CResubmitChargeOptionDialog::OnInitDialog()
{
    CTabbedDialog::OnInitDialog();
    if (m_nCaptionId != 0)
        CWindowTextCache(m_nCaptionId).Apply(this);
    return TRUE;
}

void CResubmitChargeOptionDialog::AdjustSystemMenu(CMenu* pSystemMenu)
{
    CTabbedDialog::AdjustSystemMenu(pSystemMenu);
    SetAppIcon(IDI_CHARGE_OPTION);
}

void CResubmitChargeOptionDialog::DoDataExchange(CDataExchange* pDX)
{
    CTabbedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHARGE_HINT, m_hint);
}
