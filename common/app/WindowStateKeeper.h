#ifndef TANZO_APP_WINDOWSTATEKEEPER_H
#define TANZO_APP_WINDOWSTATEKEEPER_H

// Keeps a window's size, position and maximised state between runs in the
// profile section "WindowState\<index>" ("Width", "Height", "Left", "Top",
// "Maximized").

#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/BitFlags.h"

// The window as the keeper sees it.
class CKeptWindow
{
public:
    virtual BOOL IsKeptWindowValid() const = 0;
    // The normal (not maximised) rectangle in screen coordinates; FALSE
    // when it can't be read.
    virtual BOOL GetNormalRect(CRect& rcNormal) const = 0;
    virtual BOOL IsKeptWindowMaximized() const = 0;
    // Cut to the work area and centred in it when asked (or when the
    // corner lies outside it); FALSE, nothing moved, for a size that is
    // not positive.
    virtual BOOL MoveInWorkArea(int left, int top, int width, int height, BOOL bCenter) = 0;
    virtual void ShowMaximized() = 0;

protected:
    ~CKeptWindow() = default;
};

// The profile section of a keeper's index.
CString GetWindowStateSection(int nIndex);

// The keeper's own value is its option bits.
class CWindowStateKeeper : public CBitFlags
{
public:
    enum
    {
        optionStartMaximized = 0x1, // maximised while no "Maximized" is stored
        optionAlwaysCenter = 0x2,   // the stored position is not used
    };
    enum
    {
        stateMaximizedRestored = 0x1
    };

    CWindowStateKeeper() = default;
    ~CWindowStateKeeper() override;

    // Index -1 or no window leaves the keeper doing nothing.
    void Init(int nIndex, CKeptWindow* pWindow, int cxDefault, int cyDefault, DWORD dwOptions);
    void SetDefaultSize(int cxDefault, int cyDefault);
    // Moves the window to the stored size (the default without one) and
    // position.
    BOOL RestorePlacement();
    // Maximises the window when it was maximised last time; from now on
    // Save writes "Maximized".
    BOOL RestoreMaximized();
    BOOL IsMaximizedRestored() const { return m_state.TestAny(stateMaximizedRestored) != 0; }
    // Writes the normal rectangle, and "Maximized" once RestoreMaximized
    // ran: a window closed before it was shown keeps the stored state.
    BOOL Save();

    int GetSectionIndex() const { return m_nIndex; }

private:
    BOOL IsActive() const;

    CBitFlagsEx m_state;
    int m_nIndex = -1;
    CKeptWindow* m_pWindow = nullptr;
    int m_cxDefault = 0;
    int m_cyDefault = 0;

    CWindowStateKeeper(const CWindowStateKeeper&) = delete;
    CWindowStateKeeper& operator=(const CWindowStateKeeper&) = delete;
};

#ifdef _WIN32
class CWnd;

// A real window for the keeper (Windows builds).
class CKeptWnd : public CKeptWindow
{
public:
    explicit CKeptWnd(CWnd* pWnd) : m_pWnd(pWnd) {}

    BOOL IsKeptWindowValid() const override;
    BOOL GetNormalRect(CRect& rcNormal) const override;
    BOOL IsKeptWindowMaximized() const override;
    BOOL MoveInWorkArea(int left, int top, int width, int height, BOOL bCenter) override;
    void ShowMaximized() override;

private:
    CWnd* m_pWnd;
};
#endif

#endif // TANZO_APP_WINDOWSTATEKEEPER_H
