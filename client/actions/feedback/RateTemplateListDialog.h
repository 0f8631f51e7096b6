#ifndef TANZO_CLIENT_ACTIONS_RATETEMPLATELISTDIALOG_H
#define TANZO_CLIENT_ACTIONS_RATETEMPLATELISTDIALOG_H

// The manager of one role's rating templates: each row a rating and its
// comment, added and edited through the rating dialog's template form
// (Windows builds).

#include "client/actions/shared/TanzoTemplateListDialog.h"

class CRateTemplateListDialog : public CTanzoTemplateListDialog
{
    DECLARE_DYNAMIC(CRateTemplateListDialog)
public:
    enum
    {
        KindSeller = 0, // the seller's ratings of winners
        KindBuyer = 1   // the buyer's ratings of sellers
    };

    explicit CRateTemplateListDialog(int nKind, CWnd* pParentWnd = nullptr);
    ~CRateTemplateListDialog() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

protected:
    int GetColumnCount() override;
    int GetTemplateSet() override;
    LPCTSTR GetColumnWidthKey(int nColumn) override;
    int GetDefaultColumnWidth(int nColumn) override;
    UINT GetColumnTitleId(int nColumn) override;
    int GetColumnFormat(int nColumn) override;
    void GetRowText(int nRow, CString& strText) override;
    void SetRowTexts(int nRow, const CTemplateStringItem& item) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnAdd();
    void OnEdit();

    int m_nKind;
};

#endif // TANZO_CLIENT_ACTIONS_RATETEMPLATELISTDIALOG_H
