#include "controls/TextSizeDialog.h"

#include "afx/DataExchange.h"
#include "afx/afxres.h"
#include "controls/ControlsResourceIds.h"
#include "text/SystemInfo.h"

BEGIN_MESSAGE_MAP(CTextSizeDialog, CBaseDialog)
ON_CBN_SELCHANGE(IDC_TEXT_SIZE_LIST, OnSizeChanged)
ON_BN_CLICKED(IDC_TEXT_SIZE_RESET, OnResetClicked)
END_MESSAGE_MAP()

CTextSizeSample::CTextSizeSample()
{
    AddStyleBits(styleFrame);
    SetTextColor(RGB(0, 0, 0));
    SetBkColor(RGB(255, 255, 255));
    SetFrameColor(RGB(128, 128, 128));
    SetMargins(5);
}

CTextSizeDialog::CTextSizeDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
}

CTextSizeDialog::~CTextSizeDialog() = default;

void CTextSizeDialog::OnReset() {}

UINT CTextSizeDialog::GetSampleFormatId()
{
    return 0;
}

const UINT* CTextSizeDialog::GetSizeListId()
{
    return nullptr;
}

BOOL CTextSizeDialog::MapSelection(int& nIndex)
{
    return TRUE;
}

BOOL CTextSizeDialog::GetPointSize(int nIndex, int& nTenths)
{
    return FALSE;
}

void CTextSizeDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEXT_SIZE_LIST, m_combo);
    DDX_Control(pDX, IDC_TEXT_SIZE_SAMPLE, m_sample);
}

BOOL CTextSizeDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (const UINT nFormatId = GetSampleFormatId())
    {
        CString strFormat, strTitle, strVersion, strSample;
        strFormat.LoadString(nFormatId);
        strTitle.LoadString(AFX_IDS_APP_TITLE);
        GetOwnVersionText(strVersion);
        strSample.Format(strFormat, (LPCTSTR)strTitle, (LPCTSTR)strVersion);
        m_sample.SetText(strSample);
    }
    if (const UINT* pIds = GetSizeListId())
        m_combo.FillFromStringIds(pIds);
    m_combo.SetCurSel(m_nSelection);
    ShowChosenSize();
    return TRUE;
}

void CTextSizeDialog::ShowChosenSize()
{
    int nIndex = m_combo.GetCurSel();
    if (!MapSelection(nIndex))
        return;
    int nTenths = 0;
    if (GetPointSize(nIndex, nTenths))
    {
        m_sample.SetFontPointSize(nTenths);
        m_sample.Redraw();
    }
}

void CTextSizeDialog::OnSizeChanged()
{
    ShowChosenSize();
}

void CTextSizeDialog::OnResetClicked()
{
    OnReset();
    m_combo.SetCurSel(m_nSelection);
    ShowChosenSize();
}

void CTextSizeDialog::OnOK()
{
    int nIndex = m_combo.GetCurSel();
    MapSelection(nIndex);
    m_nSelection = nIndex;
    CBaseDialog::OnOK();
}
