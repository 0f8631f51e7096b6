#ifndef TANZO_CONTROLS_HTMLFRAME_H
#define TANZO_CONTROLS_HTMLFRAME_H

// CHtmlFrame: a child frame that a dialog places over a placeholder
// control; it makes a CHtmlCommView over its whole client area and offers
// the view's operations, each doing nothing (FALSE) while the view has no
// window (Windows builds). Hosts talk to the frame only.

#include "afx/FrameWnd.h"
#include "controls/PageElement.h"
#include "text/BitFlags.h"

#include <memory>

class CHtmlCommView;
class CHtmlViewEvents;

// Control id of the view inside the frame.
#define HTMLFRAME_VIEW_ID 4001
// Option: key messages are not given to the browser's own handling, so
// that the host dialog's keys work.
#define HTMLFRAME_HOST_KEYS 0x1

class CHtmlFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CHtmlFrame)
public:
    CHtmlFrame();

    CBitFlagsEx& GetOptions() { return m_options; }
    // Null before the frame's window is made.
    CHtmlCommView* GetView() const { return m_pView; }
    BOOL IsViewValid() const;

    BOOL NavigateResource(UINT nResourceId);
    BOOL Navigate(LPCTSTR lpszURL, DWORD dwFlags = 0, LPCTSTR lpszTargetFrameName = nullptr,
                  LPCTSTR lpszHeaders = nullptr, LPCVOID lpvPostData = nullptr, DWORD dwPostLength = 0);
    BOOL FindElement(LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue, int nFlags = 0);
    BOOL SetElementValue(LPCTSTR lpszTag, LPCTSTR lpszAttrToSet, LPCTSTR lpszValue, LPCTSTR lpszMatchAttr,
                         LPCTSTR lpszMatchValue);
    BOOL GetForm(std::unique_ptr<CPageElement>& form, LPCTSTR lpszName);
    BOOL SubmitForm(LPCTSTR lpszName);
    BOOL GoForward();
    BOOL GoBack();
    BOOL Stop();
    void SetListener(CHtmlViewEvents* pListener);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CBitFlagsEx m_options;
    CHtmlCommView* m_pView = nullptr;
};

// A frame made through its run-time class as a child of pParent over the
// rectangle (client coordinates), with the control id, visible or not,
// and at the top of its siblings (so that it covers the placeholder).
// The frame deletes itself with its window; null when it cannot be made.
CHtmlFrame* CreateHtmlFrame(CWnd* pParent, const RECT& rect, UINT nID, BOOL bVisible);

#endif // TANZO_CONTROLS_HTMLFRAME_H
