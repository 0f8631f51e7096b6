#include "text/Scramble.h"

#include <cstdlib>
#include <cstring>

namespace
{
const int kBlockSize = 255;
const int kScrambledLength = 2 * kBlockSize;

// Where byte i of the text lives in the block. Changing a value makes every
// stored password unreadable.
const BYTE kPositions32[32] = {
    158, 180, 229, 6,  247, 190, 0,  209, 181, 115, 78,  88,  17,  144, 156, 101,
    113, 44,  220, 95, 107, 89,  70, 163, 117, 171, 139, 137, 239, 192, 194, 34,
};

BYTE SwapHalves(BYTE b)
{
    return (BYTE)((b << 4) | (b >> 4));
}

BOOL Encode(LPCTSTR lpszText, int nCapacity, const BYTE* pPositions, CString& strOut)
{
    if (lpszText == nullptr)
        return FALSE;
    size_t nLength = std::strlen(lpszText);
    if (nLength > (size_t)nCapacity)
        return FALSE;

    BYTE block[kBlockSize];
    for (BYTE& b : block)
        b = (BYTE)(32 + (int)((double)std::rand() / RAND_MAX * (255 - 32)));
    for (int i = 0; i < nCapacity; i++)
    {
        BYTE b = (size_t)i < nLength ? (BYTE)lpszText[i] : 0;
        block[pPositions[i]] = SwapHalves(b);
    }

    char chars[kScrambledLength];
    for (int i = 0; i < kBlockSize; i++)
    {
        chars[2 * i] = (char)(0x20 + (block[i] & 0x0F));
        chars[2 * i + 1] = (char)(0x20 + (block[i] >> 4));
    }
    strOut = CString(chars, kScrambledLength);
    return TRUE;
}

BOOL Decode(LPCTSTR lpszText, int nCapacity, const BYTE* pPositions, CString& strOut)
{
    if (lpszText == nullptr || std::strlen(lpszText) != (size_t)kScrambledLength)
        return FALSE;

    char text[kBlockSize];
    int nLength = 0;
    for (int i = 0; i < nCapacity; i++)
    {
        int pos = 2 * pPositions[i];
        BYTE b = (BYTE)(((lpszText[pos] & 0x0F) << 4) | (lpszText[pos + 1] & 0x0F));
        if (b != 0)
            text[nLength++] = (char)b;
    }
    strOut = CString(text, nLength);
    return TRUE;
}
} // namespace

BOOL EncodeScrambledText32(LPCTSTR lpszText, CString& strOut)
{
    return Encode(lpszText, 32, kPositions32, strOut);
}

BOOL DecodeScrambledText32(LPCTSTR lpszText, CString& strOut)
{
    return Decode(lpszText, 32, kPositions32, strOut);
}
