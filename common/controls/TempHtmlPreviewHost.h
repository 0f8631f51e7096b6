#ifndef TANZO_CONTROLS_TEMPHTMLPREVIEWHOST_H
#define TANZO_CONTROLS_TEMPHTMLPREVIEWHOST_H

// CTempHtmlPreviewHost: what the preview dialog and page share (Windows
// builds). It writes its HTML to a temporary file of the program's work
// area, shows the file in a browser frame it places over a placeholder of
// its owner, and listens to that browser: the page's own navigations stay,
// a link the user clicks opens in a browser of its own (OpenInBrowser), right
// clicks do nothing, and link addresses go to the status window.

#include "afx/Wnd.h"
#include "app/DecorateStatic.h"
#include "controls/HtmlViewEvents.h"
#include "controls/PreviewContent.h"

class CHtmlFrame;

class CTempHtmlPreviewHost : public CPreviewContent, public CHtmlViewEvents
{
public:
    CTempHtmlPreviewHost();
    ~CTempHtmlPreviewHost() override;

    // The dialog or page that holds the host, and the static under the
    // browser that shows link addresses (none: not shown).
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
    CWnd* GetOwner() const { return m_pOwner; }
    void SetStatusWindow(CDecorateStatic* pStatusWindow) { m_pStatusWindow = pStatusWindow; }
    CDecorateStatic* GetStatusWindow() const { return m_pStatusWindow; }

    // The browser, while its window exists.
    CHtmlFrame* GetFrame() const;
    // Makes the browser as a child of the owner over the rectangle (client
    // coordinates) with the control id, hidden with PREVIEW_HIDDEN_BROWSER,
    // anchored to fill when the owner lays its controls out, and listened
    // to by this host. FALSE without an owner window or when the browser
    // cannot be made.
    BOOL CreateFrame(const RECT& rect, UINT nCtrlId);
    // The same over the placeholder's rectangle (an empty one without a
    // placeholder window).
    BOOL CreateFrameOver(CWnd* pPlaceholder, UINT nCtrlId);
    // Whether CreateFrame was tried, whatever came of it.
    BOOL IsFrameAttempted() const { return m_bFrameAttempted; }
    // Writes the HTML to "<work file>_<name>.htm" and shows it (in the
    // browser's history only with PREVIEW_WITH_HISTORY). FALSE for an
    // empty name, an application that is not a CAppComm or a file that
    // cannot be written (the browser then shows what it showed), and when
    // there is no browser to show it in.
    BOOL WriteAndShow(LPCTSTR lpszName);

    BOOL IsContextMenuBlocked() override;
    BOOL OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName,
                           CByteArray& baPostedData, LPCTSTR lpszHeaders, BOOL* pbCancel) override;
    void OnStatusTextChange(LPCTSTR lpszText) override;
    // Tells the user, then ends an owner that is a pop-up dialog with
    // IDCANCEL.
    void OnDownloadTimeout() override;

protected:
    CWnd* m_pOwner = nullptr;
    CDecorateStatic* m_pStatusWindow = nullptr;

private:
    // The frame deletes itself with its window: it is found again by its
    // handle, never through a pointer that may have gone stale.
    HWND m_hFrame = nullptr;
    BOOL m_bFrameAttempted = FALSE;
};

#endif // TANZO_CONTROLS_TEMPHTMLPREVIEWHOST_H
