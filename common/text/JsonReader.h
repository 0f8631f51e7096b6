#ifndef TANZO_TEXT_JSONREADER_H
#define TANZO_TEXT_JSONREADER_H

#include "afx/wintypes.h"

class CJsonValue;

// Options of the reader.
enum
{
    JSON_ALLOW_LINE_COMMENTS = 1,  // "//" to the end of the line
    JSON_ALLOW_BLOCK_COMMENTS = 2, // "/*" to "*/"
    JSON_ALLOW_HASH_COMMENTS = 4,  // "#" to the end of the line
    JSON_ALLOW_SINGLE_QUOTES = 8,  // 'text' is a string as "text" is
};

// Results of reading; callers test for JSON_PARSE_OK only.
enum
{
    JSON_PARSE_OK = 0,
    JSON_PARSE_UNMATCHED = 1,  // a closing bracket or brace without its opener
    JSON_PARSE_TOO_DEEP = 2,   // containers nested deeper than JSON_MAX_DEPTH
    JSON_PARSE_INCOMPLETE = 4, // no text, or it ends inside a string, comment or container
};

// Deep enough for any page; the bound keeps a hostile text from exhausting
// the stack of the code that walks the tree.
const int JSON_MAX_DEPTH = 256;

// Reads JSON text (code page 932) leniently: brackets, braces, commas and
// colons outside strings give the structure; what lies between them is a
// keyword, a number or else a string. Two-byte characters are stepped over
// whole. pRoot receives the root value (null for a text without one; the
// caller owns it); on failure it is null and nothing is left over.
int JsonReadText(LPCTSTR lpszText, DWORD dwOptions, CJsonValue*& pRoot);

#endif // TANZO_TEXT_JSONREADER_H
