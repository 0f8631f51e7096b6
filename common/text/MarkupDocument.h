#ifndef TANZO_TEXT_MARKUPDOCUMENT_H
#define TANZO_TEXT_MARKUPDOCUMENT_H

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/MarkupNode.h"

class CMarkupParser;

// Flags of the queries.
#define MARKUP_FIND_FIRST 0x01 // the first match only
#define MARKUP_FIND_CONTAINS                                                                                 \
    0x02                           // the attribute value contains the given one (case-sensitive)
                                   // instead of equalling it (ignoring case)
#define MARKUP_FIND_INNER 0x04     // markup queries: a container's children without its own tags
#define MARKUP_FIND_TOP_LEVEL 0x08 // only the root's direct children
#define MARKUP_FIND_PARENT 0x10    // each match's parent instead of the match

// A page text (code page 932) and its tree, parsed on the first query and
// again only after SetSource or Clear. The queries find elements by tag
// name, narrowed by one attribute: attrName given, the element has it;
// attrValue given too, its value equals attrValue ignoring case (contains
// it with MARKUP_FIND_CONTAINS; an empty attrValue then matches any value).
// A tag name that the document takes for an empty tag finds leaf tags,
// any other finds elements; text, comments and the root are never found.
// No query throws; a document without a source finds nothing.
class CMarkupDocument
{
public:
    explicit CMarkupDocument(LPCTSTR source = nullptr);
    virtual ~CMarkupDocument();

    // Empties the source and the tree, then takes the text.
    virtual void SetSource(LPCTSTR text);
    // Supplies the source when a parse finds it empty; FALSE here.
    virtual BOOL LoadSource();
    virtual BOOL IsEmptyTagName(LPCTSTR name) const;
    // The parser of this kind of document, owned by the caller.
    virtual CMarkupParser* CreateParser(CMarkupRoot* pRoot);

    // The source; a document built from a tree alone is written out first.
    void GetSource(CString& out);
    // The same text without a copy, valid until the source changes.
    const CString& GetSourceText();
    BOOL IsSourceEmpty() const { return m_strSource.IsEmpty(); }
    void Clear();
    CMarkupRoot* GetRoot() { return &m_root; }
    // Parses the source into a new tree; FALSE when there is no source.
    BOOL Parse();
    // The node (not a copy) becomes the whole tree, in place of the source.
    BOOL SetFromElement(CMarkupNode* pNode);

    // Appends the matches (the document's own nodes, valid until it is
    // parsed again, cleared or destroyed); TRUE when the list is not empty.
    BOOL FindElements(LPCTSTR tag, CPtrList& nodes, LPCTSTR attrName = nullptr, LPCTSTR attrValue = nullptr,
                      int flags = 0);
    // A deep copy of the first match, owned by the caller; null when none.
    CMarkupNode* FindElement(LPCTSTR tag, LPCTSTR attrName = nullptr, LPCTSTR attrValue = nullptr,
                             int flags = 0);
    // Empties the container and fills it with copies of the matches.
    BOOL FindElementsToList(LPCTSTR tag, CMarkupElement* pContainer, LPCTSTR attrName = nullptr,
                            LPCTSTR attrValue = nullptr, int flags = 0);
    BOOL HasElement(LPCTSTR tag, LPCTSTR attrName = nullptr, LPCTSTR attrValue = nullptr, int flags = 0);
    // The value of attrToRead of the first match that has it.
    BOOL GetAttribute(LPCTSTR tag, LPCTSTR attrToRead, CString& out, LPCTSTR attrName = nullptr,
                      LPCTSTR attrValue = nullptr, int flags = 0);
    // Appends the value of attrToRead of every match that has it.
    BOOL GetAttributes(LPCTSTR tag, LPCTSTR attrToRead, CStringList& values, LPCTSTR attrName = nullptr,
                       LPCTSTR attrValue = nullptr, int flags = 0);
    // The markup of the first match (start and end tags included unless
    // MARKUP_FIND_INNER).
    BOOL GetElementText(LPCTSTR tag, CString& out, LPCTSTR attrName = nullptr, LPCTSTR attrValue = nullptr,
                        int flags = 0);
    BOOL GetElementTexts(LPCTSTR tag, CStringList& texts, LPCTSTR attrName = nullptr,
                         LPCTSTR attrValue = nullptr, int flags = 0);
    // Whether the markup of any match contains the text, ignoring case.
    BOOL ElementTextContains(LPCTSTR tag, LPCTSTR text, LPCTSTR attrName = nullptr,
                             LPCTSTR attrValue = nullptr, int flags = 0);

protected:
    CString m_strSource;
    CMarkupRoot m_root;

private:
    CMarkupDocument(const CMarkupDocument&) = delete;
    CMarkupDocument& operator=(const CMarkupDocument&) = delete;

    // Calls found(node) for each match in document order until it answers
    // true (with bOutermost, for no match inside another); FALSE when the
    // document has nothing to search.
    template <class Found>
    BOOL ForEachMatch(LPCTSTR tag, LPCTSTR attrName, LPCTSTR attrValue, int flags, Found found,
                      bool bOutermost = false);
};

#endif // TANZO_TEXT_MARKUPDOCUMENT_H
