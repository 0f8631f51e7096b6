#ifndef TANZO_CONTROLS_MARKUPPAGE_H
#define TANZO_CONTROLS_MARKUPPAGE_H

// A page parsed by our own HTML parser behind the browser windows' element
// interface (PageElement.h): what their rules run on without a browser.
// Changes go into the document's tree; a submitted form is only recorded.

#include "afx/Collections.h"
#include "afx/String.h"
#include "controls/PageElement.h"

#include <memory>

class CMarkupDocument;

class CMarkupPage
{
public:
    // The document must outlive the page and the elements handed out.
    explicit CMarkupPage(CMarkupDocument& document) : m_document(document) {}

    // Every element of the page (not text, comments or "!" tags such as
    // the doctype), in document order; parses the document when needed.
    std::unique_ptr<CPageElementList> GetElements();
    // The names of the forms submitted, in order ("" for one without).
    const CStringList& GetSubmittedForms() const { return m_submitted; }

private:
    CMarkupPage(const CMarkupPage&) = delete;
    CMarkupPage& operator=(const CMarkupPage&) = delete;

    CMarkupDocument& m_document;
    CStringList m_submitted;

    friend class CMarkupPageElement;
};

// One property of a style attribute's text ("color: red; display: none"),
// names ignoring case: its value without blanks around it.
BOOL GetStyleProperty(LPCTSTR lpszStyle, LPCTSTR lpszName, CString& value);
// The style text with the property set where it stands, else added at the
// end; an empty value removes it. Declarations come out as "name: value",
// separated by "; ".
CString SetStyleProperty(LPCTSTR lpszStyle, LPCTSTR lpszName, LPCTSTR lpszValue);

#endif // TANZO_CONTROLS_MARKUPPAGE_H
