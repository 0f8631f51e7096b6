#include "client/FindDialog.h"

#include "afx/DataExchange.h"
#include "afx/MsgMap.h"
#include "client/FindResourceIds.h"
#include "controls/ControlsResourceIds.h"

IMPLEMENT_DYNAMIC(CFindDialog, CFindBaseDialog)

BEGIN_MESSAGE_MAP(CFindDialog, CFindBaseDialog)
ON_BN_CLICKED(IDC_FIND_SEARCH, OnSearch)
END_MESSAGE_MAP()

CFindDialog::CFindDialog(CWnd* pParentWnd) : CFindBaseDialog(IDD_FIND, pParentWnd, HID_FIND, IDD_FIND_SECTION)
{
}

CFindDialog::~CFindDialog() = default;

void CFindDialog::DoDataExchange(CDataExchange* pDX)
{
    CFindBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIND_MATCH_CASE, m_matchCase);
}

CButton* CFindDialog::GetOptionCheckBox()
{
    return m_matchCase.m_hWnd != nullptr ? &m_matchCase : nullptr;
}

void CFindDialog::SetStandardToolTips()
{
    CFindBaseDialog::SetStandardToolTips();
    AddToolTipById(IDC_FIND_TEXT, IDS_TIP_FIND_TEXT);
    AddToolTipById(IDC_FIND_MATCH_CASE, IDS_TIP_FIND_MATCH_CASE);
    AddToolTipById(IDC_FIND_SEARCH, IDS_TIP_FIND_SEARCH);
}

void CFindDialog::OnSearch()
{
    if (ReadInput())
        EndDialog(IDOK);
}

void CFindDialog::OnOK()
{
    OnSearch();
}
