#include "controls/VersionInfoDialog.h"

#include "afx/DataExchange.h"
#include "afx/Time.h"
#include "afx/WinApp.h"
#include "controls/CopyrightYears.h"
#include "text/SystemInfo.h"

CVersionInfoDialog::CVersionInfoDialog(CWnd* pParentWnd, UINT nIDTemplate, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId)
{
}

CVersionInfoDialog::~CVersionInfoDialog() = default;

void CVersionInfoDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VERSION_ICON, m_icon);
    DDX_Control(pDX, IDC_VERSION_LINE, m_versionLine);
    DDX_Control(pDX, IDC_VERSION_URL, m_webAddress);
    DDX_Control(pDX, IDC_VERSION_NOTICE, m_notice);
}

BOOL CVersionInfoDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        m_icon.SetIcon(pApp->LoadIcon(IDR_MAINFRAME));

    CString strVersion;
    GetOwnVersionText(strVersion);
    CString strLine = pApp != nullptr ? pApp->m_pszAppName : "";
    strLine += " Version ";
    strLine += strVersion;
    m_versionLine.SetText(strLine);

    const int nCurrentYear = m_nCurrentYear >= 1 ? m_nCurrentYear : CTime::GetCurrentTime().GetYear();
    m_notice.SetWindowText(FormatCopyrightYears(m_nFirstYear, nCurrentYear));
    AddTail(IDC_VERSION_LINE);
    return TRUE;
}

void CVersionInfoDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    AddToolTip(&m_webAddress, IDS_PRODUCT_URL);
}
