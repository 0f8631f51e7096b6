#ifndef TANZO_CLIENT_MYAUCTIONPAGEREADER_H
#define TANZO_CLIENT_MYAUCTIONPAGEREADER_H

#include <vector>

#include "afx/String.h"
#include "afx/wintypes.h"
#include "net/ProgressSinkRef.h"

class CHtmlDocument;
class CHttpComm;
class CMarkupNode;
class CProgressSink;

// A reader of the service's pages of the signed-in user: it queries the
// page that its HTTP conversation fetched last and reports its progress to
// a sink (none: nowhere).
class CMyAuctionPageReader
{
public:
    explicit CMyAuctionPageReader(CHttpComm* pHttpComm = nullptr, CProgressSink* pSink = nullptr);
    virtual ~CMyAuctionPageReader();

    CHttpComm* GetHttpComm() const { return m_progress.GetHttpComm(); }
    void SetHttpComm(CHttpComm* pHttpComm) { m_progress.SetHttpComm(pHttpComm); }
    void SetProgressSink(CProgressSink* pSink) { m_progress.SetSink(pSink); }
    const CProgressSinkRef& GetProgress() const { return m_progress; }

    // The fetched page says the item is gone (deleted, or no such ID).
    BOOL CheckAlertBox();
    // The fetched page asks whether to enter an adult category.
    BOOL IsAdultCategoryWarning();

protected:
    CProgressSinkRef m_progress;

private:
    CMyAuctionPageReader(const CMyAuctionPageReader&) = delete;
    CMyAuctionPageReader& operator=(const CMyAuctionPageReader&) = delete;
};

// The readers behind CheckAlertBox and IsAdultCategoryWarning.
BOOL IsItemGoneAlert(CHtmlDocument* pPage);
BOOL IsAdultCategoryPage(CHtmlDocument* pPage);

// The text of the "untBody" block of the page's visible alert box.
BOOL GetPageBodyText(CHtmlDocument* pPage, CString& out, BOOL bStripSpaces);

// A cell shows the premium icon: an image from the service's image host,
// "//host" followed by one of the icon's paths.
BOOL IsPremiumIcon(const CMarkupNode* pCell);
// The addresses it is shown from: "//host" of the image origin with each
// of the icon's paths; none when the origin has no "//".
std::vector<CString> GetPremiumIconSources();
// The same test over images (the "img" nodes of a cell) and sources.
BOOL IsPremiumIconAmong(const std::vector<const CMarkupNode*>& images, const std::vector<CString>& sources);

#endif // TANZO_CLIENT_MYAUCTIONPAGEREADER_H
