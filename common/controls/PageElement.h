#ifndef TANZO_CONTROLS_PAGEELEMENT_H
#define TANZO_CONTROLS_PAGEELEMENT_H

// The page the embedded browser shows, as the browser windows read and
// change it: its elements in document order, each with a tag, attributes,
// a style display and, for a form, submission. One implementation works
// over the browser's document, one over our own parsed documents
// (MarkupPage.h), so that the queries below are the same for both.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <memory>

class CPageElementList;

class CPageElement
{
public:
    virtual ~CPageElement() = default;

    virtual CString GetTagName() = 0;
    // FALSE when the element has no such attribute.
    virtual BOOL GetAttribute(LPCTSTR lpszName, CString& strValue) = 0;
    virtual BOOL SetAttribute(LPCTSTR lpszName, LPCTSTR lpszValue) = 0;
    // The display property of the element's own style.
    virtual BOOL SetDisplay(LPCTSTR lpszValue) = 0;
    // Sends the form; FALSE for an element that is not one.
    virtual BOOL Submit() = 0;
    // The elements inside this one, in document order.
    virtual std::unique_ptr<CPageElementList> GetElements() = 0;
};

class CPageElementList
{
public:
    virtual ~CPageElementList() = default;

    virtual int GetCount() = 0;
    // Null outside the list.
    virtual std::unique_ptr<CPageElement> GetAt(int nIndex) = 0;
};

// Flags of the queries.
#define PAGE_FIND_FIRST 0x1    // stop at the first match
#define PAGE_FIND_CONTAINS 0x2 // the attribute value contains the wanted one

// An element of the tag (ignoring case); when an attribute name and value
// are given, with that attribute equal to the value (ignoring case), or
// containing it with PAGE_FIND_CONTAINS.
BOOL PageElementMatches(CPageElement& element, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                        int nFlags);
// The matches in the list; with PAGE_FIND_FIRST at most one.
int CountPageElements(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                      int nFlags);
BOOL FindPageElement(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                     int nFlags);
// The first match; null when none.
std::unique_ptr<CPageElement> GetFirstPageElement(CPageElementList& list, LPCTSTR lpszTag,
                                                  LPCTSTR lpszAttrName, LPCTSTR lpszAttrValue,
                                                  int nFlags = 0);

// Sets lpszAttrToSet of the first element of the tag whose lpszMatchAttr
// equals lpszMatchValue. "display:<value>" given for "style" sets the
// style's display property instead of the whole attribute.
BOOL SetPageElementValue(CPageElementList& list, LPCTSTR lpszTag, LPCTSTR lpszAttrToSet, LPCTSTR lpszValue,
                         LPCTSTR lpszMatchAttr, LPCTSTR lpszMatchValue);
// The form of that name; null when none.
std::unique_ptr<CPageElement> GetPageForm(CPageElementList& list, LPCTSTR lpszName);
BOOL SubmitPageForm(CPageElementList& list, LPCTSTR lpszName);

// For SetPageElementValue: TRUE when the value for the attribute is a
// display assignment ("style" and "display:none", blanks and a closing ";"
// allowed); display receives "none".
BOOL ParseDisplayAssignment(LPCTSTR lpszAttr, LPCTSTR lpszValue, CString& display);

#endif // TANZO_CONTROLS_PAGEELEMENT_H
