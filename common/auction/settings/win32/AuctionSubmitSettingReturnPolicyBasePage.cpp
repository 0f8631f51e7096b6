#include "auction/settings/AuctionSubmitSettingReturnPolicyBasePage.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingReturnPolicyBasePage, CAuctionSubmitSettingBasePage)

CAuctionSubmitSettingReturnPolicyBasePage::CAuctionSubmitSettingReturnPolicyBasePage(UINT nIDTemplate,
                                                                                     CWnd* pParentWnd,
                                                                                     UINT nHelpId,
                                                                                     UINT nSettingsId)
    : CAuctionSubmitSettingBasePage(nIDTemplate, 0, pParentWnd, nHelpId, nSettingsId),
      m_settings(GetSettingsId())
{
}

BOOL CAuctionSubmitSettingReturnPolicyBasePage::SaveSettings()
{
    return SaveWithVersion(m_settings);
}

BOOL CAuctionSubmitSettingReturnPolicyBasePage::Apply(CAuctionListingForm& form)
{
    return m_settings.Apply(form);
}

BOOL CAuctionSubmitSettingReturnPolicyBasePage::IsDefault()
{
    return m_settings.IsDefault();
}

void CAuctionSubmitSettingReturnPolicyBasePage::InitControls()
{
    FillChoices(m_policyCombo, 0);
    m_noteEdit.LimitText(MaxNoteChars);
    AddTail((DWORD)m_noteEdit.GetDlgCtrlID());
}

void CAuctionSubmitSettingReturnPolicyBasePage::UpdateControls()
{
    m_policyCombo.SetCurSel(m_settings.GetPolicy());
    m_noteEdit.SetWindowText(m_settings.GetNote());
}

void CAuctionSubmitSettingReturnPolicyBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

BOOL CAuctionSubmitSettingReturnPolicyBasePage::Validate(CTabbedDialog*)
{
    if (!HasWindow())
        return ValidateUnshown();
    if (m_policyCombo.GetCurSel() >= 0)
        m_settings.SetPolicy(m_policyCombo.GetCurSel());
    CString strNote;
    m_noteEdit.GetWindowText(strNote);
    m_settings.SetNote(strNote);
    return TRUE;
}

void CAuctionSubmitSettingReturnPolicyBasePage::FocusCombo()
{
    if (::IsWindow(m_policyCombo.m_hWnd))
        GotoDlgCtrl(&m_policyCombo);
}
