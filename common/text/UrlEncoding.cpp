#include "text/UrlEncoding.h"

#include <cstring>

#include "text/CharClass.h"
#include "text/ConvertWriter.h"

namespace
{
inline bool IsKeptByte(BYTE b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '@' ||
           b == '*' || b == '-' || b == '.' || b == '_';
}
} // namespace

BOOL UrlEncode(LPCTSTR text, CString& out)
{
    static const char kHex[] = "0123456789ABCDEF";
    const int length = text != nullptr ? (int)std::strlen(text) : 0;
    CConvertWriter w(length + length / 2);
    for (const BYTE* p = (const BYTE*)text; p != nullptr && *p != 0; ++p)
    {
        w.Ensure(3);
        if (IsKeptByte(*p))
            w.Put((char)*p);
        else if (*p == ' ')
            w.Put('+');
        else
        {
            w.Put('%');
            w.Put(kHex[*p >> 4], kHex[*p & 0x0F]);
        }
    }
    w.Finish(out);
    return TRUE;
}

BOOL UrlDecode(LPCTSTR text, CString& out)
{
    const int length = text != nullptr ? (int)std::strlen(text) : 0;
    CConvertWriter w(length);
    BOOL complete = TRUE;
    const char* p = text;
    const char* end = text + length;
    while (p < end)
    {
        w.Ensure(1);
        const char c = *p;
        if (c == '+')
        {
            w.Put(' ');
            ++p;
        }
        else if (c != '%')
        {
            w.Put(c);
            ++p;
        }
        else if (end - p >= 2 && p[1] == '%')
        {
            w.Put('%');
            p += 2;
        }
        else
        {
            const bool cut = end - p < 3;
            const int high = cut ? -1 : HexDigitValue((BYTE)p[1]);
            const int low = cut ? -1 : HexDigitValue((BYTE)p[2]);
            if (high < 0 || low < 0 || (high == 0 && low == 0))
            {
                // Not an escape (or a NUL, which would end the text): as
                // written, so that nothing is lost; a cut-off one is told.
                if (cut)
                    complete = FALSE;
                w.Put('%');
                ++p;
            }
            else
            {
                w.Put((char)(high * 16 + low));
                p += 3;
            }
        }
    }
    w.Finish(out);
    return complete;
}
