#include "app/MessageBoxDialog.h"

#include "afx/DC.h"
#include "afx/LoadText.h"
#include "afx/ScopedWin.h"
#include "afx/WinApp.h"
#include "app/ModelessOwner.h"
#include "app/WindowHelpers.h"
#include "app/WindowTextCache.h"

namespace
{
const UINT_PTR kAutoCloseTimer = 0x1108;
const COLORREF kPaleYellow = 0xE2FFFF;
const COLORREF kPink = 0xA0A0FF;
const COLORREF kBannerText = 0x0000FF;
const COLORREF kBannerBack = 0xFFFFFF;
const COLORREF kBannerFrame = 0x000080;
const int kBannerPointSize = 120;
const int kBannerExtra = 40;
const int kBannerGap = 15;
const int kHeadingGap = 6;
const int kLineGap = 10;
const int kCheckBoxExtraWidth = 20; // the check square
const int kUrlLift = 4;
const int kCornerMargin = 10;
const int kEdgeMargin = 20;

LPCTSTR IconOfKind(int nIconKind)
{
    switch (nIconKind)
    {
    case messageIconQuestion:
        return IDI_QUESTION;
    case messageIconInformation:
        return IDI_ASTERISK;
    case messageIconError:
        return IDI_HAND;
    default:
        return IDI_EXCLAMATION;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CMessageBoxDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CMessageBoxDialog, CBaseDialog)
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CMessageBoxDialog::CMessageBoxDialog(UINT nIDTemplate, UINT nIDMessage, CWnd* pParentWnd, DWORD dwOptions,
                                     DWORD dwRemovedOptions)
    : CMessageBoxDialog(nIDTemplate, (LPCTSTR)LoadText(nIDMessage), pParentWnd, dwOptions, dwRemovedOptions)
{
}

CMessageBoxDialog::CMessageBoxDialog(UINT nIDTemplate, LPCTSTR lpszMessage, CWnd* pParentWnd, DWORD dwOptions,
                                     DWORD dwRemovedOptions)
    : CBaseDialog(nIDTemplate, pParentWnd), m_strMessage(lpszMessage)
{
    m_ids = {IDC_MESSAGE_ICON, IDC_MESSAGE_HEADING, IDC_MESSAGE_TEXT, IDC_MESSAGE_CHECKBOX, IDC_MESSAGE_URL};
    m_options.Set((defaultOptions | dwOptions) & ~dwRemovedOptions);
}

CMessageBoxDialog::~CMessageBoxDialog() = default;

void CMessageBoxDialog::SetHeading(LPCTSTR lpszHeading)
{
    m_strHeading = lpszHeading;
    m_options.SetOrRemove(optionHeading, !m_strHeading.IsEmpty());
}

void CMessageBoxDialog::SetHeading(UINT nIDHeading)
{
    SetHeading(LoadText(nIDHeading));
}

void CMessageBoxDialog::SetUrl(LPCTSTR lpszUrl, LPCTSTR lpszText)
{
    m_strUrl = lpszUrl;
    m_strUrlText = lpszText;
    m_options.SetOrRemove(optionUrl, !m_strUrl.IsEmpty());
}

void CMessageBoxDialog::SetUrl(LPCTSTR lpszUrl, UINT nIDText)
{
    SetUrl(lpszUrl, LoadText(nIDText));
}

void CMessageBoxDialog::SetCheckBoxText(LPCTSTR lpszText)
{
    m_strCheckBoxText = lpszText;
    m_options.SetOrRemove(optionCheckBox, !m_strCheckBoxText.IsEmpty());
}

void CMessageBoxDialog::SetCheckBoxText(UINT nIDText)
{
    SetCheckBoxText(LoadText(nIDText));
}

void CMessageBoxDialog::SetCheckBoxTip(LPCTSTR lpszTip)
{
    m_strCheckBoxTip = lpszTip;
}

void CMessageBoxDialog::SetCheckBoxTip(UINT nIDTip)
{
    SetCheckBoxTip(LoadText(nIDTip));
}

void CMessageBoxDialog::SetBkColor(COLORREF crBack)
{
    m_crBack = crBack;
    m_message.SetBkColor(crBack);
    m_brush.DeleteObject();
    if (crBack != (COLORREF)-1)
        m_brush.CreateSolidBrush(crBack);
}

void CMessageBoxDialog::SetChecked(BOOL bChecked)
{
    m_nResultBits = bChecked ? (m_nResultBits | resultChecked) : (m_nResultBits & ~resultChecked);
}

void CMessageBoxDialog::SetStyle(UINT nType)
{
    m_nIconKind = MessageBoxStyleFromType(nType).nIconKind;
}

INT_PTR CMessageBoxDialog::DoModal()
{
    if (m_pParentWnd == nullptr)
        m_pParentWnd = GetActiveModelessDialog();
    return CBaseDialog::DoModal();
}

void CMessageBoxDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    struct Binding
    {
        int nID;
        CWnd* pControl;
    } bindings[] = {{m_ids.nIcon, &m_icon},
                    {m_ids.nMessage, &m_message},
                    {m_ids.nHeading, &m_heading},
                    {m_ids.nCheckBox, &m_checkBox},
                    {m_ids.nUrl, &m_url}};
    for (const Binding& binding : bindings)
    {
        if (binding.nID != 0 && ::GetDlgItem(m_hWnd, binding.nID) != nullptr)
            DDX_Control(pDX, binding.nID, *binding.pControl);
    }
}

CRect CMessageBoxDialog::GetControlRect(CWnd* pControl) const
{
    CRect rc;
    pControl->GetWindowRect(&rc);
    ScreenToClient(&rc);
    return rc;
}

void CMessageBoxDialog::MoveControl(CWnd* pControl, int dx, int dy)
{
    if (!IsWindowValid(pControl) || (dx == 0 && dy == 0))
        return;
    CRect rc = GetControlRect(pControl);
    pControl->SetWindowPos(nullptr, rc.left + dx, rc.top + dy, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMessageBoxDialog::GrowControl(CWnd* pControl, int dx, int dy)
{
    if (!IsWindowValid(pControl) || (dx == 0 && dy == 0))
        return;
    CRect rc;
    pControl->GetWindowRect(&rc);
    pControl->SetWindowPos(nullptr, 0, 0, rc.Width() + dx, rc.Height() + dy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CRect CMessageBoxDialog::CalcTextRect(LPCTSTR lpszText, CWnd* pControl)
{
    CRect rc;
    pControl->GetClientRect(&rc);
    CClientDC dc(pControl);
    auto* pLabel = dynamic_cast<CDecorateStatic*>(pControl);
    CScopedSelectObject keepFont(dc.m_hDC, ::GetCurrentObject(dc.m_hDC, OBJ_FONT));
    if (pLabel != nullptr)
        pLabel->SelectLabelFont(&dc);
    else
        ::SelectObject(dc.m_hDC, (HGDIOBJ)pControl->SendMessage(WM_GETFONT));
    UINT nFormat = DT_CALCRECT;
    if (pLabel == nullptr || !pLabel->TestOptions(CDecorateStatic::optionMultiLine))
        nFormat |= DT_SINGLELINE;
    dc.DrawText(lpszText, (int)strlen(lpszText), &rc, nFormat);
    return rc;
}

void CMessageBoxDialog::FitDialogToMessage()
{
    if (!IsWindowValid(&m_message))
        return;
    const CRect rcStatic = GetControlRect(&m_message);
    const CRect rcText = CalcTextRect(m_strMessage, &m_message);
    const int dx = rcText.Width() > rcStatic.Width() ? rcText.Width() - rcStatic.Width() : 0;
    const int dy = rcText.Height() > rcStatic.Height() ? rcText.Height() - rcStatic.Height() : 0;
    GrowControl(this, dx, dy);
    OnControlGrown(this, dx, dy);
}

void CMessageBoxDialog::FitControlToText(CWnd* pControl, LPCTSTR lpszText, int nExtraWidth, int nExtraHeight,
                                         int dxBase, int nGap)
{
    if (!IsWindowValid(pControl))
        return;
    const CRect rcText = CalcTextRect(lpszText, pControl);
    CRect rcClient;
    GetClientRect(&rcClient);
    const ControlGrowth growth = FitControlToTextSize(GetControlRect(pControl), rcText.Size(), nExtraWidth,
                                                      nExtraHeight, dxBase, nGap, rcClient.right);
    pControl->SetWindowPos(nullptr, 0, 0, growth.rcControl.Width(), growth.rcControl.Height(),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnControlGrown(pControl, growth.dx, growth.dy);
}

void CMessageBoxDialog::OnControlGrown(CWnd* pControl, int dx, int dy)
{
    if (pControl != &m_icon && pControl != &m_checkBox)
        MoveControl(&m_icon, 0, dy / 2);
    if (pControl == &m_heading)
        MoveControl(&m_message, 0, dy);
    if (pControl == this)
        GrowControl(&m_message, dx, dy);
    // The link and the check box sit below the message once they show.
    if (TestOptions(optionUrl) && pControl != &m_checkBox)
        MoveControl(&m_url, 0, dy);
    if (TestOptions(optionCheckBox))
        MoveControl(&m_checkBox, 0, dy);
    if (pControl != this)
        GrowControl(this, dx, dy);
}

BOOL CMessageBoxDialog::CheckAutoCenter()
{
    return !TestOptions(optionCorner) && CBaseDialog::CheckAutoCenter();
}

BOOL CMessageBoxDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();

    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) &&
        m_font.CreateFontIndirect(&metrics.lfMessageFont))
    {
        for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            ::SendMessageA(hChild, WM_SETFONT, (WPARAM)m_font.m_hObject, FALSE);
    }

    if (TestOptions(optionPaleYellow))
        SetBkColor(kPaleYellow);
    else if (TestOptions(optionPink))
        SetBkColor(kPink);

    if (IsWindowValid(&m_icon))
        m_icon.SetIcon(m_hIcon != nullptr ? m_hIcon : ::LoadIconA(nullptr, IconOfKind(m_nIconKind)));

    if ((GetStyle() & WS_CAPTION) == WS_CAPTION)
    {
        CWindowTextCache caption;
        if (!caption.SetText(m_strCaption))
            caption.SetFromAppName();
        caption.Apply(this);
    }

    PlaceMessage();
    PlaceUrlLine();
    PlaceCheckBox();
    PlaceHeading();
    if (TestOptions(optionStretchMessage) && IsWindowValid(&m_message))
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        const CRect rc =
            AlignHorizontally(GetControlRect(&m_message), rcClient.Width(), TRUE, kEdgeMargin, kEdgeMargin);
        m_message.MoveWindow(&rc);
        m_message.ModifyStyle(SS_TYPEMASK, SS_CENTER);
    }

    // In the corner once it has its final size.
    if (TestOptions(optionCorner))
    {
        CRect rcWork, rcWindow;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
        GetWindowRect(&rcWindow);
        const CPoint pt = CornerPosition(rcWork, rcWindow.Size(), kCornerMargin);
        SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    if (TestOptions(optionBeep))
        PlayBeep(MessageBeepType(m_nIconKind));
    if (TestOptions(optionAutoClose) && m_nAutoCloseDelay > 0)
        SetTimer(kAutoCloseTimer, (UINT)m_nAutoCloseDelay);
    return TRUE;
}

void CMessageBoxDialog::PlaceMessage()
{
    if (!IsWindowValid(&m_message))
        return;
    if (TestOptions(optionWrap))
        m_strMessage = WrapMessageText(m_strMessage);
    m_message.SetText(m_strMessage);
    m_message.SetWindowText(m_strMessage);
    if (TestOptions(optionBold))
        m_message.AddStyleBits(CDecorateStatic::styleBold);
    if (TestOptions(optionSingleLine))
        m_message.ModifyStyle(0, SS_CENTERIMAGE);
    else
        m_message.AddOptions(CDecorateStatic::optionMultiLine);
    if (TestOptions(optionFit))
        FitDialogToMessage();
}

void CMessageBoxDialog::PlaceUrlLine()
{
    if (!TestOptions(optionUrl) || !IsWindowValid(&m_url))
        return;
    m_url.SetLinkUrl(m_strUrl);
    const CString strShown =
        FitLabelText(!m_strUrlText.IsEmpty() ? m_strUrlText : m_strUrl, MESSAGE_URL_MAX_BYTES);
    m_url.SetText(strShown);
    m_url.SetWindowText(strShown);
    if (m_crBack != (COLORREF)-1)
        m_url.SetBkColor(m_crBack);
    m_url.ShowWindow(SW_SHOW);
    FitControlToText(&m_url, strShown, 0, 0, 0, kLineGap);
    MoveControl(&m_url, 0, -kUrlLift);
    // The link has its own context menu.
    AddTail((DWORD)m_ids.nUrl);
}

void CMessageBoxDialog::PlaceCheckBox()
{
    if (!TestOptions(optionCheckBox) || !IsWindowValid(&m_checkBox) || m_strCheckBoxText.IsEmpty())
        return;
    m_checkBox.SetCheck(IsChecked() ? BST_CHECKED : BST_UNCHECKED);
    const CString strShown = FitLabelText(m_strCheckBoxText, MESSAGE_CHECKBOX_MAX_BYTES);
    m_checkBox.SetWindowText(strShown);
    m_checkBox.ShowWindow(SW_SHOW);
    FitControlToText(&m_checkBox, strShown, kCheckBoxExtraWidth, 0, 0, kLineGap);
}

void CMessageBoxDialog::PlaceHeading()
{
    if (!TestOptions(optionHeading) || !IsWindowValid(&m_heading))
        return;
    const BOOL bBanner = TestOptions(optionBanner);
    m_heading.SetStyleBits(CDecorateStatic::styleBold | (bBanner ? CDecorateStatic::styleFrame : 0));
    if (bBanner)
    {
        m_heading.SetTextColor(kBannerText);
        m_heading.SetBkColor(kBannerBack);
        m_heading.SetFrameColor(kBannerFrame);
        m_heading.SetFontPointSize(kBannerPointSize);
    }
    if (TestOptions(optionPaleYellow))
        m_heading.SetBkColor(kPaleYellow);
    const CString strShown =
        FitLabelText(m_strHeading, bBanner ? MESSAGE_BANNER_MAX_BYTES : MESSAGE_HEADING_MAX_BYTES);
    m_heading.SetText(strShown);
    m_heading.SetWindowText(strShown);
    m_heading.ShowWindow(SW_SHOW);
    const int nExtra = bBanner ? kBannerExtra : 0;
    FitControlToText(&m_heading, strShown, nExtra, nExtra, 0, bBanner ? kBannerGap : kHeadingGap);
    if (TestOptions(optionCentreHeading | optionStretchHeading))
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        const CRect rcHeading = GetControlRect(&m_heading);
        const CRect rc = AlignHorizontally(rcHeading, rcClient.Width(), TestOptions(optionStretchHeading),
                                           rcHeading.left, kEdgeMargin);
        m_heading.MoveWindow(&rc);
    }
    if (TestOptions(optionCentreHeading | optionStretchHeading | optionBanner))
        m_heading.ModifyStyle(SS_TYPEMASK, SS_CENTER);
}

void CMessageBoxDialog::OnCancel()
{
    if (TestOptions(optionNoCancel))
        return;
    CBaseDialog::OnCancel();
}

void CMessageBoxDialog::SetStandardToolTips()
{
    CBaseDialog::SetStandardToolTips();
    if (TestOptions(optionUrl) && !m_strUrl.IsEmpty())
        AddToolTipText(&m_url, m_strUrl);
    if (TestOptions(optionCheckBox) && !m_strCheckBoxTip.IsEmpty())
        AddToolTipText(&m_checkBox, m_strCheckBoxTip);
}

void CMessageBoxDialog::PlayBeep(UINT nType)
{
    ::MessageBeep(nType);
}

void CMessageBoxDialog::OnDestroy()
{
    m_nResultBits = 0;
    if (TestOptions(optionCheckBox) && IsWindowValid(&m_checkBox) && m_checkBox.GetCheck() == BST_CHECKED)
        m_nResultBits |= resultChecked;
    if (TestOptions(optionAutoClose))
        KillTimer(kAutoCloseTimer);
    CBaseDialog::OnDestroy();
}

void CMessageBoxDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAutoCloseTimer && TestOptions(optionAutoClose))
    {
        KillTimer(kAutoCloseTimer);
        EndDialog(IDOK);
        return;
    }
    Default();
}

HBRUSH CMessageBoxDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_crBack != (COLORREF)-1 && m_brush.m_hObject != nullptr)
    {
        if (nCtlColor == CTLCOLOR_BTN || nCtlColor == CTLCOLOR_STATIC)
        {
            pDC->SetBkColor(m_crBack);
            return (HBRUSH)m_brush.m_hObject;
        }
        if (nCtlColor == CTLCOLOR_DLG)
            return (HBRUSH)m_brush.m_hObject;
    }
    return (HBRUSH)Default();
}

IMPLEMENT_DYNAMIC(CNoticeMessageDialog, CMessageBoxDialog)

CNoticeMessageDialog::CNoticeMessageDialog(UINT nIDTemplate, UINT nIDMessage, CWnd* pParentWnd,
                                           DWORD dwOptions, DWORD dwRemovedOptions)
    : CMessageBoxDialog(nIDTemplate, nIDMessage, pParentWnd,
                        dwOptions | optionAutoClose | optionPaleYellow | optionFit,
                        dwRemovedOptions | optionBeep)
{
}

CNoticeMessageDialog::CNoticeMessageDialog(UINT nIDTemplate, LPCTSTR lpszMessage, CWnd* pParentWnd,
                                           DWORD dwOptions, DWORD dwRemovedOptions)
    : CMessageBoxDialog(nIDTemplate, lpszMessage, pParentWnd,
                        dwOptions | optionAutoClose | optionPaleYellow | optionFit,
                        dwRemovedOptions | optionBeep)
{
}

IMPLEMENT_DYNAMIC(CSimpleMessageDialog, CNoticeMessageDialog)

CSimpleMessageDialog::CSimpleMessageDialog(UINT nIDMessage, CWnd* pParentWnd, DWORD dwOptions,
                                           DWORD dwRemovedOptions)
    : CNoticeMessageDialog(IDD_SIMPLE_MESSAGE, nIDMessage, pParentWnd, dwOptions, dwRemovedOptions)
{
    Init();
}

CSimpleMessageDialog::CSimpleMessageDialog(LPCTSTR lpszMessage, CWnd* pParentWnd, DWORD dwOptions,
                                           DWORD dwRemovedOptions)
    : CNoticeMessageDialog(IDD_SIMPLE_MESSAGE, lpszMessage, pParentWnd, dwOptions, dwRemovedOptions)
{
    Init();
}

void CSimpleMessageDialog::Init()
{
    m_ids = {IDC_SIMPLE_ICON, IDC_SIMPLE_HEADING, IDC_SIMPLE_TEXT, 0, 0};
    LPCTSTR lpszAppName = AfxGetAppName();
    if (lpszAppName != nullptr && *lpszAppName != '\0')
        SetHeading(lpszAppName);
}
