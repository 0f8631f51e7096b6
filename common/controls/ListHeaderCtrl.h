#ifndef TANZO_CONTROLS_LISTHEADERCTRL_H
#define TANZO_CONTROLS_LISTHEADERCTRL_H

// The header of a CCommListCtrl (Windows builds): it keeps a height of its
// own and tells the list where the mouse moves over it.

#include "afx/CommonControls.h"

class CListHeaderCtrl : public CHeaderCtrl
{
public:
    CListHeaderCtrl() = default;

    // 0 or less leaves the header its own height.
    void SetHeight(int nHeight) { m_nHeight = nHeight; }
    int GetHeight() const { return m_nHeight; }

protected:
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);

    int m_nHeight = 22;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CONTROLS_LISTHEADERCTRL_H
