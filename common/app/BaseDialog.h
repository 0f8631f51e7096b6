#ifndef TANZO_APP_BASEDIALOG_H
#define TANZO_APP_BASEDIALOG_H

// CBaseDialog: the base of every dialog of the system (Windows builds).
// Over CDialog it adds a profile section of its own ("Dialog\<settings
// id>"), tool tips, help (Help button 4000, F1, command 41000 and a
// one-item context menu), optional resizing through CDialogLayout, a
// hosted mode in which it is a page of another window that gets OK and
// Cancel, and a modeless mode that brings the main window forward when
// the dialog closes.

#include "afx/Collections.h"
#include "afx/Dialog.h"
#include "afx/String.h"
#include "app/DialogLayout.h"
#include "app/DialogProfile.h"
#include "app/DialogResourceIds.h"
#include "app/DialogToolTip.h"
#include "app/HelpIdRules.h"
#include "app/HelpWindowLauncher.h"
#include "app/LazyPtrList.h"
#include "app/MenuHelpers.h"
#include "app/ModelessOwner.h"
#include "text/BitFlags.h"

class CComboBox;
class CMenu;

// Posted to a page when its tabbed dialog has just shown it.
#define WM_DIALOG_SET_INITIAL_FOCUS (WM_USER + 0x201)

// Controls over which a right click opens no context menu (they have one
// of their own); derived dialogs add their ids with AddTail.
class CContextMenuExclusionList : public CLazyPtrList
{
};

class CBaseDialog : public CDialog,
                    public CContextMenuExclusionList,
                    public CDialogLayoutClient,
                    public CDialogLayoutHolder,
                    public CModelessOwner,
                    public CCommandStateProvider,
                    public CHelpIdSource
{
    DECLARE_DYNAMIC(CBaseDialog)
public:
    // Window option bits.
    enum
    {
        windowModeless = 0x1 // made by CreateModelessCentered: the main window comes forward at the end
    };
    // Dialog option bits.
    enum
    {
        dialogHosted = 0x1,       // a page inside another window, which gets OK and Cancel
        dialogStandardTips = 0x2, // tips for OK and Cancel (set by the constructor)
    };

    // A settings id of 0 is the template id.
    explicit CBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0,
                         UINT nSettingsId = 0);
    ~CBaseDialog() override;

    // Both bases have one; the window's is meant in dialogs.
    using CWnd::GetWindow;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    // The help page: the own id; a hosted dialog without one takes its
    // host's.
    UINT GetHelpId() override;
    UINT GetOwnHelpId() const override { return m_nHelpId; }
    // Creates the window from the template as a modeless child or pop-up.
    virtual BOOL CreateModeless(CWnd* pParentWnd);
    // TRUE for command 41000 when there is a help page.
    BOOL IsCommandEnabled(UINT nID) override;
    // Tips for OK, Cancel and Help.
    virtual void SetStandardToolTips();
    // The context menu of a right click (menu 405: help); non-zero when one
    // was shown.
    virtual BOOL ShowContextMenu();
    // A resizable dialog has no Restore, Minimize or Maximize.
    virtual void AdjustSystemMenu(CMenu* pSystemMenu);
    // The tabbed dialog has just shown this page.
    virtual void OnSetInitialFocus();
    // The tip of a control that asks for it (LPSTR_TEXTCALLBACK); TRUE when
    // there is one. The base asks controls that offer their own.
    virtual BOOL GetToolTipText(UINT nID, CString& strText);

    BOOL IsCreatedModeless() const override { return m_windowOptions.TestAny(windowModeless) != 0; }

    // Shows the help page when there is one.
    void OnHelpCommand();
    // Modeless, centred, shown when asked; the main window comes forward
    // when it closes.
    BOOL CreateModelessCentered(CWnd* pParentWnd, BOOL bShow);
    // With a default outer size (0 x 0: the template's); the smallest size
    // is always the template's.
    void EnableResize(BOOL bEnable, int cxDefault = 0, int cyDefault = 0);
    CDialogLayout* GetLayout() const { return m_pLayout; }

    UINT GetTemplateId() const { return m_nTemplateId; }
    UINT GetSettingsId() const { return m_nSettingsId; }
    CWnd* GetParentWindow() const { return m_pParentWnd; }
    void SetDialogOption(DWORD dwBits) { m_dialogOptions.Add(dwBits); }
    void ClearDialogOption(DWORD dwBits) { m_dialogOptions.Remove(dwBits); }
    BOOL TestDialogOption(DWORD dwBits) const { return m_dialogOptions.TestAny(dwBits) != 0; }

    // The dialog's profile section.
    int GetSettingInt(LPCTSTR lpszKey, int nDefault) const;
    void GetSettingString(LPCTSTR lpszKey, CString& strValue, LPCTSTR lpszDefault = "") const;
    BOOL GetSettingStringArray(LPCTSTR lpszFormat, CStringArray& array, int nCount,
                               LPCTSTR lpszDefault = "") const;
    void WriteSettingInt(LPCTSTR lpszKey, int nValue) const;
    void WriteSettingString(LPCTSTR lpszKey, LPCTSTR lpszValue) const;
    void WriteSettingStringArray(LPCTSTR lpszFormat, const CStringArray& array, int nCount,
                                 LPCTSTR lpszDefault = "") const;
    // The combo box's list from the history lpszFormat of nCount keys (its
    // edit text stays); TRUE when an entry was added.
    BOOL LoadComboHistory(CComboBox* pCombo, LPCTSTR lpszFormat, int nCount);
    // All nCount keys from the list, empty past its end.
    void SaveComboHistory(CComboBox* pCombo, LPCTSTR lpszFormat, int nCount);

    void AddToolTipById(UINT nIDControl, UINT nIDText);
    BOOL AddToolTip(CWnd* pControl, UINT nIDText);
    BOOL AddToolTipText(CWnd* pControl, LPCTSTR lpszText);
    void UpdateToolTip();
    CDialogToolTip& GetToolTip() { return m_toolTip; }

    // The small icon of that index from the main frame's icon menu; FALSE
    // when the frame has none.
    BOOL SetFrameIcon(int nIndex);
    // The icon resource as the small icon.
    BOOL SetAppIcon(UINT nIDIcon);
    // Enables the items of a context menu by IsCommandEnabled.
    void UpdateMenuEnabling(CMenu* pPopup);

protected:
    void OnOK() override;
    void OnCancel() override;

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHelpMenuCommand();
    afx_msg void OnUpdateHelpMenuCommand(CCmdUI* pCmdUI);
    afx_msg LRESULT OnSetInitialFocusMessage(WPARAM wParam, LPARAM lParam);

    BOOL HandleToolTipText(NMHDR* pNMHDR, LRESULT* pResult);

    CDialogToolTip m_toolTip;
    UINT m_nTemplateId;
    UINT m_nHelpId;
    UINT m_nSettingsId;
    CBitFlagsEx m_windowOptions;
    CBitFlags m_dialogOptions;
    CDialogLayout* m_pLayout = nullptr;
    CHelpWindowLauncher m_helpWindow;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_BASEDIALOG_H
