#include "client/PageNumberDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "client/ListResourceIds.h"
#include "client/PageCommands.h"

CPageNumberDialog::CPageNumberDialog(CWnd* pParentWnd)
    : CBaseDialog(IDD_PAGE_NUMBER, pParentWnd, HID_PAGE_NUMBER)
{
}

CPageNumberDialog::~CPageNumberDialog() = default;

void CPageNumberDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGE_NUMBER_RANGE, m_range);
    DDX_Control(pDX, IDC_PAGE_NUMBER_SPIN, m_spin);
    DDX_Control(pDX, IDC_PAGE_NUMBER_EDIT, m_edit);
}

BOOL CPageNumberDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_edit.LimitText(CountPageDigits(m_nMaxPage));
    // The old message: 16-bit limits, upper first.
    m_spin.SendMessage(UDM_SETRANGE, 0, MAKELPARAM(m_nMaxPage, 1));
    CString strFormat, strRange;
    strFormat.LoadString(IDS_PAGE_RANGE);
    strRange.Format(strFormat, m_nMaxPage);
    m_range.SetWindowText(strRange);
    m_nCurrentPage = LimitPageToMaximum(m_nCurrentPage, m_nMaxPage);
    m_spin.SendMessage(UDM_SETPOS, 0, MAKELPARAM(m_nCurrentPage, 0));
    AddToolTipById(IDC_PAGE_NUMBER_EDIT, IDS_TIP_PAGE_NUMBER);
    AddToolTipById(IDC_PAGE_NUMBER_SPIN, IDS_TIP_PAGE_NUMBER);
    return TRUE;
}

void CPageNumberDialog::OnOK()
{
    const LRESULT lPos = m_spin.SendMessage(UDM_GETPOS);
    if (HIWORD(lPos) == 0)
    {
        m_nCurrentPage = (short)LOWORD(lPos);
        CBaseDialog::OnOK();
        return;
    }
    CString strMessage;
    strMessage.FormatMessage(IDS_NUMBER_OUT_OF_RANGE, 1, m_nMaxPage);
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
    m_edit.SetFocusSelectAll();
}
