#include "auction/shipping/ShipMethodAddBaseDialog.h"

IMPLEMENT_DYNAMIC(CShipMethodAddBaseDialog, CBaseDialog)

CShipMethodAddBaseDialog::CShipMethodAddBaseDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CShipMethodAddBaseDialog::~CShipMethodAddBaseDialog() {}
