#ifndef TANZO_AFX_CMDTARGET_H
#define TANZO_AFX_CMDTARGET_H

// CCmdTarget: the base of every object with a message map, and CCmdUI,
// through which update handlers enable, check and name menu items, tool
// bar buttons and status panes (Windows builds).

#include "afx/MsgMap.h"
#include "afx/Object.h"
#include "afx/wintypes.h"

// Filled instead of calling the handler when OnCmdMsg is only asked
// whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Looks nID and nCode up in the message maps of this object and
    // calls the handler. nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra
    // the CCmdUI), a control's notification code, or MAKELONG(code,
    // WM_NOTIFY) (pExtra an AFX_NOTIFY). Derived targets route on to other
    // targets (view -> document -> frame -> application).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Restores the arrow cursor; the busy cursor is CWaitCursor.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Finds the entry of a message in a map chain; null when none.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

    DECLARE_MESSAGE_MAP()
};

class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // The handler leaves the command to the next target of the route.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's route for an update handler. Without one, and when
    // bDisableIfNoHandler, the item is enabled exactly when some target
    // handles the command itself. TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;           // menu position, tool bar button or status pane
    CMenu* m_pMenu = nullptr;    // the menu of the item, or null
    CMenu* m_pSubMenu = nullptr; // the pop-up the item opens, or null
    CWnd* m_pOther = nullptr;    // the bar or control of the item, or null
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;
    CMenu* m_pParentMenu = nullptr;
};

#endif // TANZO_AFX_CMDTARGET_H
