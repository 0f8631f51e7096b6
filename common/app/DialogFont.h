#ifndef TANZO_APP_DIALOGFONT_H
#define TANZO_APP_DIALOGFONT_H

// A variant of a window's own font: another point size, face or style
// (Windows builds). The font is made from the window's current font when
// it is applied or selected, and owned by this object: the window must not
// outlive it while it shows the font.

#include "afx/Gdi.h"
#include "afx/String.h"
#include "afx/wintypes.h"

class CDC;
class CWnd;

class CDialogFont
{
public:
    // Style bits.
    enum
    {
        styleBold = 0x1,
        styleItalic = 0x2,
        styleUnderline = 0x4,
        styleStrikeOut = 0x8
    };

    CDialogFont() = default;
    ~CDialogFont();

    // Tenths of a point; 0 keeps the window's size.
    void SetPointSize(int nPointSize);
    int GetPointSize() const { return m_nPointSize; }
    // Empty keeps the window's face, and so does a name longer than a face
    // name can be.
    void SetFaceName(LPCTSTR lpszFaceName);
    const CString& GetFaceName() const { return m_strFaceName; }
    void SetStyle(UINT nStyle);
    UINT GetStyle() const { return m_nStyle; }
    // TRUE when any of the bits is set.
    BOOL TestStyle(UINT nBits) const { return (m_nStyle & nBits) != 0; }

    // Gives the window the font (WM_SETFONT). FALSE for a window that is
    // not there or a font that can't be made; TRUE, and nothing done, when
    // neither a size nor a style is set.
    BOOL Apply(CWnd* pWnd, BOOL bRedraw);
    // Selects the font into the DC; the font selected before, to be put
    // back by the caller, or null when nothing was selected.
    CFont* SelectInto(CWnd* pWnd, CDC* pDC);

    CFont& GetFont() { return m_font; }

private:
    BOOL CreateFor(CWnd* pWnd);

    CFont m_font;
    int m_nPointSize = 0;
    CString m_strFaceName;
    UINT m_nStyle = 0;
    // A setting changed since the font was made.
    BOOL m_bStale = TRUE;

    CDialogFont(const CDialogFont&) = delete;
    CDialogFont& operator=(const CDialogFont&) = delete;
};

#endif // TANZO_APP_DIALOGFONT_H
