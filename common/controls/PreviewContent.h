#ifndef TANZO_CONTROLS_PREVIEWCONTENT_H
#define TANZO_CONTROLS_PREVIEWCONTENT_H

// What an HTML preview shows and the temporary files it writes for the
// browser, apart from the windows (TempHtmlPreviewHost.h shows them): the
// HTML text, the document built around a plain text, the file of each
// preview name, and the rules for the navigations and status texts of the
// page shown.

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/BitFlags.h"

class CMarkupRoot;

// Options of a preview.
#define PREVIEW_HIDDEN_BROWSER 0x1 // the browser window is created hidden
#define PREVIEW_WITH_HISTORY 0x2   // a shown file goes into the browser's history
#define PREVIEW_WITH_DOCTYPE 0x4   // a built document starts with <!DOCTYPE html>

class CPreviewContent
{
public:
    CPreviewContent();
    // Deletes every file written that still exists.
    virtual ~CPreviewContent();

    void SetHtml(LPCTSTR lpszHtml) { m_strHtml = lpszHtml; }
    const CString& GetHtml() const { return m_strHtml; }
    BOOL IsHtmlEmpty() const { return m_strHtml.IsEmpty(); }

    // The HTML becomes the markup of the document MakePreviewDocument
    // builds for the text.
    void BuildPreviewHtml(LPCTSTR lpszText);
    // The document shown for a plain text: the doctype (with
    // PREVIEW_WITH_DOCTYPE), then html, its head with the Shift_JIS
    // content type, and a body holding the text as it is.
    virtual void MakePreviewDocument(CMarkupRoot* pRoot, LPCTSTR lpszText);

    CBitFlagsEx& GetOptions() { return m_options; }
    const CBitFlagsEx& GetOptions() const { return m_options; }

    // Writes the HTML's bytes unchanged to the file of the name:
    // "<work file>_<name>.htm". FALSE for an empty name or work file path,
    // or when the file cannot be written; the last file path stays then.
    BOOL WritePreviewFile(LPCTSTR lpszWorkFilePath, LPCTSTR lpszName);
    // The file last written.
    const CString& GetFilePath() const { return m_strFilePath; }
    // Every file written, each once.
    const CStringList& GetWrittenFiles() const { return m_writtenFiles; }
    // Whether the address names one of the files written.
    BOOL IsOwnFile(LPCTSTR lpszURL) const;

protected:
    CString m_strFilePath;
    CStringList m_writtenFiles;
    CBitFlagsEx m_options;
    CString m_strHtml;

private:
    CPreviewContent(const CPreviewContent&) = delete;
    CPreviewContent& operator=(const CPreviewContent&) = delete;
};

// "<work file>_<name>.htm"; FALSE (out empty) for an empty part.
BOOL MakePreviewFilePath(LPCTSTR lpszWorkFilePath, LPCTSTR lpszName, CString& out);

// What a preview does with a navigation of its page.
enum PreviewNavigation
{
    PREVIEW_NAV_PASS,         // the browser goes on
    PREVIEW_NAV_OPEN_OUTSIDE, // cancelled here, opened in a browser of its own
};
// A "mailto:" link and the preview's own file pass; a navigation the user
// started in the page (HTMLNAV_BY_USER in the flags) opens outside; what
// the page does by itself (frames, redirects, about:blank) stays.
PreviewNavigation DecidePreviewNavigation(const CPreviewContent& content, LPCTSTR lpszURL, DWORD dwFlags);

// Status texts shown under a preview: none (the status line is cleared),
// web and resource addresses and "mailto:" links; never script texts.
BOOL IsPreviewStatusText(LPCTSTR lpszText);

#endif // TANZO_CONTROLS_PREVIEWCONTENT_H
