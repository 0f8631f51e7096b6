#include "text/CharClass.h"

BOOL IsAllAscii(LPCTSTR text)
{
    if (text == nullptr)
        return TRUE;
    for (const BYTE* p = (const BYTE*)text; *p != 0; ++p)
        if (*p >= 0x80)
            return FALSE;
    return TRUE;
}

BOOL HasHalfWidthKana(LPCTSTR text)
{
    if (text == nullptr)
        return FALSE;
    for (LPCTSTR p = text; *p != '\0'; p += CharLength(p))
        if (IsHalfWidthKana((BYTE)*p))
            return TRUE;
    return FALSE;
}

BOOL IsNumericText(LPCTSTR text, int flags)
{
    if (text == nullptr)
        return TRUE;
    const char* p = text;
    if ((flags & NUMERIC_SIGN) && (*p == '+' || *p == '-'))
        ++p;
    for (; *p != '\0'; ++p)
    {
        if ((flags & NUMERIC_DOT) && *p == '.')
            continue;
        if (!((flags & NUMERIC_HEX) ? IsHexDigitChar((BYTE)*p) : IsDigitChar((BYTE)*p)))
            return FALSE;
    }
    return TRUE;
}
