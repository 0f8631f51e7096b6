#ifndef TANZO_CONTROLS_TRANSLUCENTPOPUP_H
#define TANZO_CONTROLS_TRANSLUCENTPOPUP_H

// The window of the list's selection band (Windows builds). As a layered
// window it covers the whole list, transparent in its colour key, and
// paints the band as a translucent highlight with outlined edges; where
// layered windows are not available it is an opaque window of the
// highlight colour, moved and sized to the band itself.

#include "afx/Dialog.h"
#include "afx/Gdi.h"
#include "afx/Rect.h"

class CTranslucentPopup : public CDialog
{
public:
    explicit CTranslucentPopup(CWnd* pParent = nullptr);

    // Set before the window is made (the list sets FALSE); decided for good
    // in OnInitDialog.
    void SetNonLayered(BOOL bNonLayered) { m_bNonLayered = bNonLayered; }
    BOOL IsNonLayered() const { return m_bNonLayered; }
    // The band's edges to outline (BAND_EDGE_ flags).
    void SetEdgeFlags(UINT nFlags) { m_nEdgeFlags = nFlags & 0xF; }
    UINT GetEdgeFlags() const { return m_nEdgeFlags; }
    // The band, in screen coordinates; shown at once with bShow.
    void SetBandRect(const RECT& rcBand, BOOL bShow);
    const CRect& GetBandRect() const { return m_rcBand; }
    // Shows the band after a move from rcOld: the window follows the band,
    // or only the union of both rectangles is repainted. 0 when there was
    // nothing to show.
    int Reveal(const RECT& rcOld);

    BOOL OnInitDialog() override;

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnPaint();

    CBrush m_brBackground;
    BOOL m_bNonLayered = FALSE;
    UINT m_nEdgeFlags = 0;
    int m_nOpacity = 30;
    COLORREF m_crKey = 0xFFFFFF;
    CRect m_rcBand;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CONTROLS_TRANSLUCENTPOPUP_H
