#ifndef TANZO_AUCTION_SHIPSERVICECONTROLGROUP_H
#define TANZO_AUCTION_SHIPSERVICECONTROLGROUP_H

// The controls of one group of the service's fixed-price shipping
// services on a page (Windows builds): a check box per service, and for
// the service with a parcel a timing combo (0: the size is known now,
// 1: decided later), a size combo and a weight combo, each with a label.
// The page binds the members (DDX_Control) and calls the group on its
// boxes' and the timing combo's commands. CShipOptionControlGroup holds
// the boxes of flags 0x01, 0x04 and 0x02; CShipExtraOptionControlGroup
// those of 0x40 and 0x20.

#include "afx/Controls.h"
#include "auction/shipping/AuctionShipping.h"
#include "auction/shipping/ShipEditorRules.h"

class CShipServiceControlGroup
{
public:
    // Bit of UpdateEnabling.
    enum
    {
        EnableParcel = 0x1
    };

    explicit CShipServiceControlGroup(int nGroup);
    virtual ~CShipServiceControlGroup();

    // Zero-terminated string ids of the entries of the timing (0), size (1)
    // and weight (2) combos; null for none.
    virtual const UINT* GetChoiceStringIds(int nWhich) = 0;

    void LoadFromRecord(const CAuctionShipping& terms);
    // The parts chosen by what (ShipOptionStore... or ShipExtraStore...);
    // FALSE for none.
    BOOL StoreToRecord(CAuctionShipping& terms, DWORD what);
    void InitControls();
    // The timing, size and weight controls follow the service's box.
    void UpdateEnabling(DWORD which);
    // Size and weight show only while the size is known now.
    void Refresh();

    // Boxes in the group's order (the last is the service with a parcel).
    CButton m_checks[3];
    CComboBox m_timingCombo;
    CComboBox m_sizeCombo;
    CComboBox m_weightCombo;
    CStatic m_timingLabel;
    CStatic m_sizeLabel;
    CStatic m_weightLabel;

protected:
    void ReadControls(CShipServiceGroupState& state) const;

    int m_nGroup;

private:
    CShipServiceControlGroup(const CShipServiceControlGroup&) = delete;
    CShipServiceControlGroup& operator=(const CShipServiceControlGroup&) = delete;
};

class CShipOptionControlGroup : public CShipServiceControlGroup
{
public:
    CShipOptionControlGroup() : CShipServiceControlGroup(ShipGroupOption) {}
};

class CShipExtraOptionControlGroup : public CShipServiceControlGroup
{
public:
    CShipExtraOptionControlGroup() : CShipServiceControlGroup(ShipGroupExtra) {}
};

#endif // TANZO_AUCTION_SHIPSERVICECONTROLGROUP_H
