#include "auction/shipping/ShipServiceControlGroup.h"

namespace
{
BOOL HasWindow(const CWnd& wnd)
{
    return wnd.m_hWnd != nullptr && ::IsWindow(wnd.m_hWnd);
}

void FillCombo(CComboBox& combo, const UINT* pIds)
{
    if (!HasWindow(combo) || pIds == nullptr)
        return;
    combo.ResetContent();
    for (; *pIds != 0; ++pIds)
    {
        CString text;
        text.LoadString(*pIds);
        combo.AddString(text);
    }
}

// Only an entry the combo has.
void SelectEntry(CComboBox& combo, int nIndex)
{
    if (HasWindow(combo) && nIndex >= 0 && nIndex < combo.GetCount())
        combo.SetCurSel(nIndex);
}
} // namespace

CShipServiceControlGroup::CShipServiceControlGroup(int nGroup) : m_nGroup(nGroup) {}

CShipServiceControlGroup::~CShipServiceControlGroup() {}

void CShipServiceControlGroup::LoadFromRecord(const CAuctionShipping& terms)
{
    CShipServiceGroupState state;
    LoadShipServiceGroup(m_nGroup, terms, state);
    for (int i = 0; i < GetShipServiceBoxCount(m_nGroup); ++i)
    {
        if (HasWindow(m_checks[i]))
            m_checks[i].SetCheck(state.bChecks[i] ? BST_CHECKED : BST_UNCHECKED);
    }
    SelectEntry(m_timingCombo, state.nTiming);
    SelectEntry(m_sizeCombo, state.nSize);
    SelectEntry(m_weightCombo, state.nWeight);
    Refresh();
    UpdateEnabling(EnableParcel);
}

void CShipServiceControlGroup::ReadControls(CShipServiceGroupState& state) const
{
    for (int i = 0; i < GetShipServiceBoxCount(m_nGroup); ++i)
        state.bChecks[i] = HasWindow(m_checks[i]) && m_checks[i].GetCheck() == BST_CHECKED;
    state.nTiming = HasWindow(m_timingCombo) ? m_timingCombo.GetCurSel() : 0;
    state.nSize = HasWindow(m_sizeCombo) ? m_sizeCombo.GetCurSel() : -1;
    state.nWeight = HasWindow(m_weightCombo) ? m_weightCombo.GetCurSel() : -1;
}

BOOL CShipServiceControlGroup::StoreToRecord(CAuctionShipping& terms, DWORD what)
{
    CShipServiceGroupState state;
    ReadControls(state);
    return StoreShipServiceGroup(m_nGroup, terms, what, state);
}

void CShipServiceControlGroup::InitControls()
{
    FillCombo(m_timingCombo, GetChoiceStringIds(0));
    FillCombo(m_sizeCombo, GetChoiceStringIds(1));
    FillCombo(m_weightCombo, GetChoiceStringIds(2));
    Refresh();
    UpdateEnabling(EnableParcel);
}

void CShipServiceControlGroup::UpdateEnabling(DWORD which)
{
    if ((which & EnableParcel) == 0)
        return;
    const CButton& service = m_checks[GetShipServiceBoxCount(m_nGroup) - 1];
    const BOOL bEnable = HasWindow(service) && service.GetCheck() == BST_CHECKED;
    for (CWnd* pWnd : {(CWnd*)&m_timingCombo, (CWnd*)&m_sizeCombo, (CWnd*)&m_weightCombo,
                       (CWnd*)&m_timingLabel, (CWnd*)&m_sizeLabel, (CWnd*)&m_weightLabel})
    {
        if (HasWindow(*pWnd))
            pWnd->EnableWindow(bEnable);
    }
}

void CShipServiceControlGroup::Refresh()
{
    const BOOL bShow = !HasWindow(m_timingCombo) || m_timingCombo.GetCurSel() == 0;
    for (CWnd* pWnd :
         {(CWnd*)&m_sizeCombo, (CWnd*)&m_weightCombo, (CWnd*)&m_sizeLabel, (CWnd*)&m_weightLabel})
    {
        if (HasWindow(*pWnd))
            pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    }
}
