#ifndef TANZO_TEXT_HTMLPARSER_H
#define TANZO_TEXT_HTMLPARSER_H

#include "afx/wintypes.h"
#include "text/MarkupParser.h"

// The forgiving HTML parser of every page the program reads. It knows the
// tags of the HTML tag table (HtmlTagTable.h) and nothing else: a tag not
// in the table stays text, with its brackets. It closes elements whose end
// tag is optional, puts a cell written directly into a table into a row,
// keeps the contents of script, title, textarea and the like as text, and
// never fails: what it cannot place becomes text or is dropped.
class CHtmlParser : public CMarkupParser
{
public:
    CHtmlParser(CMarkupElement* pContainer, int nStrictness = 0);

    int CloseElement(LPCTSTR name, int nLength) override;
    CMarkupNode* CreateNode(LPCTSTR name) override;

protected:
    int PlaceNode(CMarkupNode* pNode) override;
};

#endif // TANZO_TEXT_HTMLPARSER_H
