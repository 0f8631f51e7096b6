#ifndef TANZO_AUCTION_TEMPLATETEXTMENU_H
#define TANZO_AUCTION_TEMPLATETEXTMENU_H

// CTemplateTextMenu: the pop-up that offers the user's templates for
// insertion into an edit, and runs the dialog that manages them (Windows
// builds). The derived menu binds it to a template set and an owner; the
// owner gets the commands (GetFirstCommandId() + template index) and
// passes them to InsertTemplate.

#include "afx/wintypes.h"
#include "auction/templates/TemplateStringItem.h"

class CTemplateListBaseDialog;
class CWnd;

class CTemplateTextMenu
{
public:
    explicit CTemplateTextMenu(CWnd* pOwner = nullptr);
    virtual ~CTemplateTextMenu();

    virtual int GetCount() = 0;
    // Negative: no limit.
    virtual int GetMaxCount() = 0;
    // Copies template nIndex into item.
    virtual BOOL GetItem(int nIndex, CTemplateStringItem& item) = 0;
    virtual void AddItem(const CTemplateStringItem& item) = 0;
    virtual void DeleteAll() = 0;
    // The management dialog, or null; the caller deletes it.
    virtual CTemplateListBaseDialog* CreateListDialog(CWnd* pOwner);
    // An item to read templates into; the caller deletes it.
    virtual CTemplateStringItem* CreateScratchItem();
    // The template that AddDefaultTemplate adds (the owner's current text),
    // or null; the caller deletes it.
    virtual CTemplateStringItem* CreateDefaultItem();
    virtual void InsertIntoOwner(const CTemplateStringItem& item);
    // The command of the first template; 0 shows no menu.
    virtual UINT GetFirstCommandId();

    // Shows the first pop-up of menu nMenuId at (x, y) (screen) with the
    // templates after its own entries; nEnableItemId, the command that adds
    // a template, is greyed when the set is full. The tracking's result;
    // 0 when nothing showed.
    BOOL ShowMenu(UINT nMenuId, UINT nEnableItemId, int x, int y);
    // Template nIndex goes to InsertIntoOwner.
    void InsertTemplate(int nIndex);
    // Whether a set of nCount templates (negative: the set's) takes another.
    BOOL CanAdd(int nCount = -1);
    // The management dialog with a copy of every template; its list
    // replaces the set when it ends with OK after a change.
    void RunManagementDialog();
    // Asks nQuestionId (when not 0), adds CreateDefaultItem() and tells
    // nDoneId (when not 0).
    void AddDefaultTemplate(UINT nQuestionId, UINT nDoneId);

    void SetOwnerWindow(CWnd* pOwner) { m_pOwner = pOwner; }
    CWnd* GetOwnerWindow() const { return m_pOwner; }
    // A GDI object of the derived menu's (its icons); deleted with the menu.
    void SetGdiObject(HGDIOBJ hObject);
    HGDIOBJ GetGdiObject() const { return m_hObject; }

protected:
    CWnd* m_pOwner;
    HGDIOBJ m_hObject = nullptr;

private:
    CTemplateTextMenu(const CTemplateTextMenu&) = delete;
    CTemplateTextMenu& operator=(const CTemplateTextMenu&) = delete;
};

#endif // TANZO_AUCTION_TEMPLATETEXTMENU_H
