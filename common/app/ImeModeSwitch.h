#ifndef TANZO_APP_IMEMODESWITCH_H
#define TANZO_APP_IMEMODESWITCH_H

// Opening or closing the input method while a control has the focus, and
// giving the user's own setting back when it leaves (Windows builds).

#include "afx/wintypes.h"

class CWnd;

// The input method's open state of one window, kept to be put back.
class CImeStatusKeeper
{
public:
    CImeStatusKeeper() = default;

    // Remembers the window and its open state, unless a state is kept
    // already; TRUE when one is kept afterwards.
    BOOL Save(CWnd* pWnd);
    BOOL IsSaved() const { return m_hWnd != nullptr; }
    // Opens or closes the input method of the kept window; FALSE when none
    // is kept.
    BOOL SetOpen(BOOL bOpen);
    // Puts the kept state back and forgets the window.
    BOOL Restore();
    void Reset();

private:
    HWND m_hWnd = nullptr;
    BOOL m_bOpen = FALSE;
};

class CImeModeSwitch
{
public:
    enum
    {
        modeOpen = 0,  // the input method is on while the control has the focus
        modeClose = 1, // it is off
        modeLeave = 2  // it is left as it is
    };

    explicit CImeModeSwitch(int nMode = modeLeave) : m_nMode(nMode) {}
    virtual ~CImeModeSwitch();

    int GetMode() const { return m_nMode; }
    void SetMode(int nMode) { m_nMode = nMode; }

    // On gaining the focus: the window's state is kept the first time, then
    // the mode is applied.
    void Apply(CWnd* pWnd);
    // On losing the focus: the kept state comes back.
    void Restore();

private:
    BOOL Switches() const { return m_nMode == modeOpen || m_nMode == modeClose; }

    CImeStatusKeeper m_keeper;
    int m_nMode;
};

#endif // TANZO_APP_IMEMODESWITCH_H
