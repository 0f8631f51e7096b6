#ifndef TANZO_CLIENT_ACTIONS_TANZOTEMPLATELISTDIALOG_H
#define TANZO_CLIENT_ACTIONS_TANZOTEMPLATELISTDIALOG_H

// The base of the client's template managers (Windows builds): twenty
// templates at most, new ones of the document set the derived dialog
// names, the buttons' tips and the list in the look of the item lists.

#include "auction/templates/TemplateListBaseDialog.h"

class CTanzoTemplateListDialog : public CTemplateListBaseDialog
{
    DECLARE_DYNAMIC(CTanzoTemplateListDialog)
public:
    CTanzoTemplateListDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

protected:
    // The document's set the rows belong to.
    virtual int GetTemplateSet() = 0;
    int GetMaxCount() override;
    CTemplateStringItem* CreateItem() override;
};

#endif // TANZO_CLIENT_ACTIONS_TANZOTEMPLATELISTDIALOG_H
