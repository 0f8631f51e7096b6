#ifndef TANZO_APP_STATUSPANE_H
#define TANZO_APP_STATUSPANE_H

// What the main window's status bar keeps of each pane beside its text:
// colours, alignment and a timed text that shows the pane's text in other
// colours for a few seconds; and the rules the bar follows with them.

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// A colour of the pane's own is not set: the bar's default is used.
#define STATUSPANE_NO_COLOR ((COLORREF)-1)

// Horizontal alignment of a pane's text.
#define STATUSPANE_ALIGN_LEFT 0
#define STATUSPANE_ALIGN_CENTER 1
#define STATUSPANE_ALIGN_RIGHT 2

// A pane without its border (the common control's SBT_NOBORDERS).
#define STATUSPANE_STYLE_NOBORDERS 0x0100

// Timed texts run one window timer per pane, for the first 16 panes.
#define STATUSPANE_TIMER_FIRST 0x110A
#define STATUSPANE_TIMED_COUNT 16

class CStatusPane
{
public:
    enum
    {
        flagTimedText = 0x1
    };

    // Plain panes are drawn by the control itself; any colour, alignment
    // or timed text makes the bar draw the pane.
    BOOL IsPlain() const;
    BOOL IsTimedTextShowing() const { return (m_dwFlags & flagTimedText) != 0; }

    // With seconds above 0 the timed text is strText in the given colours;
    // otherwise a showing timed text ends.
    void SetTimedText(int nSeconds, LPCTSTR lpszText, COLORREF crText, COLORREF crBack);

    // What the pane shows now: the timed text and its colours while it
    // lasts, else the pane's text and own colours.
    const CString& GetShownText(const CString& strPaneText) const;
    COLORREF GetShownTextColor() const;
    COLORREF GetShownBkColor() const;

    COLORREF m_crText = STATUSPANE_NO_COLOR;
    COLORREF m_crBack = STATUSPANE_NO_COLOR;
    int m_nAlign = STATUSPANE_ALIGN_LEFT;
    DWORD m_dwFlags = 0;
    CString m_strTimedText;
    COLORREF m_crTimedText = STATUSPANE_NO_COLOR;
    COLORREF m_crTimedBack = STATUSPANE_NO_COLOR;
};

// How long a timed text of a kind lasts, in seconds: kind 1 two, kind 2
// eight; other kinds 0, which ends a showing timed text; -1 for kind 0,
// which does nothing.
int TimedTextSecondsOfKind(int nKind);

// Whether the pane can show a timed text on a bar of nPaneCount panes.
BOOL CanShowTimedText(int nPane, int nPaneCount);
// The timer of a pane's timed text, and the pane of a timer (-1 when the
// timer is none of them).
UINT StatusPaneTimerId(int nPane);
int StatusPaneOfTimer(UINT_PTR nIDEvent);

// A menu item's text as a pane shows it: what stands before the first
// "(" (an accelerator such as "(&S)"), else the text without its "&".
CString MenuTextAsPaneText(LPCTSTR lpszItemText);
// The first of the items whose text a pane shows as lpszPaneText; -1 when
// none.
int FindMenuItemByPaneText(const CStringArray& itemTexts, LPCTSTR lpszPaneText);

// A number in a pane: the string nFormatId applied to the value, or the
// value in decimal when nFormatId is 0.
CString FormatPaneNumber(int nValue, UINT nFormatId);

#endif // TANZO_APP_STATUSPANE_H
