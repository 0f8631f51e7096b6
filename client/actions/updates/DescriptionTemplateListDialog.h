#ifndef TANZO_CLIENT_ACTIONS_DESCRIPTIONTEMPLATELISTDIALOG_H
#define TANZO_CLIENT_ACTIONS_DESCRIPTIONTEMPLATELISTDIALOG_H

// The user's templates of description additions (Windows builds): added
// and edited through the addition dialog in its template modes, deleted
// and ordered as in every template list. The caller hands the templates in
// and takes them back after IDOK.

#include "client/actions/shared/TanzoTemplateListDialog.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"

class CTanzoDocData;

class CDescriptionTemplateListDialog : public CTanzoTemplateListDialog
{
    DECLARE_DYNAMIC(CDescriptionTemplateListDialog)
public:
    enum
    {
        DefaultColumnWidth = 400,
    };

    explicit CDescriptionTemplateListDialog(CWnd* pParentWnd = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    int GetColumnCount() override;
    int GetTemplateSet() override;
    LPCTSTR GetColumnWidthKey(int nColumn) override;
    int GetDefaultColumnWidth(int nColumn) override;
    UINT GetColumnTitleId(int nColumn) override;
    int GetColumnFormat(int nColumn) override;
    void GetRowText(int nRow, CString& strText) override;
    void SetRowTexts(int nRow, const CTemplateStringItem& item) override;

private:
    // The addition dialog in a template mode over this one; TRUE on OK with
    // its text.
    BOOL RunTextDialog(int nMode, CString& text);
    void OnAdd();
    void OnEdit();
};

#endif // TANZO_CLIENT_ACTIONS_DESCRIPTIONTEMPLATELISTDIALOG_H
