#ifndef TANZO_TEXT_HTMLTEXT_H
#define TANZO_TEXT_HTMLTEXT_H

#include "afx/String.h"
#include "afx/wintypes.h"

// With removeTags keeps only what lies outside '<' ... '>' (the brackets
// removed); without it only the tags, brackets included. TRUE when the
// text changed.
BOOL StripTags(CString& text, BOOL removeTags);

inline BOOL StripHtmlTags(CString& text)
{
    return StripTags(text, TRUE);
}

// An HTML fragment as plain text: every "<br>" becomes lineBreak when one
// is given, the tags are removed and the entities decoded ("&nbsp;" too).
// TRUE when the result is not empty.
BOOL HtmlToPlainText(LPCTSTR html, CString& out, LPCTSTR lineBreak = nullptr);
BOOL HtmlToPlainTextInPlace(CString& text, LPCTSTR lineBreak = nullptr);

#endif // TANZO_TEXT_HTMLTEXT_H
