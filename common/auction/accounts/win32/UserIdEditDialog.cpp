#include "auction/accounts/UserIdEditDialog.h"

#include "afx/MessageBox.h"
#include "afx/MsgMap.h"
#include "app/WindowHelpers.h"
#include "auction/accounts/UserIdChecks.h"
#include "auction/accounts/UserIdResourceIds.h"

BEGIN_MESSAGE_MAP(CUserIdEditBaseDialog, CBaseDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CUserIdEditBaseDialog::CUserIdEditBaseDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParent, nHelpId, nSettingsId)
{
}

CUserIdEditBaseDialog::~CUserIdEditBaseDialog() = default;

CUserIdEntry* CUserIdEditBaseDialog::CreateEntry()
{
    return new CUserIdEntry;
}

CUserIdEntry* CUserIdEditBaseDialog::GetEntry()
{
    if (!m_pEntry)
        m_pEntry.reset(CreateEntry());
    return m_pEntry.get();
}

void CUserIdEditBaseDialog::SetEntryId(LPCTSTR lpszId)
{
    GetEntry()->SetID(lpszId);
}

void CUserIdEditBaseDialog::AddExistingId(LPCTSTR lpszId)
{
    m_existingIds.AddTail(LowerUserId(lpszId));
}

BOOL CUserIdEditBaseDialog::OnInitDialog()
{
    SubclassDlgItemIfExists(m_idEdit, IDC_USERID_ID, this);
    SubclassDlgItemIfExists(m_memoEdit, IDC_USERID_MEMO, this);
    SubclassDlgItemIfExists(m_idStatic, IDC_USERID_ID_STATIC, this);
    CBaseDialog::OnInitDialog();

    const CUserIdEntry* pEntry = GetEntry();
    if (m_memoEdit.m_hWnd != nullptr)
        m_memoEdit.LimitText(USERID_MEMO_MAX_BYTES);
    if (m_nEditExisting != 0)
    {
        if (m_idStatic.m_hWnd != nullptr)
        {
            m_idStatic.SetWindowText(pEntry->GetID());
            m_idStatic.ShowWindow(SW_SHOW);
        }
        if (m_idEdit.m_hWnd != nullptr)
            m_idEdit.ShowWindow(SW_HIDE);
    }
    else
    {
        if (m_idEdit.m_hWnd != nullptr)
        {
            m_idEdit.SetWindowText(pEntry->GetID());
            m_idEdit.ShowWindow(SW_SHOW);
        }
        if (m_idStatic.m_hWnd != nullptr)
            m_idStatic.ShowWindow(SW_HIDE);
    }
    if (!pEntry->GetMemo().IsEmpty() && m_memoEdit.m_hWnd != nullptr)
        m_memoEdit.SetWindowText(pEntry->GetMemo());
    // IDs and passwords are half-width: the input method stays off while
    // the dialog is open.
    if (m_ime.Save(this))
        m_ime.SetOpen(FALSE);
    return TRUE;
}

void CUserIdEditBaseDialog::RegisterLayoutControls()
{
    CBaseDialog::RegisterLayoutControls();
    AddControl(IDC_USERID_ID, ANCHOR_GROW_X);
    AddControl(IDC_USERID_ID_STATIC, ANCHOR_GROW_X);
    AddControl(IDC_USERID_MEMO, ANCHOR_GROW_X);
}

void CUserIdEditBaseDialog::OnDestroy()
{
    m_ime.Restore();
    CBaseDialog::OnDestroy();
}

BOOL CUserIdEditBaseDialog::Refuse(UINT nMessageId, CCommEdit& edit)
{
    AfxMessageBox(nMessageId, MB_OK | MB_ICONEXCLAMATION);
    if (edit.m_hWnd != nullptr)
        edit.SetFocusSelectAll();
    return FALSE;
}

BOOL CUserIdEditBaseDialog::ReadAndCheck()
{
    CUserIdEntry* pEntry = GetEntry();
    if (m_nEditExisting == 0)
    {
        CString strId;
        if (m_idEdit.m_hWnd != nullptr)
            m_idEdit.GetWindowText(strId);
        UINT nMessage = CheckNewUserId(strId, m_existingIds);
        if (nMessage == IDS_USERID_EXISTS)
        {
            AfxMessageBox(nMessage, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        if (nMessage != 0)
            return Refuse(nMessage, m_idEdit);
        pEntry->SetID(strId);
    }
    CString strMemo;
    if (m_memoEdit.m_hWnd != nullptr)
        m_memoEdit.GetWindowText(strMemo);
    pEntry->SetMemo(strMemo);
    return TRUE;
}

void CUserIdEditBaseDialog::OnOK()
{
    if (ReadAndCheck())
        CBaseDialog::OnOK();
}

// ---------------------------------------------------------------------------

CUserIdEditDialog::CUserIdEditDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId)
    : CUserIdEditBaseDialog(nIDTemplate, pParent, nHelpId, nSettingsId)
{
}

CUserIdEditDialog::~CUserIdEditDialog() = default;

CUserIdEntry* CUserIdEditDialog::CreateEntry()
{
    return new CUserAccount;
}

CUserAccount* CUserIdEditDialog::GetAccount()
{
    return static_cast<CUserAccount*>(GetEntry());
}

BOOL CUserIdEditDialog::SetPassword(LPCTSTR lpszPassword)
{
    return GetAccount()->SetPassword(lpszPassword);
}

void CUserIdEditDialog::GetPassword(CString& strPassword)
{
    strPassword = GetAccount()->GetPassword();
}

void CUserIdEditDialog::SetEntry(const CUserAccount& account)
{
    GetAccount()->CopyFrom(account);
}

BOOL CUserIdEditDialog::GetEntry(CUserAccount& out) const
{
    if (!m_pEntry)
        return FALSE;
    out.CopyFrom(*static_cast<const CUserAccount*>(m_pEntry.get()));
    return TRUE;
}

BOOL CUserIdEditDialog::OnInitDialog()
{
    SubclassDlgItemIfExists(m_passwordEdit, IDC_USERID_PASSWORD, this);
    CUserIdEditBaseDialog::OnInitDialog();
    m_strStartPassword = GetAccount()->GetPassword();
    if (m_passwordEdit.m_hWnd != nullptr)
    {
        m_passwordEdit.LimitText(CUserAccount::MaxPasswordBytes);
        if (!m_strStartPassword.IsEmpty())
            m_passwordEdit.SetWindowText(m_strStartPassword);
    }
    return TRUE;
}

void CUserIdEditDialog::RegisterLayoutControls()
{
    CUserIdEditBaseDialog::RegisterLayoutControls();
    AddControl(IDC_USERID_PASSWORD, ANCHOR_GROW_X);
}

BOOL CUserIdEditDialog::ReadAndCheck()
{
    if (!CUserIdEditBaseDialog::ReadAndCheck())
        return FALSE;
    CString strPassword;
    if (m_passwordEdit.m_hWnd != nullptr)
        m_passwordEdit.GetWindowText(strPassword);
    UINT nMessage = CheckPasswordText(strPassword);
    if (nMessage != 0)
        return Refuse(nMessage, m_passwordEdit);
    CUserAccount* pAccount = GetAccount();
    BOOL bChanged = IsPasswordChanged(m_nEditExisting != 0, m_strStartPassword, strPassword);
    pAccount->SetPassword(strPassword);
    if (!bChanged)
        return TRUE;
    CUserAccount account(*pAccount);
    return VerifyAccount(account, this);
}
