#ifndef TANZO_CONTROLS_EDITTEXT_H
#define TANZO_CONTROLS_EDITTEXT_H

// Text rules of the byte-limited edit. The edit counts positions in
// characters; its limit and its recorded changes count bytes of the code
// page 932 text, where a two-byte character counts 2 and is never split.

#include "afx/String.h"
#include "afx/wintypes.h"

// Removes every "\r\n", then every lone "\n" and "\r". TRUE when it
// removed something.
BOOL RemoveLineBreaks(CString& text);

// Cuts text to what the byte limit leaves room for; TRUE when it cut (the
// edit beeps). A limit of 0 means none. whole: text replaces everything,
// so the room is the limit; otherwise it joins usedBytes already there,
// and the room is what the limit leaves of them (never below 0). A text
// that fits exactly is kept whole.
BOOL FitTextToByteLimit(CString& text, int limit, int usedBytes, BOOL whole);

// The character position of a byte offset: the characters before it.
// -1 when the offset lies outside the text or inside a two-byte character.
int ByteOffsetToCharPos(LPCTSTR text, int byteOffset);

// Characters of a text (a two-byte character counts one).
int CountChars(LPCTSTR text);

// The range that reconversion works on, in character positions: the
// selection cut at the end of its line, or without a selection, the caret
// to the end of its line. lineStart and lineLength describe the line of
// selStart. FALSE, and a length of 0, for an empty range.
BOOL GetReconvertRange(int selStart, int selEnd, int lineStart, int lineLength, int& rangeStart,
                       int& rangeLength);

// The head of the block an input method exchanges for reconversion: eight
// 32-bit fields, the text following it.
struct ReconvertBlockHeader
{
    DWORD dwSize;
    DWORD dwVersion;
    DWORD dwStrLen;
    DWORD dwStrOffset;
    DWORD dwCompStrLen;
    DWORD dwCompStrOffset;
    DWORD dwTargetStrLen;
    DWORD dwTargetStrOffset;
};

// Bytes the edit asks the input method to allocate for a range of length
// characters.
DWORD ReconvertBlockSize(int length);

// Fills the block at buffer (its dwSize says how large the caller made it)
// with the range's UTF-16 text after the head: the whole text is to be
// converted when it was selected, else nothing is. FALSE, and nothing
// written, when the block is too small for the head, the text and its
// terminating NUL.
BOOL FillReconvertBlock(void* buffer, const WCHAR* text, int length, BOOL selected);

#endif // TANZO_CONTROLS_EDITTEXT_H
