#ifndef TANZO_TEXT_HTMLDOCUMENT_H
#define TANZO_TEXT_HTMLDOCUMENT_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/Charset.h"
#include "text/MarkupDocument.h"

// A page as every reader of the program sees it: its text in code page 932
// parsed by CHtmlParser on the first query. Empty tags (br, img, input,
// meta...) are found as leaf tags. The HTTP client's request object is one
// (it supplies the fetched body through LoadSource), and so is any page
// text a reader builds a document from.
class CHtmlDocument : public CMarkupDocument
{
public:
    explicit CHtmlDocument(LPCTSTR source = nullptr);
    ~CHtmlDocument() override;

    BOOL IsEmptyTagName(LPCTSTR name) const override;
    CMarkupParser* CreateParser(CMarkupRoot* pRoot) override;

    // The charset the page came in (CHARSET_*); its text here is always
    // code page 932. CHARSET_UNKNOWN until someone tells.
    virtual int GetCharset();
    void SetCharset(int nCharset) { m_nCharset = nCharset; }

    // The first "title" element with its tags removed (entities as written).
    BOOL GetTitle(CString& out);
    // The value of the first "input" of that name that has one, with its
    // entities decoded as a browser would post it.
    BOOL GetInputValue(LPCTSTR name, CString& out);
    // Names and values of the hidden inputs that have a name, in page
    // order, decoded as GetInputValue; both lists are emptied first. TRUE
    // when there was one.
    BOOL GetHiddenInputs(CStringList& names, CStringList& values);

protected:
    int m_nCharset;
};

// Appends the plain text of a subtree (its text nodes, entities as
// written) without what its script and noscript elements hold.
BOOL GetPlainTextWithoutScripts(const CMarkupNode* pNode, CString& out);

#endif // TANZO_TEXT_HTMLDOCUMENT_H
