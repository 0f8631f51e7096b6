#include "auction/settings/AuctionSubmitSettingPayNormalSubmitBasePage.h"

#include "afx/Menu.h"
#include "afx/MessageBox.h"
#include "app/WindowHelpers.h"
#include "auction/settings/PayMethodEntryDialog.h"

IMPLEMENT_DYNAMIC(CAuctionSubmitSettingPayNormalSubmitBasePage, CAuctionSubmitSettingPayBasePage)

const DWORD CAuctionSubmitSettingPayNormalSubmitBasePage::kCheckBits[CheckCount] = {
    CSubmitPaySettings::PayBankTransfer, CSubmitPaySettings::PayOther3, CSubmitPaySettings::PayOther4,
    CSubmitPaySettings::PayServiceSettle};

namespace
{
const int kMaxEntries = CSubmitPayNormalSettings::MaxListEntries;

void FillList(CListBox& list, const CStringArray& entries)
{
    list.ResetContent();
    for (int i = 0; i < entries.GetSize() && !entries[i].IsEmpty(); ++i)
        list.InsertString(-1, entries[i]);
    if (list.GetCount() > 0)
        list.SetCurSel(0);
}

void ReadList(const CListBox& list, CStringArray& entries)
{
    entries.RemoveAll();
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString strText;
        list.GetText(i, strText);
        entries.Add(strText);
    }
}
} // namespace

CAuctionSubmitSettingPayNormalSubmitBasePage::CAuctionSubmitSettingPayNormalSubmitBasePage(UINT nIDTemplate,
                                                                                           int nPageMode,
                                                                                           CWnd* pParentWnd)
    : CAuctionSubmitSettingPayBasePage(nIDTemplate, nPageMode, pParentWnd),
      m_settings(GetSettingsId(), nPageMode)
{
}

BOOL CAuctionSubmitSettingPayNormalSubmitBasePage::SaveSettings()
{
    return SaveWithVersion(m_settings);
}

BOOL CAuctionSubmitSettingPayNormalSubmitBasePage::Apply(CAuctionListingForm& form)
{
    return m_settings.Apply(form);
}

BOOL CAuctionSubmitSettingPayNormalSubmitBasePage::IsDefault()
{
    return m_settings.IsDefault();
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::InitControls() {}

void CAuctionSubmitSettingPayNormalSubmitBasePage::UpdateControls()
{
    for (DWORD dwBit : kCheckBits)
    {
        if ((m_settings.GetBitMask() & dwBit) != 0)
            SetChecked(CheckOf(dwBit), (m_settings.GetBits() & dwBit) != 0);
    }
    if (!m_settings.HasLists())
        return;
    FillList(m_bankNames.m_list, m_settings.GetBankNames());
    FillList(m_otherMethods.m_list, m_settings.GetOtherMethods());
    UpdateEnabling(EnableBankList | EnableOtherList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::SetDefaults()
{
    m_settings.SetDefaults();
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::UpdateEnabling(DWORD dwWhich)
{
    if (!m_settings.HasLists())
        return;
    if ((dwWhich & EnableBankList) != 0)
    {
        const BOOL bBank = IsChecked(CheckOf(CSubmitPaySettings::PayBankTransfer));
        EnableWindowIfExists(&m_bankLabel, bBank);
        EnableList(m_bankNames, bBank);
    }
    if ((dwWhich & EnableOtherList) != 0)
        EnableList(m_otherMethods, TRUE);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::EnableList(CPayMethodListControls& controls, BOOL bEnable)
{
    if (!::IsWindow(controls.m_list.m_hWnd))
        return;
    const BOOL bSelected = controls.m_list.GetCurSel() >= 0;
    EnableWindowIfExists(&controls.m_list, bEnable);
    EnableWindowIfExists(&controls.m_addButton, bEnable && controls.m_list.GetCount() < kMaxEntries);
    EnableWindowIfExists(&controls.m_editButton, bEnable && bSelected);
    EnableWindowIfExists(&controls.m_deleteButton, bEnable && bSelected);
}

BOOL CAuctionSubmitSettingPayNormalSubmitBasePage::Validate(CTabbedDialog*)
{
    if (!HasWindow())
        return ValidateUnshown();
    DWORD dwBits = 0;
    for (DWORD dwBit : kCheckBits)
    {
        if ((m_settings.GetBitMask() & dwBit) != 0 && IsChecked(CheckOf(dwBit)))
            dwBits |= dwBit;
    }
    const int nOther = ::IsWindow(m_otherMethods.m_list.m_hWnd) ? m_otherMethods.m_list.GetCount() : 0;
    if (m_settings.IsChoiceMissing(dwBits, nOther))
    {
        ShowInputError(0);
        GotoDlgCtrl(&CheckOf(CSubmitPaySettings::PayServiceSettle));
        return FALSE;
    }
    m_settings.SetBits(dwBits);
    if (m_settings.HasLists())
    {
        CStringArray entries;
        ReadList(m_bankNames.m_list, entries);
        m_settings.SetBankNames(entries);
        ReadList(m_otherMethods.m_list, entries);
        m_settings.SetOtherMethods(entries);
    }
    return TRUE;
}

BOOL CAuctionSubmitSettingPayNormalSubmitBasePage::HasNoPaymentChoice()
{
    return m_settings.HasNoPaymentChoice();
}

UINT CAuctionSubmitSettingPayNormalSubmitBasePage::GetDeleteConfirmMessageId()
{
    return 0;
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::OnAddBankName(CPayMethodEntryDialog& dialog)
{
    AddText(m_bankNames, dialog, EnableBankList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::OnEditBankName(CPayMethodEntryDialog& dialog)
{
    EditText(m_bankNames, dialog, EnableBankList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::OnDeleteBankName()
{
    DeleteText(m_bankNames, EnableBankList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::OnAddOtherMethod(CPayMethodEntryDialog& dialog)
{
    AddText(m_otherMethods, dialog, EnableOtherList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::OnEditOtherMethod(CPayMethodEntryDialog& dialog)
{
    EditText(m_otherMethods, dialog, EnableOtherList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::OnDeleteOtherMethod()
{
    DeleteText(m_otherMethods, EnableOtherList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::AddListText(LPCTSTR lpszText)
{
    if (lpszText != nullptr && *lpszText != '\0' && ::IsWindow(m_bankNames.m_list.m_hWnd) &&
        m_bankNames.m_list.GetCount() < kMaxEntries)
        InsertText(m_bankNames, -1, lpszText, EnableBankList);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::ShowListContextMenu(UINT nIDMenu)
{
    if (!m_settings.HasLists() || !::IsWindow(m_bankNames.m_addButton.m_hWnd))
        return;
    CMenu menu;
    if (!menu.LoadMenu(nIDMenu))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    CRect rcButton;
    m_bankNames.m_addButton.GetWindowRect(&rcButton);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, rcButton.left, rcButton.bottom, this);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::AddText(CPayMethodListControls& controls,
                                                           CPayMethodEntryDialog& dialog, DWORD dwWhich)
{
    if (!m_settings.HasLists() || !::IsWindow(controls.m_list.m_hWnd) ||
        controls.m_list.GetCount() >= kMaxEntries)
        return;
    dialog.SetEditFlag(CPayMethodEntryDialog::EditAdd);
    dialog.SetText("");
    if (dialog.DoModal() == IDOK)
        InsertText(controls, -1, dialog.GetText(), dwWhich);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::EditText(CPayMethodListControls& controls,
                                                            CPayMethodEntryDialog& dialog, DWORD dwWhich)
{
    if (!m_settings.HasLists() || !::IsWindow(controls.m_list.m_hWnd))
        return;
    const int nIndex = controls.m_list.GetCurSel();
    if (nIndex < 0)
        return;
    CString strText;
    controls.m_list.GetText(nIndex, strText);
    dialog.SetEditFlag(CPayMethodEntryDialog::EditChange);
    dialog.SetText(strText);
    if (dialog.DoModal() != IDOK)
        return;
    controls.m_list.DeleteString(nIndex);
    InsertText(controls, nIndex, dialog.GetText(), dwWhich);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::DeleteText(CPayMethodListControls& controls, DWORD dwWhich)
{
    if (!m_settings.HasLists() || !::IsWindow(controls.m_list.m_hWnd))
        return;
    const int nIndex = controls.m_list.GetCurSel();
    if (nIndex < 0)
        return;
    if (const UINT nQuestion = GetDeleteConfirmMessageId())
    {
        CString strText, strQuestion;
        controls.m_list.GetText(nIndex, strText);
        strQuestion.FormatMessage(nQuestion, (LPCTSTR)strText);
        if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return;
    }
    controls.m_list.DeleteString(nIndex);
    const int nCount = controls.m_list.GetCount();
    if (nCount > 0)
        controls.m_list.SetCurSel(nIndex < nCount ? nIndex : nCount - 1);
    UpdateEnabling(dwWhich);
}

void CAuctionSubmitSettingPayNormalSubmitBasePage::InsertText(CPayMethodListControls& controls, int nIndex,
                                                              LPCTSTR lpszText, DWORD dwWhich)
{
    const int nAt = controls.m_list.InsertString(nIndex, lpszText);
    if (nAt >= 0)
        controls.m_list.SetCurSel(nAt);
    UpdateEnabling(dwWhich);
}

CButton& CAuctionSubmitSettingPayNormalSubmitBasePage::CheckOf(DWORD dwBit)
{
    for (int i = 0; i < CheckCount; ++i)
    {
        if (kCheckBits[i] == dwBit)
            return m_checks[i];
    }
    return m_checks[0];
}
