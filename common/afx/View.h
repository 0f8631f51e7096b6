#ifndef TANZO_AFX_VIEW_H
#define TANZO_AFX_VIEW_H

// CView: a window that shows a document inside a frame (Windows builds).
// The frame creates it from the template's run-time class; it joins its
// document when created, deletes itself when its window is gone, and
// passes commands it does not handle to the document.

#include "afx/Wnd.h"

class CDocument;
class CFrameWnd;

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual void OnPrepareDC(CDC* pDC);
    virtual void OnDraw(CDC* pDC) = 0;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    CDocument* m_pDocument = nullptr;

    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_AFX_VIEW_H
