#ifndef TANZO_AUCTION_TEMPLATELISTBASEDIALOG_H
#define TANZO_AUCTION_TEMPLATELISTBASEDIALOG_H

// CTemplateListBaseDialog: the base of the dialogs in which the user adds,
// edits, deletes and orders templates (Windows builds). The derived dialog
// binds the list and the five buttons (DDX_Control), makes the columns'
// texts and runs Add and Edit; the base deletes, moves, enables the
// buttons and, on OK, rebuilds its templates from the rows. Each row keeps
// a copy of its template as item data, so that nothing of it is lost to a
// shortened column text.

#include "afx/Array.h"
#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "auction/templates/TemplateStringItem.h"
#include "controls/CommListCtrl.h"

class CTemplateListBaseDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CTemplateListBaseDialog)
public:
    CTemplateListBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CTemplateListBaseDialog() override;

    BOOL OnInitDialog() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

    // The templates the dialog starts with, and after OK its result.
    void AddItemCopy(const CTemplateStringItem& item);
    int GetItemCount() const { return (int)m_items.GetSize(); }
    BOOL GetItemAt(int nIndex, CTemplateStringItem& item) const;
    const CTemplateStringItem* GetItem(int nIndex) const;
    BOOL IsModified() const { return m_bModified; }
    void SetModified(BOOL bModified = TRUE) { m_bModified = bModified; }
    // nRow -1: the first selected row.
    void UpdateButtons(int nRow = -1);

protected:
    virtual int GetColumnCount() = 0;
    // Negative: no limit.
    virtual int GetMaxCount() = 0;
    virtual LPCTSTR GetColumnWidthKey(int nColumn) = 0;
    virtual int GetDefaultColumnWidth(int nColumn) = 0;
    virtual UINT GetColumnTitleId(int nColumn) = 0;
    virtual int GetColumnFormat(int nColumn) = 0;
    // The row's text in the delete question.
    virtual void GetRowText(int nRow, CString& strText) = 0;
    // Column 0 gets the title.
    virtual void SetRowTexts(int nRow, const CTemplateStringItem& item);
    // The row's kept template; the title from column 0 for a row without.
    virtual void ReadRow(int nRow, CTemplateStringItem& item);
    // A new empty template; the caller deletes it.
    virtual CTemplateStringItem* CreateItem();

    // A row of the template (nRow -1: at the end) with its texts; its index.
    int InsertTemplateRow(int nRow, const CTemplateStringItem& item);
    // The row's kept template, null for none.
    const CTemplateStringItem* GetRowItem(int nRow) const;
    // Replaces the row's template and texts.
    BOOL SetRowItem(int nRow, const CTemplateStringItem& item);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterLayoutControls() override;
    afx_msg void OnDestroy();

    void OnDeleteRow();
    void OnMoveRow(BOOL bUp);

    CCommListCtrl m_list;
    CButton m_addButton;
    CButton m_editButton;
    CButton m_deleteButton;
    CButton m_upButton;
    CButton m_downButton;
    CPtrArray m_items; // CTemplateStringItem*, owned
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    void DeleteItems();
    static BOOL IsClickOf(const CButton& button, WPARAM wParam);
};

#endif // TANZO_AUCTION_TEMPLATELISTBASEDIALOG_H
