#include "auction/settings/AuctionSubmitSettingMarkdownBasePage.h"

#include "app/WindowHelpers.h"
#include "auction/settings/AuctionSubmitSettingBaseDialog.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingMarkdownBasePage, CAuctionSubmitSettingBasePage)

CAuctionSubmitSettingMarkdownBasePage::CAuctionSubmitSettingMarkdownBasePage(UINT nIDTemplate,
                                                                             CWnd* pParentWnd, UINT nHelpId,
                                                                             UINT nSettingsId)
    : CAuctionSubmitSettingBasePage(nIDTemplate, 0, pParentWnd, nHelpId, nSettingsId),
      m_settings(GetSettingsId())
{
}

BOOL CAuctionSubmitSettingMarkdownBasePage::SaveSettings()
{
    return SaveWithVersion(m_settings);
}

BOOL CAuctionSubmitSettingMarkdownBasePage::Apply(CAuctionListingForm& form)
{
    return m_settings.Apply(form);
}

BOOL CAuctionSubmitSettingMarkdownBasePage::IsDefault()
{
    return m_settings.IsDefault();
}

void CAuctionSubmitSettingMarkdownBasePage::InitControls()
{
    FillChoices(m_ratioCombo, 0);
}

void CAuctionSubmitSettingMarkdownBasePage::UpdateControls()
{
    SetChecked(m_toggleCheck, m_settings.IsOn());
    if (m_ratioCombo.SetCurSel(m_settings.GetRatioIndex()) == CB_ERR)
        m_ratioCombo.SetCurSel(0);
    UpdateEnabling(0);
}

void CAuctionSubmitSettingMarkdownBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

void CAuctionSubmitSettingMarkdownBasePage::UpdateEnabling(DWORD)
{
    const BOOL bOn = IsChecked(m_toggleCheck);
    EnableWindowIfExists(&m_ratioLabel, bOn);
    EnableWindowIfExists(&m_ratioCombo, bOn);
}

BOOL CAuctionSubmitSettingMarkdownBasePage::Validate(CTabbedDialog* pDialog)
{
    if (HasWindow())
    {
        const BOOL bOn = IsChecked(m_toggleCheck);
        m_settings.SetOn(bOn);
        m_settings.SetRatioIndex(bOn ? m_ratioCombo.GetCurSel() : 0);
    }
    else if (!ValidateUnshown())
    {
        return FALSE;
    }
    if (!m_settings.IsOn())
        return TRUE;
    auto* pSettingDialog = dynamic_cast<CAuctionSubmitSettingBaseDialog*>(pDialog);
    const int nNumResubmit = pSettingDialog != nullptr && ::IsWindow(pSettingDialog->m_hWnd)
                                 ? pSettingDialog->GetNumResubmit()
                                 : -1;
    switch (m_settings.CheckResubmits(nNumResubmit))
    {
    case CSubmitMarkdownSettings::CheckPasses:
        return TRUE;
    case CSubmitMarkdownSettings::CheckNoResubmit:
        ShowInputError(0);
        break;
    case CSubmitMarkdownSettings::CheckConfirm:
        if (ConfirmPage(1) == IDYES)
            return TRUE;
        break;
    }
    FocusCheckBox();
    return FALSE;
}

void CAuctionSubmitSettingMarkdownBasePage::FocusCheckBox()
{
    if (::IsWindow(m_toggleCheck.m_hWnd))
        GotoDlgCtrl(&m_toggleCheck);
}
