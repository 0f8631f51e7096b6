#include "client/actions/relist/ResubmitSettingDialog.h"

#include "afx/DataExchange.h"
#include "afx/MsgMap.h"
#include "app/DialogProfile.h"
#include "app/WindowHelpers.h"
#include "app/WindowTextCache.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/relist/ResubmitCommonBasicPage.h"
#include "client/actions/relist/ResubmitDetailSettingDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/shared/CallbackSink.h"

namespace
{
const char kTypeKey[] = "ResubmitType";

} // namespace

IMPLEMENT_DYNAMIC(CResubmitSettingDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CResubmitSettingDialog, CBaseDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_RESUBMIT_TYPE_KEEP, IDC_RESUBMIT_TYPE_NEW, OnTypeClicked)
ON_BN_CLICKED(IDC_RESUBMIT_RESET, OnReset)
END_MESSAGE_MAP()

CResubmitSettingDialog::CResubmitSettingDialog(int nMode, CWnd* pParentWnd)
    : CBaseDialog(IDD_RESUBMIT_SETTING, pParentWnd, IDH_RESUBMIT_SETTING), m_nMode(nMode),
      m_nResubmitType(GetDialogProfileInt(IDD_RESUBMIT_SETTING, kTypeKey, TypeKeepPrevious))
{
    if (m_nResubmitType != TypeSetAnew)
        m_nResubmitType = TypeKeepPrevious;
}

CResubmitSettingDialog::~CResubmitSettingDialog()
{
    for (Pane& pane : m_panes)
    {
        if (pane.pWindow != nullptr && ::IsWindow(pane.pWindow->m_hWnd))
            pane.pWindow->DestroyWindow();
        delete pane.pWindow;
    }
}

CCallbackSink* CResubmitSettingDialog::GetSelectedSettings() const
{
    return m_panes[m_nResubmitType].pSettings;
}

BOOL CResubmitSettingDialog::HasPane(int nType) const
{
    return nType == TypeKeepPrevious || nType == TypeSetAnew;
}

BOOL CResubmitSettingDialog::CreatePane(int nType, CBaseDialog*& pWindow, CCallbackSink*& pSettings)
{
    if (nType == TypeKeepPrevious)
    {
        auto* pPage = new CResubmitCommonBasicPage(this);
        pWindow = pPage;
        pSettings = pPage->GetCallbackSink();
        return TRUE;
    }
    if (nType != TypeSetAnew)
        return FALSE;
    auto* pDetail = new CResubmitDetailSettingDialog(this);
    pWindow = pDetail;
    pSettings = pDetail->GetCallbackSink();
    return TRUE;
}

void CResubmitSettingDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RESUBMIT_PANE_PLACE, m_placeholder);
    DDX_Control(pDX, IDC_RESUBMIT_DONT_SAVE, m_dontSave);
}

BOOL CResubmitSettingDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    CWindowTextCache(m_nMode == ModeBeforeResubmit ? IDS_CAPTION_BEFORE_RESUBMIT : IDS_CAPTION_SETTINGS)
        .Apply(this);
    m_dontSave.ShowWindow(m_nMode == ModeBeforeResubmit ? SW_SHOW : SW_HIDE);

    for (int nType = 0; nType < TypeCount; ++nType)
        if (!HasPane(nType))
            EnableWindowIfExists(GetDlgItem(IDC_RESUBMIT_TYPE_KEEP + nType), FALSE);
    if (!HasPane(m_nResubmitType))
        m_nResubmitType = TypeKeepPrevious;
    CheckRadioButton(IDC_RESUBMIT_TYPE_KEEP, IDC_RESUBMIT_TYPE_NEW, IDC_RESUBMIT_TYPE_KEEP + m_nResubmitType);
    ShowPane(m_nResubmitType);
    if (m_nMode == ModeBeforeResubmit)
        SetFrameIcon(0);
    return TRUE;
}

void CResubmitSettingDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    AddToolTipById(IDC_RESUBMIT_TYPE_KEEP, IDS_TIP_TYPE_KEEP);
    AddToolTipById(IDC_RESUBMIT_TYPE_NEW, IDS_TIP_TYPE_NEW);
    AddToolTipById(IDC_RESUBMIT_DONT_SAVE, IDS_TIP_DONT_SAVE);
    AddToolTipById(IDC_RESUBMIT_RESET, IDS_TIP_RESET_DEFAULTS);
}

BOOL CResubmitSettingDialog::ShowPane(int nType)
{
    Pane& pane = m_panes[nType];
    if (pane.pWindow == nullptr && (!HasPane(nType) || !CreatePane(nType, pane.pWindow, pane.pSettings)))
    {
        pane = Pane();
        return FALSE;
    }
    if (!::IsWindow(pane.pWindow->m_hWnd))
    {
        if (!pane.pWindow->CreateModeless(this))
            return FALSE;
        CRect rcPlace;
        m_placeholder.GetWindowRect(&rcPlace);
        ScreenToClient(&rcPlace);
        pane.pWindow->SetWindowPos(&m_placeholder, rcPlace.left, rcPlace.top, 0, 0,
                                   SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int n = 0; n < TypeCount; ++n)
    {
        CBaseDialog* pWindow = m_panes[n].pWindow;
        if (pWindow != nullptr && ::IsWindow(pWindow->m_hWnd))
            pWindow->ShowWindow(n == nType ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

void CResubmitSettingDialog::OnTypeClicked(UINT nID)
{
    ShowPane((int)(nID - IDC_RESUBMIT_TYPE_KEEP));
}

void CResubmitSettingDialog::OnReset()
{
    for (Pane& pane : m_panes)
        if (pane.pSettings != nullptr)
            pane.pSettings->ResetToDefaults();
}

void CResubmitSettingDialog::OnOK()
{
    const int nType =
        IsDlgButtonChecked(IDC_RESUBMIT_TYPE_KEEP) == BST_CHECKED ? TypeKeepPrevious : TypeSetAnew;
    const BOOL bSave = m_nMode == ModeSettings || m_dontSave.GetCheck() != BST_CHECKED;
    // The panes read under the way now chosen: the detailed one asks about
    // its tabs never opened only when it is the way to re-list.
    const int nPreviousType = m_nResubmitType;
    m_nResubmitType = nType;
    for (int n = 0; n < TypeCount; ++n)
    {
        // Before a re-listing only the chosen way counts; else each shown one.
        const Pane& pane = m_panes[n];
        if (m_nMode == ModeBeforeResubmit ? n != nType : pane.pSettings == nullptr)
            continue;
        if (pane.pSettings == nullptr || !pane.pSettings->ReadAndSave(bSave))
        {
            m_nResubmitType = nPreviousType;
            return;
        }
    }
    if (bSave)
        WriteSettingInt(kTypeKey, m_nResubmitType);
    CBaseDialog::OnOK();
}
