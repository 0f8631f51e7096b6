#ifndef TANZO_APP_DECORATESTATIC_H
#define TANZO_APP_DECORATESTATIC_H

// Owner-painted labels (Windows builds): CDecorateStatic paints its text
// flicker-free with a style, colours, margins and a frame of its own,
// shortens a long text with "..." and offers the whole text as its tip,
// and opens its link when the text is clicked. CHintStatic is the framed
// yellow hint box.

#include "afx/Controls.h"
#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "app/DialogFont.h"
#include "app/DialogToolTip.h"
#include "text/BitFlags.h"

class CDC;

class CDecorateStatic : public CStatic, public CToolTipTextSource
{
    DECLARE_DYNAMIC(CDecorateStatic)
public:
    // Style bits.
    enum
    {
        styleBold = 0x1,
        styleItalic = 0x2,
        styleUnderline = 0x4,
        styleStrikeOut = 0x8,
        styleFrame = 0x10 // a one-pixel frame in the frame colour
    };
    // Options.
    enum
    {
        optionMultiLine = 0x1, // word-wrapped lines; else one line, vertically centred
        optionTrackText = 0x2  // keep the text's rectangle even without a link
    };
    // State bits.
    enum
    {
        stateTextSet = 0x1,  // the program set the text: the window text is no longer taken
        stateShortened = 0x2 // the text did not fit at the last paint
    };

    CDecorateStatic();
    ~CDecorateStatic() override;

    // The caller redraws.
    void SetText(LPCTSTR lpszText);
    void GetText(CString& strText) const { strText = m_strText; }
    // Tenths of a point; 0 keeps the window font's size.
    void SetFontPointSize(int nPointSize) { m_nPointSize = nPointSize; }
    int GetFontPointSize() const { return m_nPointSize; }
    void AddStyleBits(int nBits) { m_nStyle |= nBits; }
    void SetStyleBits(int nBits) { m_nStyle = nBits; }
    BOOL TestStyleBits(int nBits) const { return (m_nStyle & nBits) != 0; }
    void AddOptions(DWORD dwBits) { m_options.Add(dwBits); }
    void RemoveOptions(DWORD dwBits) { m_options.Remove(dwBits); }
    BOOL TestOptions(DWORD dwBits) const { return m_options.TestAny(dwBits) != 0; }
    BOOL TestState(DWORD dwBits) const { return m_state.TestAny(dwBits) != 0; }
    // -1: the DC's default text colour, the button face.
    void SetTextColor(COLORREF crText) { m_crText = crText; }
    COLORREF GetTextColor() const { return m_crText; }
    void SetBkColor(COLORREF crBack) { m_crBack = crBack; }
    COLORREF GetBkColor() const { return m_crBack; }
    void SetFrameColor(COLORREF crFrame) { m_crFrame = crFrame; }
    void SetLinkUrl(LPCTSTR lpszUrl) { m_strLink = lpszUrl; }
    void GetLinkUrl(CString& strUrl) const { strUrl = m_strLink; }
    BOOL HasLink() const { return !m_strLink.IsEmpty(); }
    void SetMargins(int nMargin) { m_rcMargins.SetRect(nMargin, nMargin, nMargin, nMargin); }
    void SetMargins(const RECT& rcMargins) { m_rcMargins = rcMargins; }
    void SetHorzMargins(int nMargin)
    {
        m_rcMargins.left = nMargin;
        m_rcMargins.right = nMargin;
    }
    void SetVertMargins(int nMargin)
    {
        m_rcMargins.top = nMargin;
        m_rcMargins.bottom = nMargin;
    }
    // The whole text when it was shortened, else the link.
    BOOL GetToolTipText(CString& strText) override;
    void Redraw();
    // Over the painted text (client coordinates); FALSE before a paint.
    BOOL IsPointInText(CPoint point) const;
    BOOL IsCursorInText() const;
    const CRect& GetTextRect() const { return m_rcText; }

    // Selects the label's font into the DC; what it replaced, to be put
    // back by the caller (null when nothing was selected).
    CFont* SelectLabelFont(CDC* pDC);

    virtual void DrawContent(CDC* pDC, CRect rect, UINT nFormat);
    // Takes the window text unless the program set one; a link needs
    // SS_NOTIFY to be clicked.
    virtual void SyncWindowText();

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    // Draws the text, or a copy that DrawText may shorten; notes whether
    // it was shortened.
    void DrawLabelText(CDC* pDC, CRect rect, UINT nFormat);
    UINT GetDrawFormat() const;

    CString m_strText;
    int m_nStyle = 0;
    COLORREF m_crText = (COLORREF)-1;
    COLORREF m_crBack = (COLORREF)-1;
    COLORREF m_crFrame = 0;
    CString m_strLink;
    CRect m_rcMargins;
    CRect m_rcText;
    int m_nPointSize = 0;
    CBitFlags m_options;
    CBitFlagsEx m_state;
    CDialogFont m_font;

    DECLARE_MESSAGE_MAP()
};

// A framed, pale yellow, multi-line hint.
class CHintStatic : public CDecorateStatic
{
    DECLARE_DYNAMIC(CHintStatic)
public:
    CHintStatic();
};

#endif // TANZO_APP_DECORATESTATIC_H
