#ifndef TANZO_TEXT_MARKUPPARSER_H
#define TANZO_TEXT_MARKUPPARSER_H

#include <vector>

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/MarkupNode.h"

// Results of Parse. Lenient parsing (strictness 0) always reads the whole
// source; a stricter parser stops at the first offence.
#define MARKUP_PARSE_DONE 0
#define MARKUP_PARSE_STRAY_END_TAG 1 // an end tag that closes nothing
#define MARKUP_PARSE_STRAY_QUOTE 2   // a quote that opens no attribute value
#define MARKUP_PARSE_CELL_IN_TABLE 3 // a "td" directly inside a "table"

// Where a strict parse stopped: the byte position of the tag's '<' and
// the text between its brackets.
struct CMarkupParseError
{
    int m_nPosition;
    CString m_strTagText;
};

// A one-pass parser of markup text (code page 932) into the tree of
// MarkupNode.h under a given container. This base is the strict generic
// form: every start tag opens an element, an end tag must close the
// current one, only double quotes delimit values. CHtmlParser is the
// forgiving HTML form that the program uses.
//
// The parse is linear in the source: every byte is looked at a bounded
// number of times, whatever the markup.
class CMarkupParser
{
public:
    // The container is emptied when parsing starts and receives the tree.
    CMarkupParser(CMarkupElement* pContainer, int nStrictness = 0);
    virtual ~CMarkupParser();

    // nLength -1: up to the terminating NUL. Returns MARKUP_PARSE_*.
    virtual int Parse(LPCTSTR source, int nLength = -1);
    // A node made from the text between '<' and '>' with its attributes;
    // null when the text is no tag this parser knows.
    virtual CMarkupNode* CreateNodeFromTagText(LPCTSTR tagText, int nLength = -1);
    // An end tag met while parsing: closes the element it names, as far as
    // the rules let it. Returns MARKUP_PARSE_DONE or the stop code.
    virtual int CloseElement(LPCTSTR name, int nLength);
    // A node for a tag name (the first word of a tag), or null.
    virtual CMarkupNode* CreateNode(LPCTSTR name);

    const CMarkupParseError* GetParseError() const { return m_pError; }
    int GetStrictness() const { return m_nStrictness; }

    // Elements nest at most this deep; an element that would go deeper is
    // kept as a child of the deepest one, and what follows it too.
    static constexpr int kMaxDepth = 512;

protected:
    CMarkupParser(CMarkupElement* pContainer, int nStrictness, BOOL bHtml);

    struct OpenElement
    {
        CMarkupElement* pElement;
        int nTag;      // index in the HTML tag table, -1 when not there
        DWORD dwFlags; // its HTML_TAG_* flags
        int nBarrier;  // depth of the nearest enclosing element an end tag cannot reach past
        int nPrevSame; // depth of the next open element of the same tag below, -1 none
    };

    // Puts a node made from a start tag into the tree; a container becomes
    // the current element. Returns MARKUP_PARSE_DONE or the stop code.
    virtual int PlaceNode(CMarkupNode* pNode);

    OpenElement& Current() { return m_open.back(); }
    void Append(CMarkupNode* pNode);
    // Makes the element current (unless the tree is at its deepest).
    void Push(CMarkupElement* pElement);
    // Closes open elements until nDepth remain; the container stays.
    void PopTo(size_t nDepth);

    // The table index and flags of an element's name (-1 when not there),
    // those that CreateNode noted for the node it made last without a
    // second lookup.
    int TagOf(const CMarkupNode* pNode, DWORD* pFlags = nullptr) const;
    const CMarkupNode* m_pCreated = nullptr;
    int m_nCreatedTag = -1;
    DWORD m_dwCreatedFlags = 0;

    // The open elements: [0] is the container, the last is the current one.
    std::vector<OpenElement> m_open;
    // Per tag of the table: depth of its deepest open element, -1 none.
    std::vector<int> m_lastOpen;

private:
    CMarkupParser(const CMarkupParser&) = delete;
    CMarkupParser& operator=(const CMarkupParser&) = delete;

    int RunParse(LPCTSTR source, int nLength);
    int EndOfTag(int nTagStart, int nEnd, int& nTextStart, BOOL& bInTag);
    void AddText(int nStart, int nEnd);
    BOOL RawLessThanOpensTag(int nPos) const;
    int Stop(int nCode, int nTagStart, int nTagEnd);

    CMarkupElement* m_pContainer;
    CMarkupParseError* m_pError;
    // A tag's attributes as they are read, before they go to its list.
    std::vector<CMarkupAttribute> m_attributes;
    int m_nStrictness;
    BOOL m_bHtml;

    // The run in progress.
    LPCTSTR m_pSource;
    int m_nLength;
    // Where the last '"', '\'' and "-->" start: looked for on first use
    // (kNotSought until then), as most pages never ask for some of them.
    mutable int m_nLastDoubleQuote;
    mutable int m_nLastSingleQuote;
    mutable int m_nLastCommentEnd;
    static const int kNotSought = -2;
    int LastIndex(int& nCached, const char* what, int k) const;
};

#endif // TANZO_TEXT_MARKUPPARSER_H
