#ifndef TANZO_CLIENT_ACTIONS_TANZOTEMPLATEMENU_H
#define TANZO_CLIENT_ACTIONS_TANZOTEMPLATEMENU_H

// The template menu over one of the document's template sets (Windows
// builds): descriptions 0, ratings as seller 1, as buyer 2, each managed in
// its own list dialog. The window that owns it shows it, passes it the
// menu's commands and supplies, as a CTemplateMenuOwner, what depends on
// its input.

#include "auction/templates/TemplateTextMenu.h"

class CTanzoDocData;

class CTemplateMenuOwner
{
public:
    virtual ~CTemplateMenuOwner();
    // A new template of what the user has entered, or null (told why).
    virtual CTemplateStringItem* CreateTemplateFromInput() = 0;
    // The template goes into the owner's input.
    virtual void ApplyTemplate(const CTemplateStringItem& item) = 0;
};

class CTanzoTemplateMenu : public CTemplateTextMenu
{
public:
    // The document is the main window's at construction, if there is one.
    explicit CTanzoTemplateMenu(int nSet, CWnd* pOwner = nullptr);

    void SetDocument(CTanzoDocData* pDocument) { m_pDocument = pDocument; }
    CTanzoDocData* GetDocument() const { return m_pDocument; }
    int GetSet() const { return m_nSet; }

    int GetCount() override;
    int GetMaxCount() override;
    BOOL GetItem(int nIndex, CTemplateStringItem& item) override;
    void AddItem(const CTemplateStringItem& item) override;
    void DeleteAll() override;
    CTemplateListBaseDialog* CreateListDialog(CWnd* pOwner) override;
    CTemplateStringItem* CreateScratchItem() override;
    CTemplateStringItem* CreateDefaultItem() override;
    void InsertIntoOwner(const CTemplateStringItem& item) override;
    UINT GetFirstCommandId() override;

    // The menu at (x, y) of the screen.
    BOOL Show(int x, int y);
    // A command of the menu: the manager, the current input as a new
    // template (asked, then told), or template n. FALSE for another one.
    BOOL HandleCommand(UINT nID);

private:
    CTemplateMenuOwner* GetMenuOwner() const;

    int m_nSet;
    CTanzoDocData* m_pDocument;
};

#endif // TANZO_CLIENT_ACTIONS_TANZOTEMPLATEMENU_H
