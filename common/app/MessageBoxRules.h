#ifndef TANZO_APP_MESSAGEBOXRULES_H
#define TANZO_APP_MESSAGEBOXRULES_H

// The rules of the program's own message box: what a Windows message-box
// type asks for, the button sets, how its texts are shortened and wrapped,
// and where its parts go as they grow.

#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// Icon kinds.
enum
{
    messageIconWarning = 0,
    messageIconQuestion = 1,
    messageIconInformation = 2,
    messageIconError = 3
};

// Button sets.
enum
{
    messageButtonsOk = 0,
    messageButtonsAbort = 1,
    messageButtonsYesNo = 2,
    messageButtonsRetryCancel = 3,
    messageButtonsYesNoCancel = 4,
    messageButtonsOkCancel = 5,
    messageButtonSetCount = 6
};

struct MessageBoxStyle
{
    int nIconKind;
    int nButtonSet;
    int nDefaultButton; // 0-based
};

// The icon of type & 0xF0, the buttons of type & 0xF and the default
// button of type & 0xF00. MB_OKCANCEL gives OK and Cancel; types without a
// set of their own (MB_ABORTRETRYIGNORE) give a lone OK.
MessageBoxStyle MessageBoxStyleFromType(UINT nType);

struct MessageButton
{
    UINT nIDText;
    int nControlId;
    int nResult;
};

// The buttons of a set in order, and how many; 0 for an unknown set.
int GetMessageButtons(int nButtonSet, const MessageButton** ppButtons);
// The dialog's result for a button control of the set; 0 when the set has
// no such button.
int MessageButtonResult(int nButtonSet, int nControlId);
// The MessageBeep type of an icon kind: a plain beep for an unknown one.
UINT MessageBeepType(int nIconKind);

// Text limits in bytes; longer texts are cut and end in "...".
#define MESSAGE_URL_MAX_BYTES 120
#define MESSAGE_CHECKBOX_MAX_BYTES 118
#define MESSAGE_HEADING_MAX_BYTES 120
#define MESSAGE_BANNER_MAX_BYTES 84
// The message is wrapped at this many bytes a line (with a tolerance of
// 20 for characters that must not begin or end a line).
#define MESSAGE_WRAP_COLUMNS 120

// The message as shown: wrapped at 120 columns with "\r\n".
CString WrapMessageText(LPCTSTR lpszText);
CString FitLabelText(LPCTSTR lpszText, int nMaxBytes);

// The top-left corner of a window of the size in the bottom-right corner of
// the work area, nMargin from its right and bottom edges.
CPoint CornerPosition(const CRect& rcWork, CSize size, int nMargin);

// A control's place across a client area of width cxClient: from the left
// margin to the right one (stretch), or centred between them, never left
// of 0. Margins of 0 or less are 20.
CRect AlignHorizontally(const CRect& rcControl, int cxClient, BOOL bStretch, int nLeftMargin,
                        int nRightMargin);

// A control grown to fit a text of szText with extra room.
struct ControlGrowth
{
    CRect rcControl; // the control's new rectangle
    int dx;          // the room it asks of the dialog
    int dy;
};

// The control grows by extra plus the shortfall of its size to the text's
// (each counted only when positive); the dialog then makes room of dy =
// its new height + nGap, and dx = dxBase plus, when the control comes
// within 20 pixels of the client's right edge, what makes a 20-pixel
// margin again.
ControlGrowth FitControlToTextSize(const CRect& rcControl, CSize szText, int nExtraWidth, int nExtraHeight,
                                   int dxBase, int nGap, int nClientRight);

#endif // TANZO_APP_MESSAGEBOXRULES_H
