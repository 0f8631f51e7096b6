#include "app/MessageBoxRules.h"

#include "app/DialogResourceIds.h"
#include "text/LineWrap.h"
#include "text/TextCut.h"

namespace
{
const int kWrapTolerance = 20;
const int kEdgeMargin = 20;

const MessageButton kOk[] = {{IDS_MESSAGE_OK, IDC_MESSAGE_BUTTON_SINGLE, IDOK}};
const MessageButton kAbort[] = {{IDS_MESSAGE_ABORT, IDC_MESSAGE_BUTTON_SINGLE, IDCANCEL}};
const MessageButton kYesNo[] = {{IDS_MESSAGE_YES, IDC_MESSAGE_BUTTON_PAIR_FIRST, IDYES},
                                {IDS_MESSAGE_NO, IDC_MESSAGE_BUTTON_PAIR_SECOND, IDNO}};
const MessageButton kRetryCancel[] = {{IDS_MESSAGE_RETRY, IDC_MESSAGE_BUTTON_PAIR_FIRST, IDRETRY},
                                      {IDS_MESSAGE_CANCEL, IDC_MESSAGE_BUTTON_PAIR_SECOND, IDCANCEL}};
const MessageButton kYesNoCancel[] = {{IDS_MESSAGE_YES, IDC_MESSAGE_BUTTON_TRIPLE_FIRST, IDYES},
                                      {IDS_MESSAGE_NO, IDC_MESSAGE_BUTTON_TRIPLE_SECOND, IDNO},
                                      {IDS_MESSAGE_CANCEL, IDC_MESSAGE_BUTTON_TRIPLE_THIRD, IDCANCEL}};
const MessageButton kOkCancel[] = {{IDS_MESSAGE_OK, IDC_MESSAGE_BUTTON_PAIR_FIRST, IDOK},
                                   {IDS_MESSAGE_CANCEL, IDC_MESSAGE_BUTTON_PAIR_SECOND, IDCANCEL}};

struct ButtonSet
{
    const MessageButton* pButtons;
    int nCount;
};

template <size_t N> ButtonSet SetOf(const MessageButton (&buttons)[N])
{
    return {buttons, (int)N};
}

const ButtonSet kSets[messageButtonSetCount] = {SetOf(kOk),          SetOf(kAbort),       SetOf(kYesNo),
                                                SetOf(kRetryCancel), SetOf(kYesNoCancel), SetOf(kOkCancel)};
} // namespace

MessageBoxStyle MessageBoxStyleFromType(UINT nType)
{
    MessageBoxStyle style;
    switch (nType & MB_ICONMASK)
    {
    case MB_ICONHAND:
        style.nIconKind = messageIconError;
        break;
    case MB_ICONQUESTION:
        style.nIconKind = messageIconQuestion;
        break;
    case MB_ICONASTERISK:
        style.nIconKind = messageIconInformation;
        break;
    default:
        style.nIconKind = messageIconWarning;
        break;
    }
    switch (nType & MB_TYPEMASK)
    {
    case MB_YESNOCANCEL:
        style.nButtonSet = messageButtonsYesNoCancel;
        break;
    case MB_YESNO:
        style.nButtonSet = messageButtonsYesNo;
        break;
    case MB_RETRYCANCEL:
        style.nButtonSet = messageButtonsRetryCancel;
        break;
    case MB_OKCANCEL:
        style.nButtonSet = messageButtonsOkCancel;
        break;
    default:
        style.nButtonSet = messageButtonsOk;
        break;
    }
    switch (nType & MB_DEFMASK)
    {
    case MB_DEFBUTTON2:
        style.nDefaultButton = 1;
        break;
    case MB_DEFBUTTON3:
        style.nDefaultButton = 2;
        break;
    default:
        style.nDefaultButton = 0;
        break;
    }
    return style;
}

int GetMessageButtons(int nButtonSet, const MessageButton** ppButtons)
{
    if (nButtonSet < 0 || nButtonSet >= messageButtonSetCount)
    {
        *ppButtons = nullptr;
        return 0;
    }
    *ppButtons = kSets[nButtonSet].pButtons;
    return kSets[nButtonSet].nCount;
}

int MessageButtonResult(int nButtonSet, int nControlId)
{
    const MessageButton* pButtons = nullptr;
    const int nCount = GetMessageButtons(nButtonSet, &pButtons);
    for (int i = 0; i < nCount; ++i)
    {
        if (pButtons[i].nControlId == nControlId)
            return pButtons[i].nResult;
    }
    return 0;
}

UINT MessageBeepType(int nIconKind)
{
    switch (nIconKind)
    {
    case messageIconWarning:
        return MB_ICONEXCLAMATION;
    case messageIconQuestion:
        return MB_ICONQUESTION;
    case messageIconInformation:
        return MB_ICONASTERISK;
    case messageIconError:
        return MB_ICONHAND;
    default:
        return 0;
    }
}

CString WrapMessageText(LPCTSTR lpszText)
{
    CString strText = lpszText;
    WrapText(strText, MESSAGE_WRAP_COLUMNS, kWrapTolerance, WRAP_WORDS | WRAP_KINSOKU | WRAP_LOOK_BACK,
             "\r\n");
    return strText;
}

CString FitLabelText(LPCTSTR lpszText, int nMaxBytes)
{
    CString strText = lpszText;
    TruncateWithEllipsis(strText, nMaxBytes);
    return strText;
}

CPoint CornerPosition(const CRect& rcWork, CSize size, int nMargin)
{
    return CPoint(rcWork.right - nMargin - size.cx, rcWork.bottom - nMargin - size.cy);
}

CRect AlignHorizontally(const CRect& rcControl, int cxClient, BOOL bStretch, int nLeftMargin,
                        int nRightMargin)
{
    if (nLeftMargin <= 0)
        nLeftMargin = kEdgeMargin;
    if (nRightMargin <= 0)
        nRightMargin = kEdgeMargin;
    CRect rc = rcControl;
    if (bStretch)
    {
        rc.left = nLeftMargin;
        rc.right = cxClient - nRightMargin;
        return rc;
    }
    const int cx = rcControl.Width();
    int left = nLeftMargin + (cxClient - nRightMargin - nLeftMargin - cx) / 2;
    if (left < 0)
        left = 0;
    rc.left = left;
    rc.right = left + cx;
    return rc;
}

ControlGrowth FitControlToTextSize(const CRect& rcControl, CSize szText, int nExtraWidth, int nExtraHeight,
                                   int dxBase, int nGap, int nClientRight)
{
    const int nWidthShort = szText.cx - rcControl.Width();
    const int nHeightShort = szText.cy - rcControl.Height();
    ControlGrowth growth;
    growth.rcControl = rcControl;
    growth.rcControl.right += nExtraWidth + (nWidthShort > 0 ? nWidthShort : 0);
    growth.rcControl.bottom += nExtraHeight + (nHeightShort > 0 ? nHeightShort : 0);
    growth.dy = growth.rcControl.Height() + nGap;
    growth.dx = dxBase;
    const int nOver = growth.rcControl.right - nClientRight + kEdgeMargin;
    if (nOver >= 0)
        growth.dx += nOver;
    return growth;
}
