#include "text/HtmlText.h"

#include <cstring>

#include "text/TextEscapes.h"

BOOL StripTags(CString& text, BOOL removeTags)
{
    const int length = text.GetLength();
    if (length == 0)
        return FALSE;
    // Markup bytes are below 0x40 and never the second byte of a
    // character: a byte walk will do. The result is never longer.
    char* begin = text.GetBuffer(length);
    char* out = begin;
    bool inTag = false;
    for (const char* p = begin; p < begin + length; ++p)
    {
        const char c = *p;
        if (!inTag && c == '<')
            inTag = true;
        const bool keep = removeTags ? !inTag : inTag;
        if (keep)
            *out++ = c;
        if (inTag && c == '>')
            inTag = false;
    }
    const int newLength = (int)(out - begin);
    text.ReleaseBuffer(newLength);
    return newLength != length ? TRUE : FALSE;
}

BOOL HtmlToPlainTextInPlace(CString& text, LPCTSTR lineBreak)
{
    if (lineBreak != nullptr && *lineBreak != '\0')
        text.Replace("<br>", lineBreak);
    StripTags(text, TRUE);
    DecodeHtmlEntities(text, FALSE);
    return text.IsEmpty() ? FALSE : TRUE;
}

BOOL HtmlToPlainText(LPCTSTR html, CString& out, LPCTSTR lineBreak)
{
    CString text(html);
    BOOL result = HtmlToPlainTextInPlace(text, lineBreak);
    out = std::move(text);
    return result;
}
