#include "auction/settings/AuctionSubmitSettingBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingBasePage, CTabbedPage)

CAuctionSubmitSettingBasePage::CAuctionSubmitSettingBasePage(UINT nIDTemplate, int nPageMode,
                                                             CWnd* pParentWnd, UINT nHelpId, UINT nSettingsId)
    : CTabbedPage(nIDTemplate, pParentWnd, nHelpId, nSettingsId), m_nPageMode(nPageMode),
      m_state(GetSettingsId())
{
}

CAuctionSubmitSettingBasePage::~CAuctionSubmitSettingBasePage()
{
    m_state.SavePermanentState();
}

void CAuctionSubmitSettingBasePage::ResetToDefaults()
{
    SetDefaults();
    if (HasWindow())
        UpdateControls();
}

void CAuctionSubmitSettingBasePage::UpdateEnabling(DWORD) {}

const UINT* CAuctionSubmitSettingBasePage::GetChoiceStringIds(int)
{
    return nullptr;
}

void CAuctionSubmitSettingBasePage::ShowInputError(int) {}

int CAuctionSubmitSettingBasePage::ConfirmPage(int)
{
    return IDYES;
}

BOOL CAuctionSubmitSettingBasePage::SetRegVersion(int nVersion)
{
    return m_state.SetRegVersion(nVersion);
}

int CAuctionSubmitSettingBasePage::GetRegVersion()
{
    return m_state.GetRegVersion();
}

BOOL CAuctionSubmitSettingBasePage::IsUntouched()
{
    return m_state.IsUntouched(IsDefault(), GetRegVersion());
}

BOOL CAuctionSubmitSettingBasePage::CreateModeless(CWnd* pParentWnd)
{
    if (!CTabbedPage::CreateModeless(pParentWnd))
        return FALSE;
    m_state.GetPermanentState().Add(CSubmitSettingPageState::StateCreated);
    return TRUE;
}

BOOL CAuctionSubmitSettingBasePage::OnInitDialog()
{
    CTabbedPage::OnInitDialog();
    InitControls();
    UpdateControls();
    return TRUE;
}

BOOL CAuctionSubmitSettingBasePage::SaveWithVersion(const CSubmitSettings& settings)
{
    settings.Save();
    return SetRegVersion(CSubmitSettingPageState::CurrentRegVersion);
}

BOOL CAuctionSubmitSettingBasePage::ValidateUnshown()
{
    return !IsUntouched() || ConfirmPage(0) == IDYES;
}

void CAuctionSubmitSettingBasePage::FocusEdit(CEdit& edit)
{
    if (!::IsWindow(edit.m_hWnd))
        return;
    GotoDlgCtrl(&edit);
    edit.SetSel(0, -1);
    edit.SendMessage(EM_SCROLLCARET);
}

void CAuctionSubmitSettingBasePage::FillChoices(CCommComboBox& combo, int nWhich)
{
    if (!::IsWindow(combo.m_hWnd))
        return;
    combo.ResetContent();
    combo.FillFromStringIds(GetChoiceStringIds(nWhich));
}

int CAuctionSubmitSettingBasePage::CountChoices(int nWhich)
{
    const UINT* pIds = GetChoiceStringIds(nWhich);
    int nCount = 0;
    while (pIds != nullptr && pIds[nCount] != 0)
        ++nCount;
    return nCount;
}

BOOL CAuctionSubmitSettingBasePage::ReadSpinPos(const CSpinButtonCtrl& spin, int& nPos)
{
    // The 16-bit message reports a failed read in its high word.
    const DWORD dwPos = (DWORD)spin.SendMessage(UDM_GETPOS);
    if (HIWORD(dwPos) != 0)
        return FALSE;
    nPos = (short)LOWORD(dwPos);
    return TRUE;
}
