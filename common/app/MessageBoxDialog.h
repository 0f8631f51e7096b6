#ifndef TANZO_APP_MESSAGEBOXDIALOG_H
#define TANZO_APP_MESSAGEBOXDIALOG_H

// The program's own message box (Windows builds): a heading, the message
// wrapped at 120 columns, a link line, a check box for not showing the
// message again, coloured backgrounds, closing by itself after 2 seconds,
// and a window that grows until its texts fit. CMessageBoxDialog lays it
// out; CChoiceMessageDialog (template 561) adds the buttons;
// CSimpleMessageDialog (template 562) is the notice that closes itself.

#include "afx/Controls.h"
#include "afx/Gdi.h"
#include "afx/String.h"
#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "app/MessageBoxRules.h"
#include "app/URLStatic.h"
#include "text/BitFlags.h"

class CMessageBoxDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CMessageBoxDialog)
public:
    // Options.
    enum
    {
        optionCorner = 0x1,           // bottom-right corner of the work area
        optionAutoClose = 0x2,        // ends with IDOK after the delay
        optionPaleYellow = 0x4,       // background 0xE2FFFF, the heading's too
        optionPink = 0x8,             // background 0xA0A0FF (without 0x4)
        optionFit = 0x10,             // grows until the message fits
        optionBeep = 0x20,            // beeps by the icon kind
        optionNoCancel = 0x40,        // Cancel and Esc do nothing
        optionCheckBox = 0x80,        // follows the check box's text
        optionUrl = 0x100,            // follows the link
        optionHeading = 0x200,        // follows the heading
        optionStretchMessage = 0x400, // across the dialog, centred
        optionSingleLine = 0x800,     // one line, vertically centred
        optionBold = 0x1000,          // bold message
        optionWrap = 0x2000,          // wrapped at 120 columns
        optionCentreHeading = 0x4000,
        optionStretchHeading = 0x8000,
        optionBanner = 0x10000, // bold, framed, red on white, 12 point
        defaultOptions = optionWrap | optionBeep | optionFit
    };
    // Result bits, valid once the dialog has closed.
    enum
    {
        resultChecked = 0x1
    };

    CMessageBoxDialog(UINT nIDTemplate, UINT nIDMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                      DWORD dwRemovedOptions = 0);
    CMessageBoxDialog(UINT nIDTemplate, LPCTSTR lpszMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                      DWORD dwRemovedOptions = 0);
    ~CMessageBoxDialog() override;

    // Each option follows whether its text is empty.
    void SetHeading(LPCTSTR lpszHeading);
    void SetHeading(UINT nIDHeading);
    void SetUrl(LPCTSTR lpszUrl, LPCTSTR lpszText = nullptr);
    void SetUrl(LPCTSTR lpszUrl, UINT nIDText);
    void SetCheckBoxText(LPCTSTR lpszText);
    void SetCheckBoxText(UINT nIDText);
    void SetCheckBoxTip(LPCTSTR lpszTip);
    void SetCheckBoxTip(UINT nIDTip);
    // The window's title; empty: the application's name.
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    void SetIconKind(int nIconKind) { m_nIconKind = nIconKind; }
    int GetIconKind() const { return m_nIconKind; }
    void SetIcon(HICON hIcon) { m_hIcon = hIcon; }
    // -1 removes the colour of its own.
    void SetBkColor(COLORREF crBack);
    void AddOptions(DWORD dwBits) { m_options.Add(dwBits); }
    void RemoveOptions(DWORD dwBits) { m_options.Remove(dwBits); }
    BOOL TestOptions(DWORD dwBits) const { return m_options.TestAny(dwBits) != 0; }
    DWORD GetOptions() const { return m_options.Get(); }
    // The check box was ticked when the dialog closed.
    BOOL IsChecked() const { return (m_nResultBits & resultChecked) != 0; }
    void SetChecked(BOOL bChecked);

    // The icon of a Windows message-box type.
    virtual void SetStyle(UINT nType);
    // Makes room when a control (or the message, given as the dialog) has
    // grown by dx and dy.
    virtual void OnControlGrown(CWnd* pControl, int dx, int dy);

    // Raised without a parent while a modeless dialog is active, the box
    // belongs to that dialog.
    INT_PTR DoModal() override;

protected:
    struct ControlIds
    {
        int nIcon;
        int nHeading;
        int nMessage;
        int nCheckBox; // 0: the template has none
        int nUrl;
    };

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void SetStandardToolTips() override;
    BOOL CheckAutoCenter() override;
    // MessageBeep; tests listen here.
    virtual void PlayBeep(UINT nType);

    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    // The rectangle a text takes in the control, from its client area.
    CRect CalcTextRect(LPCTSTR lpszText, CWnd* pControl);
    void FitDialogToMessage();
    void FitControlToText(CWnd* pControl, LPCTSTR lpszText, int nExtraWidth, int nExtraHeight, int dxBase,
                          int nGap);
    void MoveControl(CWnd* pControl, int dx, int dy);
    void GrowControl(CWnd* pControl, int dx, int dy);
    CRect GetControlRect(CWnd* pControl) const;
    void PlaceMessage();
    void PlaceUrlLine();
    void PlaceCheckBox();
    void PlaceHeading();

    ControlIds m_ids;
    CStatic m_icon;
    CDecorateStatic m_message;
    CButton m_checkBox;
    CURLStatic m_url;
    CDecorateStatic m_heading;
    CBitFlags m_options;
    int m_nResultBits = 0;
    CBrush m_brush;
    int m_nAutoCloseDelay = 2000;
    CString m_strMessage;
    CString m_strHeading;
    CString m_strCaption;
    CString m_strUrl;
    CString m_strUrlText;
    HICON m_hIcon = nullptr;
    int m_nIconKind = messageIconWarning;
    COLORREF m_crBack = (COLORREF)-1;
    CString m_strCheckBoxText;
    CString m_strCheckBoxTip;
    CFont m_font;

    DECLARE_MESSAGE_MAP()
};

// A notice on a given template: closes itself, pale yellow, fits, and
// does not beep.
class CNoticeMessageDialog : public CMessageBoxDialog
{
    DECLARE_DYNAMIC(CNoticeMessageDialog)
public:
    CNoticeMessageDialog(UINT nIDTemplate, UINT nIDMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                         DWORD dwRemovedOptions = 0);
    CNoticeMessageDialog(UINT nIDTemplate, LPCTSTR lpszMessage, CWnd* pParentWnd = nullptr,
                         DWORD dwOptions = 0, DWORD dwRemovedOptions = 0);
};

// The notice on template 562: heading (the application's name) and message.
class CSimpleMessageDialog : public CNoticeMessageDialog
{
    DECLARE_DYNAMIC(CSimpleMessageDialog)
public:
    explicit CSimpleMessageDialog(UINT nIDMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                                  DWORD dwRemovedOptions = 0);
    explicit CSimpleMessageDialog(LPCTSTR lpszMessage, CWnd* pParentWnd = nullptr, DWORD dwOptions = 0,
                                  DWORD dwRemovedOptions = 0);

private:
    void Init();
};

#endif // TANZO_APP_MESSAGEBOXDIALOG_H
