#include "controls/HtmlViewEvents.h"

#include "afx/MessageBox.h"
#include "controls/BrowserResourceIds.h"

void CHtmlViewEvents::OnForwardEnabled(BOOL) {}

void CHtmlViewEvents::OnBackEnabled(BOOL) {}

BOOL CHtmlViewEvents::IsContextMenuBlocked()
{
    return FALSE;
}

BOOL CHtmlViewEvents::OnBeforeNavigate2(LPCTSTR, DWORD, LPCTSTR, CByteArray&, LPCTSTR, BOOL*)
{
    return FALSE;
}

void CHtmlViewEvents::OnDocumentComplete(LPCTSTR) {}

void CHtmlViewEvents::OnDownloadBegin() {}

void CHtmlViewEvents::OnDownloadComplete() {}

void CHtmlViewEvents::OnStatusTextChange(LPCTSTR) {}

void CHtmlViewEvents::OnDownloadTimeout()
{
    AfxMessageBox(IDS_BROWSER_DOWNLOAD_TIMEOUT, MB_OK);
}
