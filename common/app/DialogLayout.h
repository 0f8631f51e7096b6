#ifndef TANZO_APP_DIALOGLAYOUT_H
#define TANZO_APP_DIALOGLAYOUT_H

// The layout manager of a resizable dialog (Windows builds): registered
// controls move and stretch with the client area by their anchor flags
// (app/DialogLayoutRules.h), the dialog opens at its saved (else default)
// size, never becomes smaller than its template, paints a size grip and
// keeps its outer size as "Width" and "Height" in its profile section.

#include "afx/Collections.h"
#include "afx/Rect.h"
#include "afx/wintypes.h"
#include "app/DialogLayoutRules.h"
#include "text/BitFlags.h"

class CDC;
class CMenu;
class CWnd;

// What the layout manager asks of its dialog when it attaches.
class CDialogLayoutClient
{
public:
    virtual ~CDialogLayoutClient();
    // Derived dialogs call the base first, then register their controls.
    virtual void RegisterLayoutControls();
};

class CDialogLayoutItem
{
public:
    CDialogLayoutItem(int nID, DWORD dwAnchors) : m_nID(nID), m_dwAnchors(dwAnchors) {}
    virtual ~CDialogLayoutItem();

    CRect m_rect; // at registration, in the dialog's client coordinates
    int m_nID;
    DWORD m_dwAnchors;
};

class CDialogLayout
{
public:
    // Option: subtract the dialog's scroll position when placing controls.
    enum
    {
        optionScrolled = 0x1
    };

    CDialogLayout(CWnd* pDialog, UINT nSettingsId, int cxDefault, int cyDefault);
    virtual ~CDialogLayout();
    // Places every registered control for a client area of cx x cy.
    virtual void Relayout(int cx, int cy);

    // At OnInitDialog: the client registers its controls, the template's
    // size is recorded, and the saved or default size is applied.
    void Init(CDialogLayoutClient* pClient);
    // FALSE when the control has no window.
    BOOL AddControl(int nID, DWORD dwAnchors);
    BOOL AddControl(CWnd* pControl, DWORD dwAnchors);
    void SetDefaultSize(int cx, int cy);

    void GetMinMaxInfo(MINMAXINFO* pMMI) const;
    void OnSize(UINT nType, int cx, int cy);
    // Writes the outer size to "Width" and "Height".
    void SaveSize();

    CWnd* GetDialog() const { return m_pDialog; }
    CSize GetTemplateSize() const { return CSize(m_cxInitialWindow, m_cyInitialWindow); }
    CBitFlags& GetOptions() { return m_options; }
    int GetItemCount() const { return m_items.GetCount(); }

private:
    BOOL HasWindow() const;

    CWnd* m_pDialog;
    UINT m_nSettingsId;
    int m_cxInitialWindow = 0;
    int m_cyInitialWindow = 0;
    int m_cxInitialClient = 0;
    int m_cyInitialClient = 0;
    int m_cxDefault;
    int m_cyDefault;
    CPtrList m_items; // CDialogLayoutItem*, owned
    CBitFlags m_options;

    CDialogLayout(const CDialogLayout&) = delete;
    CDialogLayout& operator=(const CDialogLayout&) = delete;
};

// Gives any code that holds the dialog's interface a way to register
// controls without knowing the dialog's class.
class CDialogLayoutHolder
{
public:
    explicit CDialogLayoutHolder(CDialogLayout** ppLayout) : m_ppLayout(ppLayout) {}

    // FALSE without a layout manager, or when the control has no window.
    BOOL AddControl(int nID, DWORD dwAnchors);
    BOOL AddControl(CWnd* pControl, DWORD dwAnchors);
    BOOL IsAttached() const { return m_ppLayout != nullptr && *m_ppLayout != nullptr; }

protected:
    ~CDialogLayoutHolder() = default;

private:
    CDialogLayout** m_ppLayout;
};

// Fills the client area with the button face and puts the system's size
// grip into the bottom-right corner.
void DrawSizeGrip(CDialogLayout* pLayout, CDC* pDC);
// Takes Restore, Minimize and Maximize out of a system menu.
void RemoveSizeCommands(CMenu* pMenu);

#endif // TANZO_APP_DIALOGLAYOUT_H
