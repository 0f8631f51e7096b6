#include "auction/shipping/ShipSizeWeightDialog.h"

#include "auction/shipping/ShipEditorRules.h"

IMPLEMENT_DYNAMIC(CShipSizeWeightDialog, CBaseDialog)

namespace
{
void FillCombo(CComboBox& combo, const UINT* pIds)
{
    if (combo.m_hWnd == nullptr || pIds == nullptr)
        return;
    for (; *pIds != 0; ++pIds)
    {
        CString text;
        text.LoadString(*pIds);
        combo.AddString(text);
    }
}

void SelectEntry(CComboBox& combo, int nIndex)
{
    if (combo.m_hWnd != nullptr && nIndex >= 0 && nIndex < combo.GetCount())
        combo.SetCurSel(nIndex);
}
} // namespace

CShipSizeWeightDialog::CShipSizeWeightDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CShipSizeWeightDialog::~CShipSizeWeightDialog() {}

int CShipSizeWeightDialog::GetDefaultSizeIndex()
{
    return 0;
}

int CShipSizeWeightDialog::GetDefaultWeightIndex()
{
    return 0;
}

BOOL CShipSizeWeightDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    FillCombo(m_sizeCombo, GetSizeStringIds());
    FillCombo(m_weightCombo, GetWeightStringIds());
    SelectEntry(m_sizeCombo,
                FindSizeWeightIndex(ParcelDialogSizes, m_pair.GetFirst(), GetDefaultSizeIndex()));
    SelectEntry(m_weightCombo,
                FindSizeWeightIndex(ParcelDialogWeights, m_pair.GetSecond(), GetDefaultWeightIndex()));
    return TRUE;
}
