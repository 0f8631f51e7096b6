#include "controls/PreviewContent.h"

#include "afx/Exception.h"
#include "afx/File.h"
#include "controls/BrowserNavigation.h"
#include "text/MarkupDocument.h"
#include "text/MarkupNode.h"
#include "text/MbcsString.h"
#include "text/UrlUtil.h"

namespace
{
// Paths compare with either separator and without case.
CString ComparablePath(LPCTSTR lpszPath)
{
    CString path(lpszPath);
    path.Replace('/', '\\');
    return path;
}

BOOL FileExists(LPCTSTR lpszPath)
{
    CFileStatus status;
    return CFile::GetStatus(lpszPath, status);
}
} // namespace

CPreviewContent::CPreviewContent() : m_writtenFiles(10) {}

CPreviewContent::~CPreviewContent()
{
    for (POSITION pos = m_writtenFiles.GetHeadPosition(); pos != nullptr;)
    {
        const CString& path = m_writtenFiles.GetNext(pos);
        if (!FileExists(path))
            continue;
        try
        {
            CFile::Remove(path);
        }
        catch (CFileException* e)
        {
            e->Delete();
        }
    }
}

void CPreviewContent::BuildPreviewHtml(LPCTSTR lpszText)
{
    m_strHtml.Empty();
    CMarkupDocument document;
    MakePreviewDocument(document.GetRoot(), lpszText);
    document.GetSource(m_strHtml);
}

void CPreviewContent::MakePreviewDocument(CMarkupRoot* pRoot, LPCTSTR lpszText)
{
    if (m_options.TestAny(PREVIEW_WITH_DOCTYPE))
    {
        auto* pDoctype = new CMarkupTag("!DOCTYPE");
        pDoctype->AddAttribute("html", nullptr);
        pRoot->AppendChild(pDoctype);
    }
    auto* pHtml = new CMarkupTagElement("html");
    pRoot->AppendChild(pHtml);
    auto* pHead = new CMarkupTagElement("head");
    pHtml->AppendChild(pHead);
    auto* pMeta = new CMarkupTag("meta");
    pMeta->AddAttribute("http-equiv", "Content-Type");
    pMeta->AddAttribute("content", "text/html; charset=Shift_JIS");
    pHead->AppendChild(pMeta);
    auto* pBody = new CMarkupTagElement("body");
    pHtml->AppendChild(pBody);
    pBody->AppendChild(new CMarkupText(lpszText));
}

BOOL CPreviewContent::WritePreviewFile(LPCTSTR lpszWorkFilePath, LPCTSTR lpszName)
{
    CString path;
    if (!MakePreviewFilePath(lpszWorkFilePath, lpszName, path))
        return FALSE;
    try
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        // Remembered as soon as it exists, so that it is deleted even
        // when the write fails.
        if (m_writtenFiles.Find(path) == nullptr)
            m_writtenFiles.AddTail(path);
        file.Write((LPCTSTR)m_strHtml, (UINT)m_strHtml.GetLength());
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        return FALSE;
    }
    m_strFilePath = path;
    return TRUE;
}

BOOL CPreviewContent::IsOwnFile(LPCTSTR lpszURL) const
{
    CString path;
    if (!FileUrlToPath(lpszURL, path))
        return FALSE;
    for (POSITION pos = m_writtenFiles.GetHeadPosition(); pos != nullptr;)
        if (MbsEqualNoCase(ComparablePath(m_writtenFiles.GetNext(pos)), path))
            return TRUE;
    return FALSE;
}

BOOL MakePreviewFilePath(LPCTSTR lpszWorkFilePath, LPCTSTR lpszName, CString& out)
{
    out.Empty();
    if (lpszWorkFilePath == nullptr || *lpszWorkFilePath == '\0' || lpszName == nullptr || *lpszName == '\0')
        return FALSE;
    out = CString(lpszWorkFilePath) + "_" + lpszName + ".htm";
    return TRUE;
}

PreviewNavigation DecidePreviewNavigation(const CPreviewContent& content, LPCTSTR lpszURL, DWORD dwFlags)
{
    if (IsMailtoUrl(lpszURL) || content.IsOwnFile(lpszURL))
        return PREVIEW_NAV_PASS;
    return (dwFlags & HTMLNAV_BY_USER) != 0 ? PREVIEW_NAV_OPEN_OUTSIDE : PREVIEW_NAV_PASS;
}

BOOL IsPreviewStatusText(LPCTSTR lpszText)
{
    return lpszText == nullptr || *lpszText == '\0' ||
           HasUrlScheme(lpszText, URL_SCHEME_HTTP | URL_SCHEME_HTTPS | URL_SCHEME_FTP | URL_SCHEME_RES) ||
           IsMailtoUrl(lpszText);
}
