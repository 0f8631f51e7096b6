#ifndef TANZO_AUCTION_SHIPMETHODADDBASEDIALOG_H
#define TANZO_AUCTION_SHIPMETHODADDBASEDIALOG_H

// CShipMethodAddBaseDialog: the base of the dialog that adds or edits one
// shipping method (Windows builds); the client supplies the template and
// the controls, the base holds the record and a number the client sets.

#include "app/BaseDialog.h"
#include "auction/shipping/ShipMethod.h"

class CShipMethodAddBaseDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CShipMethodAddBaseDialog)
public:
    CShipMethodAddBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CShipMethodAddBaseDialog() override;

    void SetValue(int nValue) { m_nValue = nValue; }
    int GetValue() const { return m_nValue; }
    // Copies in and out.
    void SetShipMethod(const CShipMethod& method) { m_method.CopyFrom(method); }
    void GetShipMethod(CShipMethod& method) const { method.CopyFrom(m_method); }

protected:
    int m_nValue = 0;
    CShipMethod m_method;
};

#endif // TANZO_AUCTION_SHIPMETHODADDBASEDIALOG_H
