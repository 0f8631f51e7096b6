#include "auction/dialogs/SendTargetDisplayBaseDialog.h"

#include "auction/dialogs/ValueTextConverter.h"

IMPLEMENT_DYNAMIC(CSendTargetDisplayBaseDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CSendTargetDisplayBaseDialog, CBaseDialog)
ON_WM_SIZE()
ON_COMMAND(IDC_SEND_TARGET_CLOSE, CloseWithOk)
END_MESSAGE_MAP()

CSendTargetDisplayBaseDialog::CSendTargetDisplayBaseDialog(UINT nIDTemplate, CValueTextConverter* pConverter,
                                                           CWnd* pParentWnd, UINT nSettingsId, UINT nHelpId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId), m_entries(10), m_pConverter(pConverter)
{
    EnableResize(TRUE, 600, 400);
}

CSendTargetDisplayBaseDialog::~CSendTargetDisplayBaseDialog() = default;

void CSendTargetDisplayBaseDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEND_TARGET_LIST, m_list);
    DDX_Control(pDX, IDC_SEND_TARGET_CLOSE, m_button);
}

void CSendTargetDisplayBaseDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    if (m_pLayout == nullptr)
        return;
    m_pLayout->AddControl(IDC_SEND_TARGET_LIST, ANCHOR_GROW_X | ANCHOR_GROW_Y);
    m_pLayout->AddControl(IDC_SEND_TARGET_CLOSE, ANCHOR_MOVE_Y);
    m_pLayout->AddControl(IDC_DIALOG_HELP, ANCHOR_MOVE_Y);
}

BOOL CSendTargetDisplayBaseDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    CString strTitle;
    strTitle.LoadString(GetColumnTitleId(0));
    m_list.InsertColumn(0, strTitle, LVCFMT_LEFT, 100);
    m_list.FitColumnsToWidth();
    for (POSITION pos = m_entries.GetHeadPosition(); pos != nullptr;)
    {
        void* pEntry = m_entries.GetNext(pos);
        CString strText;
        if (m_pConverter != nullptr && m_pConverter->GetText(pEntry, strText))
            m_list.InsertItem(m_list.GetItemCount(), strText);
    }
    if (m_list.GetItemCount() > 0)
        m_list.SelectSingleItem(0);
    return TRUE;
}

void CSendTargetDisplayBaseDialog::OnSize(UINT nType, int cx, int cy)
{
    CBaseDialog::OnSize(nType, cx, cy);
    if (m_list.m_hWnd != nullptr)
        m_list.FitColumnsToWidth();
}

void CSendTargetDisplayBaseDialog::CloseWithOk()
{
    EndDialog(IDOK);
}
