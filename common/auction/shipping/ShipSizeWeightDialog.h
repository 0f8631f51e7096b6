#ifndef TANZO_AUCTION_SHIPSIZEWEIGHTDIALOG_H
#define TANZO_AUCTION_SHIPSIZEWEIGHTDIALOG_H

// CShipSizeWeightDialog: the base of the dialog that shows a parcel's size
// and weight in two combo boxes (Windows builds). The derived dialog binds
// the combos and the hint (DDX_Control), gives the entries' texts and
// reads the selections on OK (ShipEditorRules' GetSizeWeightValue).

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "auction/records/SelectValue.h"

class CShipSizeWeightDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CShipSizeWeightDialog)
public:
    CShipSizeWeightDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CShipSizeWeightDialog() override;

    void SetSizeWeight(const CSelectValuePair& pair) { m_pair.CopyFrom(pair); }
    const CSelectValuePair& GetSizeWeight() const { return m_pair; }

    BOOL OnInitDialog() override;

protected:
    // Zero-terminated string ids of the combos' entries: the sizes 60, 70,
    // 80, 100, 120, 130, 140, 160 and 170 cm "up to", then over 170 cm; the
    // weights 2, 4, 5, 6, 8, 10, 11, 12, 14, 15, 16, 18, 20, 21, 25 and 30
    // kg "up to", then over 30 kg.
    virtual const UINT* GetSizeStringIds() = 0;
    virtual const UINT* GetWeightStringIds() = 0;
    // The entries chosen for a value not in the lists.
    virtual int GetDefaultSizeIndex();
    virtual int GetDefaultWeightIndex();

    CSelectValuePair m_pair;
    CComboBox m_sizeCombo;
    CComboBox m_weightCombo;
    CHintStatic m_hint;
};

#endif // TANZO_AUCTION_SHIPSIZEWEIGHTDIALOG_H
