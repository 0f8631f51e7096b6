#include "controls/EditText.h"

#include "text/CharClass.h"
#include "text/TextCut.h"

#include <cstring>

BOOL RemoveLineBreaks(CString& text)
{
    // Trail bytes of code page 932 are never CR or LF: byte-wise is safe.
    int removed = text.Replace("\r\n", "");
    removed += text.Remove('\n');
    removed += text.Remove('\r');
    return removed > 0;
}

BOOL FitTextToByteLimit(CString& text, int limit, int usedBytes, BOOL whole)
{
    if (limit <= 0)
        return FALSE;
    int room = limit;
    if (!whole)
    {
        if (usedBytes + text.GetLength() < limit)
            return FALSE;
        room = limit - usedBytes;
        if (room < 0)
            room = 0;
    }
    return TruncateToBytes(text, room);
}

int ByteOffsetToCharPos(LPCTSTR text, int byteOffset)
{
    if (text == nullptr || byteOffset < 0)
        return -1;
    int chars = 0;
    LPCTSTR p = text;
    while (p - text < byteOffset)
    {
        if (*p == '\0')
            return -1;
        p += CharLength(p);
        ++chars;
    }
    return p - text == byteOffset ? chars : -1;
}

int CountChars(LPCTSTR text)
{
    return text != nullptr ? ByteOffsetToCharPos(text, (int)std::strlen(text)) : 0;
}

BOOL GetReconvertRange(int selStart, int selEnd, int lineStart, int lineLength, int& rangeStart,
                       int& rangeLength)
{
    const int lineEnd = lineStart + lineLength;
    int end = selStart < selEnd ? selEnd : lineEnd;
    if (end > lineEnd)
        end = lineEnd;
    rangeStart = selStart;
    rangeLength = end > selStart ? end - selStart : 0;
    return rangeLength > 0;
}

DWORD ReconvertBlockSize(int length)
{
    return (DWORD)(2 * length + 48);
}

BOOL FillReconvertBlock(void* buffer, const WCHAR* text, int length, BOOL selected)
{
    if (buffer == nullptr || length < 0 || (text == nullptr && length > 0))
        return FALSE;
    ReconvertBlockHeader head;
    std::memcpy(&head.dwSize, buffer, sizeof(head.dwSize));
    const DWORD textBytes = (DWORD)length * sizeof(WCHAR);
    if (head.dwSize < sizeof(head) + textBytes + sizeof(WCHAR))
        return FALSE;
    head.dwVersion = 0;
    head.dwStrLen = (DWORD)length;
    head.dwStrOffset = sizeof(head);
    head.dwCompStrLen = selected ? (DWORD)length : 0;
    head.dwCompStrOffset = 0;
    head.dwTargetStrLen = head.dwCompStrLen;
    head.dwTargetStrOffset = 0;
    BYTE* out = (BYTE*)buffer;
    std::memcpy(out, &head, sizeof(head));
    if (textBytes > 0)
        std::memcpy(out + sizeof(head), text, textBytes);
    const WCHAR nul = 0;
    std::memcpy(out + sizeof(head) + textBytes, &nul, sizeof(nul));
    return TRUE;
}
