#include "app/WebAddress.h"

#include "text/MbcsString.h"

#include <cstring>

BOOL IsWebAddress(LPCTSTR text)
{
    if (text == nullptr)
        return FALSE;
    int length = 0;
    if (MbsCompareNNoCase(text, "http://", 7) == 0)
        length = 7;
    else if (MbsCompareNNoCase(text, "https://", 8) == 0)
        length = 8;
    else
        return FALSE;
    const char host = text[length];
    if (host == '\0' || host == '/' || host == '\\')
        return FALSE;
    for (const unsigned char* p = (const unsigned char*)text; *p != '\0'; ++p)
    {
        if (*p <= ' ' || *p == 0x7F || *p == '"')
            return FALSE;
    }
    return TRUE;
}
