#ifndef TANZO_AUCTION_USERIDEDITDIALOG_H
#define TANZO_AUCTION_USERIDEDITDIALOG_H

// The dialog of one entry of a user-ID list (Windows builds): the ID (read
// only when an existing entry is edited) and a memo; its account form adds
// the password and has the client verify an account whose password
// changed before the dialog closes. The templates are the client's, with
// the controls of auction/accounts/UserIdResourceIds.h.

#include "afx/Controls.h"
#include "afx/List.h"
#include "app/BaseDialog.h"
#include "app/ImeModeSwitch.h"
#include "auction/accounts/UserAccount.h"
#include "auction/accounts/UserIdEntry.h"
#include "controls/CommEdit.h"

#include <memory>

class CUserIdEditBaseDialog : public CBaseDialog
{
public:
    // A settings id of 0 is the template id.
    CUserIdEditBaseDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId = 0);
    ~CUserIdEditBaseDialog() override;

    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;

    // 1: the entry exists and its ID cannot change.
    void SetEditExisting(int nEditExisting) { m_nEditExisting = nEditExisting; }
    int GetEditExisting() const { return m_nEditExisting; }
    void SetEntryId(LPCTSTR lpszId);
    // An ID a new entry may not repeat (in any case).
    void AddExistingId(LPCTSTR lpszId);
    const CStringList& GetExistingIds() const { return m_existingIds; }
    // The edited entry, made on first use.
    CUserIdEntry* GetEntry();

protected:
    void OnOK() override;
    // Reads the fields into the entry; FALSE, with the message shown, when
    // one of them is refused.
    virtual BOOL ReadAndCheck();
    virtual CUserIdEntry* CreateEntry();
    // Shows the message and gives the edit the focus with its text selected.
    BOOL Refuse(UINT nMessageId, CCommEdit& edit);

    afx_msg void OnDestroy();

    CCommEdit m_idEdit;
    CCommEdit m_memoEdit;
    CStatic m_idStatic;
    CImeStatusKeeper m_ime;
    CStringList m_existingIds;
    int m_nEditExisting = 0;
    std::unique_ptr<CUserIdEntry> m_pEntry;

    DECLARE_MESSAGE_MAP()
};

// The account form: the entry is a CUserAccount with its password.
class CUserIdEditDialog : public CUserIdEditBaseDialog
{
public:
    CUserIdEditDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId = 0);
    ~CUserIdEditDialog() override;

    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;

    // Whether the account may be kept: the client's log-in test. Runs when
    // the password of the entry changed (always for a new one), on a copy;
    // pDialog is the dialog it runs for.
    virtual BOOL VerifyAccount(const CUserAccount& account, CWnd* pDialog) = 0;

    using CUserIdEditBaseDialog::GetEntry;
    // FALSE, the password kept, for more than 32 bytes.
    BOOL SetPassword(LPCTSTR lpszPassword);
    void GetPassword(CString& strPassword);
    void SetEntry(const CUserAccount& account);
    // FALSE while no entry was made.
    BOOL GetEntry(CUserAccount& out) const;

protected:
    BOOL ReadAndCheck() override;
    CUserIdEntry* CreateEntry() override;
    CUserAccount* GetAccount();

    CCommEdit m_passwordEdit;
    // The password the entry had when the dialog opened: a refused
    // verification must not make the same password count as unchanged.
    CString m_strStartPassword;
};

#endif // TANZO_AUCTION_USERIDEDITDIALOG_H
