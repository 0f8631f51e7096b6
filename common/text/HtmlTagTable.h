#ifndef TANZO_TEXT_HTMLTAGTABLE_H
#define TANZO_TEXT_HTMLTAGTABLE_H

#include "afx/wintypes.h"

// The HTML tag table: every tag name the HTML parser knows, with the flags
// that decide how it is built into the tree. Names compare by their
// lower-case form; a name not in the table is not a tag at all (the parser
// keeps it as text).

#define HTML_TAG_OPTIONAL_END 0x01 // closed implicitly
#define HTML_TAG_EMPTY 0x02        // never has children: a leaf tag
#define HTML_TAG_INLINE 0x10
#define HTML_TAG_PREFORMATTED 0x20
#define HTML_TAG_RAW_TEXT 0x40 // contents are text up to the matching end tag

// Number of names in the table.
#define HTML_TAG_COUNT 115

// Index of a name in the table (0 .. HTML_TAG_COUNT - 1), -1 when it is not
// there; flags receives its flags when given. The counted form reads
// exactly length bytes.
int LookupHtmlTag(LPCTSTR name, int length, DWORD* flags = nullptr);
int LookupHtmlTag(LPCTSTR name, DWORD* flags = nullptr);
DWORD GetHtmlTagFlagsAt(int index);
// The table's own lower-case spelling of a name (null past the table), and
// whether a pointer points into those spellings: a node keeps a name so
// spelt as that pointer instead of a copy.
LPCTSTR GetHtmlTagNameAt(int index);
BOOL IsHtmlTagNameText(LPCTSTR p);

BOOL IsKnownTag(LPCTSTR name);
BOOL GetTagFlags(LPCTSTR name, DWORD& flags);
// Known and any of bits set.
BOOL TagHasFlags(LPCTSTR name, DWORD bits);

inline BOOL IsOptionalEndTag(LPCTSTR name)
{
    return TagHasFlags(name, HTML_TAG_OPTIONAL_END);
}

inline BOOL IsEmptyTag(LPCTSTR name)
{
    return TagHasFlags(name, HTML_TAG_EMPTY);
}

inline BOOL IsInlineTag(LPCTSTR name)
{
    return TagHasFlags(name, HTML_TAG_INLINE);
}

inline BOOL IsRawTextTag(LPCTSTR name)
{
    return TagHasFlags(name, HTML_TAG_RAW_TEXT);
}

// Whether an open element whose end tag is optional may hold a new element
// of the child's name; when not, the new element closes it. "p" holds only
// inline elements, "li" no "li", "option" no "option", "tr" only cells.
BOOL CanContain(LPCTSTR parentName, LPCTSTR childName);
BOOL CanContainTag(int parentIndex, int childIndex);

#endif // TANZO_TEXT_HTMLTAGTABLE_H
