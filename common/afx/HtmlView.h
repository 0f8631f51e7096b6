#ifndef TANZO_AFX_HTMLVIEW_H
#define TANZO_AFX_HTMLVIEW_H

// CHtmlView: a view that shows web pages through the platform's WebBrowser
// control (Windows builds). The control lives in place inside the view's
// window; one site object (win32/HtmlViewSite) answers its OLE calls and
// hands its events to the virtual handlers below, which derived views
// override. Keys typed in the page reach the control's accelerator
// handling from PreTranslateMessage, so that Tab and Enter work in forms.

#include "afx/Array.h"
#include "afx/ComRef.h"
#include "afx/ScopedWin.h"
#include "afx/String.h"
#include "afx/View.h"

#include <exdisp.h>
#include <mshtmhst.h>

class CHtmlViewSite;

class CHtmlView : public CView
{
    DECLARE_DYNCREATE(CHtmlView)
public:
    CHtmlView();
    ~CHtmlView() override;

    // Each does nothing without the control. Post data, when given, is
    // sent as the dwPostDataLen bytes at lpvPostData.
    void Navigate(LPCTSTR lpszURL, DWORD dwFlags = 0, LPCTSTR lpszTargetFrameName = nullptr,
                  LPCTSTR lpszHeaders = nullptr, LPCVOID lpvPostData = nullptr, DWORD dwPostDataLen = 0);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();
    BOOL GetBusy() const;
    CString GetLocationURL() const;
    // Silent: no dialog boxes of the page's scripts and errors.
    void SetSilent(BOOL bSilent);
    BOOL GetSilent() const;
    // The current document and the control's automation object, with a
    // reference for the caller; null when there is none.
    LPDISPATCH GetHtmlDocument() const;
    LPDISPATCH GetApplication() const;

    // The control, while the view has one.
    CComRef<IWebBrowser2> m_pBrowserApp;

    // Events of the control. The defaults do nothing.
    virtual void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                                   CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel);
    virtual void OnNavigateComplete2(LPCTSTR lpszURL);
    virtual void OnDocumentComplete(LPCTSTR lpszURL);
    virtual void OnNavigateError(LPCTSTR lpszURL, LPCTSTR lpszFrame, DWORD dwError, BOOL* pbCancel);
    virtual void OnStatusTextChange(LPCTSTR lpszText);
    virtual void OnTitleChange(LPCTSTR lpszText);
    // nCommand: CSC_NAVIGATEFORWARD (1) or CSC_NAVIGATEBACK (2).
    virtual void OnCommandStateChange(long nCommand, BOOL bEnable);
    virtual void OnDownloadBegin();
    virtual void OnDownloadComplete();
    virtual void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* pbCancel);
    // The page asks for a new window for lpszUrl; *ppDisp may receive the
    // browser to open it in.
    virtual void OnNewWindow3(LPDISPATCH* ppDisp, BOOL* pbCancel, DWORD dwFlags, LPCTSTR lpszUrlContext,
                              LPCTSTR lpszUrl);

    // The host's side of the document's user interface: S_OK when the
    // view showed (or swallowed) the menu, S_FALSE for the control's own.
    virtual HRESULT OnShowContextMenu(DWORD dwID, LPPOINT ppt, LPUNKNOWN pcmdtReserved,
                                      LPDISPATCH pdispReserved);
    virtual HRESULT OnGetHostInfo(DOCHOSTUIINFO* pInfo);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnDraw(CDC* pDC) override;

protected:
    // A key message for a window of the control goes to the control's
    // accelerator handling; TRUE when it took it.
    BOOL PreTranslateInput(MSG* pMsg);
    // The view's own window or one of the control's windows inside it.
    BOOL IsBrowserWindow(HWND hWnd) const;
    // During an event: whether it came from the top-level browser rather
    // than a frame of its page.
    BOOL IsTopLevelEvent() const { return m_bTopLevelEvent; }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()

private:
    friend class CHtmlViewSite;

    BOOL CreateBrowser();
    void DestroyBrowser();
    // From the site: one event of the control.
    void DispatchEvent(DISPID dispid, DISPPARAMS* pParams);

    // Declared first: OLE stays initialised until everything below is gone.
    CScopedOleInit m_oleInit;
    CHtmlViewSite* m_pSite = nullptr;
    CComRef<IOleObject> m_pOleObject;
    CComRef<IConnectionPoint> m_pEventPoint;
    DWORD m_dwEventCookie = 0;
    BOOL m_bTopLevelEvent = FALSE;
};

#endif // TANZO_AFX_HTMLVIEW_H
