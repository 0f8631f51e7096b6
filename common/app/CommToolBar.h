#ifndef TANZO_APP_COMMTOOLBAR_H
#define TANZO_APP_COMMTOOLBAR_H

// The main frame's tool bar (Windows builds): image lists from bitmap
// resources, drop-down menus from menu resources, button texts from the
// string table in one of the display formats, and a background colour of
// its own.

#include "afx/ControlBar.h"
#include "afx/Gdi.h"
#include "afx/ImageList.h"
#include "afx/Map.h"
#include "afx/wintypes.h"

class CMenu;

class CCommToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CCommToolBar)
public:
    // Image lists.
    enum
    {
        imagesNormal = 0,
        imagesHot = 1,
        imagesDisabled = 2,
        ImageListCount = 3
    };

    CCommToolBar();
    ~CCommToolBar() override;

    void DoPaint(CDC* pDC) override;
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    // The drop-down pop-up, just before it shows.
    virtual void OnPrepareDropDownMenu(CMenu* pPopup);

    // The images of a bitmap resource, sized like the images the bar holds
    // now; nIndex imagesNormal, imagesHot or imagesDisabled.
    void SetImageList(int nIndex, UINT nIDBitmap, COLORREF crMask, UINT nFlags);
    void SetImageLists(UINT nIDNormal, UINT nIDHot, COLORREF crMaskNormal, COLORREF crMaskHot, UINT nFlags);
    // The button opens the first pop-up of the menu resource.
    BOOL AddDropDownMenu(UINT nCommand, UINT nIDMenu);
    BOOL SetButtonStyleBits(UINT nCommand, DWORD dwBits, BOOL bOn);
    BOOL SetAllButtonStyleBits(DWORD dwBits, BOOL bOn);
    // The buttons that are not separators take the texts of the ids, in
    // order, up to the 0 that ends the list.
    BOOL SetButtonTexts(const UINT* pIDs);
    BOOL ClearButtonTexts();
    // FALSE without buttons, or when every button is a separator.
    BOOL FitButtonSize(BOOL bWithTexts);
    // Texts (null: none), autosized buttons with texts, and the styles:
    // dwStyleA ends set, dwStyleB cleared, the buttons laid out again.
    BOOL SetDisplayFormat(const UINT* pIDs, DWORD dwStyleA, DWORD dwStyleB, BOOL bWithTexts);
    // FALSE when the colour is set already; -1 is the button face.
    BOOL SetBackgroundColor(COLORREF crBack);
    COLORREF GetBackgroundColor() const { return m_crBack; }
    void Repaint();

    CImageList& GetImages(int nIndex)
    {
        return m_images[nIndex >= 0 && nIndex < ImageListCount ? nIndex : imagesNormal];
    }

protected:
    void EraseNonClient() override;
    COLORREF GetEffectiveBackColor() const;
    void RebuildBrush();
    BOOL IsTransparent() const { return (GetStyle() & TBSTYLE_TRANSPARENT) != 0; }

    afx_msg void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);

    CMap<DWORD, DWORD, DWORD, DWORD> m_dropDownMenus; // command -> menu resource
    COLORREF m_crBack = (COLORREF)-1;
    CBrush m_brush;
    CImageList m_images[ImageListCount];

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_COMMTOOLBAR_H
