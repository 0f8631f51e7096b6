#ifndef TANZO_AUCTION_USERIDLISTDIALOG_H
#define TANZO_AUCTION_USERIDLISTDIALOG_H

// The dialog of a whole user-ID list (Windows builds): the IDs with their
// memos in a list whose ID column links to the user's page on the service,
// with buttons to add, edit and delete. The entries are handed in before
// it runs and read back after it ended with OK. Its account form edits
// the user's own accounts; the account list runs it through
// CUserAccountEditor. The templates are the client's, with the controls of
// auction/accounts/UserIdResourceIds.h.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "auction/accounts/UserAccountEditor.h"
#include "auction/accounts/UserIdListData.h"
#include "controls/CommListCtrl.h"
#include "controls/ListCellMenu.h"

class CUserIdEditBaseDialog;
class CUserIdEditDialog;

class CUserIdListBaseDialog : public CBaseDialog
{
public:
    // Opens at 510 x 310 (saved sizes win), never smaller than its template.
    CUserIdListBaseDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId = 0);
    ~CUserIdListBaseDialog() override;

    BOOL OnInitDialog() override;
    // The link commands need a selected row with an address.
    BOOL IsCommandEnabled(UINT nID) override;
    // Edit and delete (and the check button) need a selected row.
    virtual void UpdateButtons();
    // The menu of a right click on the list (its first pop-up).
    virtual UINT GetContextMenuId() = 0;

    // ---- The entries
    void AddEntry(const CUserIdEntry& entry) { m_data.AddEntry(entry); }
    int GetEntryCount() const { return m_data.GetEntryCount(); }
    int FindEntry(LPCTSTR lpszId) const { return m_data.FindEntry(lpszId); }
    BOOL HasEntry(LPCTSTR lpszId) const { return m_data.HasEntry(lpszId); }
    BOOL IsModified(int nIndex) const { return m_data.IsModified(nIndex); }
    int GetAddedCount() const { return m_data.GetAddedCount(); }
    BOOL IsChanged() const { return m_data.IsChanged(); }
    BOOL GetEntry(int nIndex, CUserIdEntry& out) const { return m_data.GetEntry(nIndex, out); }
    BOOL GetAddedEntry(int nIndex, CUserIdEntry& out) const { return m_data.GetAddedEntry(nIndex, out); }

    // ---- The rows
    int GetSelectedRow() const;
    // Removes the row and selects the one after it (or the new last one).
    BOOL DeleteRow(int nRow);
    // Every row's ID is one a new entry may not repeat.
    void FillExistingIds(CUserIdEditBaseDialog* pDialog);
    // The address of the user's page on the service.
    BOOL GetRowLinkURL(int nRow, CString& strURL);
    CCommListCtrl& GetList() { return m_list; }
    const CUserIdListData& GetData() const { return m_data; }

protected:
    // The context menu's link items act on the row under the click.
    class CRowLinkMenu : public CListCellMenu
    {
    public:
        explicit CRowLinkMenu(CUserIdListBaseDialog* pDialog) : m_pDialog(pDialog) {}
        BOOL GetCellLinkText(CCommListCtrl* pList, CString& strText) override;
        void PrepareMenu(CCommListCtrl* pList, CMenu* pPopup) override;

    private:
        CUserIdListBaseDialog* m_pDialog;
    };

    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Shows the row's ID and memo at nRow.
    void InsertListRow(int nRow, const CUserIdRow& row);

    afx_msg void OnDestroy();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCopyLink();
    afx_msg void OnOpenLink();
    afx_msg void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);

    CCommListCtrl m_list;
    CButton m_addButton;
    CButton m_editButton;
    CButton m_deleteButton;
    CUserIdListData m_data;
    CRowLinkMenu m_menu;

    DECLARE_MESSAGE_MAP()
};

// The account form: rows carry their passwords, added and edited accounts
// come back with theirs, and the client makes the entry dialog.
class CUserIdListDialog : public CUserIdListBaseDialog, public CUserAccountEditor
{
public:
    CUserIdListDialog(UINT nIDTemplate, CWnd* pParent, UINT nHelpId, UINT nSettingsId = 0);
    ~CUserIdListDialog() override;

    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;
    void UpdateButtons() override;

    virtual void OnAdd();
    virtual void OnEdit();
    virtual void OnDelete();
    // The log-in test of the selected row's account, through the entry
    // dialog's VerifyAccount without showing it.
    virtual void OnCheckSelected();
    // A new entry dialog with this parent; the caller deletes it.
    virtual CUserIdEditDialog* CreateEditDialog(CWnd* pParent) = 0;
    // The question before a row is deleted (%1: its ID).
    virtual UINT GetDeleteMessageId();

    // ---- What the account list reads
    void AddEntry(const CUserIdEntry& entry) override { CUserIdListBaseDialog::AddEntry(entry); }
    INT_PTR RunModal() override { return DoModal(); }
    BOOL IsChanged() const override { return CUserIdListBaseDialog::IsChanged(); }
    int GetEntryCount() const override { return CUserIdListBaseDialog::GetEntryCount(); }
    BOOL HasEntry(LPCTSTR lpszId) const override { return CUserIdListBaseDialog::HasEntry(lpszId); }
    BOOL IsModified(int nIndex) const override { return CUserIdListBaseDialog::IsModified(nIndex); }
    BOOL GetEntry(int nIndex, CUserAccount& out) const override;
    int GetAddedCount() const override { return CUserIdListBaseDialog::GetAddedCount(); }
    BOOL GetAddedEntry(int nIndex, CUserAccount& out) const override;
    using CUserIdListBaseDialog::GetAddedEntry;
    using CUserIdListBaseDialog::GetEntry;

protected:
    void OnOK() override;

    CButton m_checkButton;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AUCTION_USERIDLISTDIALOG_H
