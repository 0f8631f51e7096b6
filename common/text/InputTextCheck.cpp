#include "text/InputTextCheck.h"

#include <cstring>

#include "text/CharClass.h"

BOOL CheckInputText(LPCTSTR text, int* pReason, BOOL bCheckKana)
{
    int nReason = 0;
    if (text != nullptr)
    {
        // None of the three can be the second byte of a two-byte character.
        if (std::strpbrk(text, "\"<>") != nullptr)
            nReason |= INPUT_TEXT_FORBIDDEN_CHAR;
        if ((bCheckKana || nReason == 0) && HasHalfWidthKana(text))
            nReason |= INPUT_TEXT_HALF_WIDTH_KANA;
    }
    if (pReason != nullptr)
        *pReason = nReason;
    return nReason == 0;
}
