#include "controls/ColorSettingDialog.h"

#include "controls/ColorPickDialog.h"

IMPLEMENT_DYNAMIC(CColorSettingDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CColorSettingDialog, CBaseDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorSettingDialog::CColorSettingDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId)
{
}

CColorSettingDialog::~CColorSettingDialog() = default;

BOOL CColorSettingDialog::UseLightShade(int)
{
    return FALSE;
}

UINT CColorSettingDialog::GetToolTipId(int)
{
    return 0;
}

void CColorSettingDialog::OnResetColors() {}

void CColorSettingDialog::SetRowCount(int nCount)
{
    if (nCount < 0)
        nCount = 0;
    m_colors.resize(nCount, (COLORREF)-1);
    m_combos.resize(nCount);
    for (auto& pCombo : m_combos)
    {
        if (!pCombo)
            pCombo = std::make_unique<CColorCombo>();
    }
}

void CColorSettingDialog::SetColor(int nRow, COLORREF c)
{
    if (nRow >= 0 && nRow < GetRowCount())
        m_colors[nRow] = c;
}

COLORREF CColorSettingDialog::GetColor(int nRow) const
{
    return nRow >= 0 && nRow < GetRowCount() ? m_colors[nRow] : (COLORREF)-1;
}

CColorCombo* CColorSettingDialog::GetCombo(int nRow)
{
    if (nRow < 0 || nRow >= (int)m_combos.size() || m_combos[nRow]->m_hWnd == nullptr)
        return nullptr;
    return m_combos[nRow].get();
}

void CColorSettingDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        UINT nID = GetComboId(nRow);
        if (nID != 0)
            DDX_Control(pDX, (int)nID, *m_combos[nRow]);
    }
}

BOOL CColorSettingDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        CColorCombo* pCombo = GetCombo(nRow);
        if (pCombo == nullptr)
            continue;
        pCombo->SetOtherEntry(TRUE);
        if (UseLightShade(nRow))
            pCombo->SetShade(COLOR_SHADE_LIGHT);
        pCombo->Init(0);
        CString strKey = GetProfileKey(nRow);
        pCombo->SetOtherColor(strKey.IsEmpty() ? RGB(255, 255, 255)
                                               : (COLORREF)GetSettingInt(strKey, (int)RGB(255, 255, 255)));
    }
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        if (CColorCombo* pCombo = GetCombo(nRow))
            pCombo->SelectColor(m_colors[nRow]);
    }
    return TRUE;
}

void CColorSettingDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        UINT nText = GetToolTipId(nRow);
        CColorCombo* pCombo = GetCombo(nRow);
        if (nText != 0 && pCombo != nullptr)
            AddToolTip(pCombo, nText);
    }
}

BOOL CColorSettingDialog::ChooseOtherColor(int nRow)
{
    CColorCombo* pCombo = GetCombo(nRow);
    if (pCombo == nullptr)
        return FALSE;
    CColorPickDialog dialog(pCombo->GetSelectedColor(), CC_FULLOPEN, this);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    pCombo->SetOtherColor(dialog.GetColor());
    pCombo->SelectColor(dialog.GetColor());
    return TRUE;
}

void CColorSettingDialog::ResetColors()
{
    OnResetColors();
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        if (CColorCombo* pCombo = GetCombo(nRow))
            pCombo->SelectColor(m_colors[nRow]);
    }
}

void CColorSettingDialog::OnOK()
{
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        if (CColorCombo* pCombo = GetCombo(nRow))
            m_colors[nRow] = pCombo->GetSelectedColor();
    }
    CBaseDialog::OnOK();
}

void CColorSettingDialog::OnDestroy()
{
    // The other colours are remembered however the dialog ends.
    for (int nRow = 0; nRow < GetRowCount(); ++nRow)
    {
        CString strKey = GetProfileKey(nRow);
        CColorCombo* pCombo = GetCombo(nRow);
        if (!strKey.IsEmpty() && pCombo != nullptr)
            WriteSettingInt(strKey, (int)pCombo->GetOtherColor());
    }
    CBaseDialog::OnDestroy();
}
