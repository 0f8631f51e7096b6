#ifndef TANZO_TEXT_WIDECONVERT_H
#define TANZO_TEXT_WIDECONVERT_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CWideCharBuffer;

// Conversion between the program's code page (932) and UTF-8 or UTF-16,
// with the platform's code page 932 mapping (afx/CodePage.h). Undecodable
// input becomes U+30FB (code page 932) or U+FFFD (UTF-8); a character
// without a code in code page 932 becomes '?'. *pSubstituted is set when
// either happened. No output holds a NUL. In UTF-8 the single bytes
// 0xFD-0xFF are undecodable too (U+30FB), since nothing converts back to
// them; to UTF-16 they keep the platform's private-use units.

// FALSE for an empty text or an empty result.
BOOL Utf8ToAnsi(LPCTSTR text, CString& out, BOOL* pSubstituted = nullptr);
BOOL AnsiToUtf8(LPCTSTR text, CString& out, BOOL* pSubstituted = nullptr);
BOOL Utf8ToAnsi(const char* data, int length, CString& out, BOOL* pSubstituted = nullptr);
BOOL AnsiToUtf8(const char* data, int length, CString& out, BOOL* pSubstituted = nullptr);

// Between any two code pages (0 is the ANSI code page, 932; 65001 is
// UTF-8): FALSE for an empty text, a code page that is not known, or an
// empty result; equal pages copy.
BOOL ConvertCodePage(UINT fromCodePage, UINT toCodePage, LPCTSTR text, CString& out,
                     BOOL* pSubstituted = nullptr);

// TRUE when the result is not empty.
BOOL WideToAnsi(LPCWSTR wide, CString& out, BOOL* pSubstituted = nullptr);
BOOL WideToAnsi(LPCWSTR wide, int length, CString& out, BOOL* pSubstituted = nullptr);
BOOL WideBufferToAnsi(const CWideCharBuffer& buffer, CString& out, BOOL* pSubstituted = nullptr);
BOOL AnsiToWideBuffer(LPCTSTR text, CWideCharBuffer& buffer, BOOL* pSubstituted = nullptr);

#endif // TANZO_TEXT_WIDECONVERT_H
