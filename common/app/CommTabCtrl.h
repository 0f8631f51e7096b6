#ifndef TANZO_APP_COMMTABCTRL_H
#define TANZO_APP_COMMTABCTRL_H

// The owner-drawn tab strip of the tabbed dialogs (Windows builds): each
// tab may have colours of its own, its image sits beside its text, a long
// text ends in "...", and mouse moves go on to the tabbed dialog.

#include "afx/CommonControls.h"
#include "afx/String.h"
#include "afx/wintypes.h"

// The colours of one tab, kept in its item data; -1 for none.
class CTabItemColors
{
public:
    COLORREF m_crText = (COLORREF)-1;
    COLORREF m_crBack = (COLORREF)-1;
};

class CCommTabCtrl : public CTabCtrl
{
    DECLARE_DYNAMIC(CCommTabCtrl)
public:
    // Text alignment modes.
    enum
    {
        alignLeft = 0,
        alignCentre = 1,
        alignRight = 2
    };

    CCommTabCtrl();
    ~CCommTabCtrl() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // A strip drawn by its owner gets tabs of 96 x 21; the old width, or 0.
    virtual int SetOwnerDrawItemSize();

    COLORREF GetTabTextColor(int nTab) const;
    COLORREF GetTabBkColor(int nTab) const;
    BOOL SetTabTextColor(int nTab, COLORREF crText, BOOL bRedraw);
    BOOL SetTabBkColor(int nTab, COLORREF crBack, BOOL bRedraw);
    BOOL GetTabText(int nTab, CString& strText) const;
    int GetTabImage(int nTab) const;
    // The tab's colour, else the strip's, else the system's.
    COLORREF GetEffectiveTextColor(int nTab) const;
    COLORREF GetEffectiveBkColor(int nTab) const;
    COLORREF GetDefaultTextColor() const { return m_crDefaultText; }
    COLORREF GetDefaultBkColor() const { return m_crDefaultBack; }
    void SetDefaultTextColor(COLORREF crText) { m_crDefaultText = crText; }
    void SetDefaultBkColor(COLORREF crBack) { m_crDefaultBack = crBack; }
    void SetTextAlignment(int nMode) { m_nAlignMode = nMode; }
    int GetTextAlignment() const { return m_nAlignMode; }

protected:
    void PreSubclassWindow() override;
    CTabItemColors* GetColors(int nTab) const;
    CTabItemColors* MakeColors(int nTab);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();

    COLORREF m_crDefaultText = (COLORREF)-1;
    COLORREF m_crDefaultBack = (COLORREF)-1;
    int m_nAlignMode = alignCentre;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_COMMTABCTRL_H
