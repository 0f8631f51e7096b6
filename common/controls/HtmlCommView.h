#ifndef TANZO_CONTROLS_HTMLCOMMVIEW_H
#define TANZO_CONTROLS_HTMLCOMMVIEW_H

// CHtmlCommView: the browser view every window of the program hosts
// (Windows builds). Its events go to a listener first; a download that
// takes too long is stopped; new windows the page asks for open in this
// view; the page's elements are read and changed through PageElement.h.
//
// The flags the listener gets for a navigation carry HTMLNAV_BY_USER when
// it follows a click or Enter of the user in the page; what the page does
// by itself (frames, redirects, scripts) never does.

#include "afx/ScopedWin.h"
#include "controls/BrowserNavigation.h"
#include "controls/FixHtmlView.h"
#include "controls/PageElement.h"

#include <memory>

class CHtmlViewEvents;

// The window timer of the download time-out.
#define HTMLVIEW_TIMER_DOWNLOAD 0x1106

class CHtmlCommView : public CFixHtmlView
{
    DECLARE_DYNCREATE(CHtmlCommView)
public:
    CHtmlCommView();

    // The listener is not owned; the view forgets it when its window goes.
    void SetListener(CHtmlViewEvents* pListener) { m_pListener = pListener; }
    CHtmlViewEvents* GetListener() const { return m_pListener; }
    // Seconds a download may take; 0 for no limit.
    void SetDownloadTimeout(int nSeconds) { m_nDownloadTimeout = nSeconds; }
    int GetDownloadTimeout() const { return m_nDownloadTimeout; }
    void SetOpenNewWindowInPlace(BOOL bInPlace) { m_bOpenNewWindowInPlace = bInPlace; }
    BOOL GetOpenNewWindowInPlace() const { return m_bOpenNewWindowInPlace; }

    // Stops a busy browser first.
    BOOL Navigate(LPCTSTR lpszURL, DWORD dwFlags = 0, LPCTSTR lpszTargetFrameName = nullptr,
                  LPCTSTR lpszHeaders = nullptr, LPCVOID lpvPostData = nullptr,
                  DWORD dwPostLength = 0) override;

    // The current page; each is FALSE without a document or a match.
    BOOL FindElement(LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue, int nFlags = 0);
    BOOL SetElementValue(LPCTSTR lpszTag, LPCTSTR lpszAttrToSet, LPCTSTR lpszValue, LPCTSTR lpszMatchAttr,
                         LPCTSTR lpszMatchValue);
    BOOL GetForm(std::unique_ptr<CPageElement>& form, LPCTSTR lpszName);
    BOOL SubmitForm(LPCTSTR lpszName);
    // The elements of the current document; null without one.
    virtual std::unique_ptr<CPageElementList> GetPageElements();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel) override;
    void OnDocumentComplete(LPCTSTR lpszURL) override;
    void OnStatusTextChange(LPCTSTR lpszText) override;
    void OnCommandStateChange(long nCommand, BOOL bEnable) override;
    void OnDownloadBegin() override;
    void OnDownloadComplete() override;
    void OnNewWindow3(LPDISPATCH* ppDisp, BOOL* pbCancel, DWORD dwFlags, LPCTSTR lpszUrlContext,
                      LPCTSTR lpszUrl) override;
    HRESULT OnShowContextMenu(DWORD dwID, LPPOINT ppt, LPUNKNOWN pcmdtReserved,
                              LPDISPATCH pdispReserved) override;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    BOOL IsContextMenuBlocked() const;

    CHtmlViewEvents* m_pListener = nullptr;
    int m_nDownloadTimeout = 0;
    BOOL m_bOpenNewWindowInPlace = TRUE;
    CScopedTimer m_downloadTimer;
    CUserInputTracker m_userInput;
};

#endif // TANZO_CONTROLS_HTMLCOMMVIEW_H
