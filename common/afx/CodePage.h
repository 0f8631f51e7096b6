#ifndef TANZO_AFX_CODEPAGE_H
#define TANZO_AFX_CODEPAGE_H

#include <string>

#include "afx/wintypes.h"

// Conversion between a multi-byte charset and UTF-16, one interface over
// MultiByteToWideChar/WideCharToMultiByte (Windows) and iconv (native).
// Code pages: 932 (Shift_JIS; CP_ACP means 932 everywhere) and 65001
// (UTF-8).
//
// nLength is in bytes or code units; -1 reads up to the terminating NUL.
// Input that cannot be decoded becomes U+30FB (code page 932) or U+FFFD
// (UTF-8). A character without a code becomes '?' (U+FFFD in UTF-8;
// one for each UTF-16 unit, as Windows does) and sets *pUsedDefault. FALSE
// only for an unknown code page or a failure of the platform's converter;
// out is then empty.

#define CP_SHIFT_JIS 932

BOOL AfxMultiByteToWide(UINT nCodePage, const char* psz, int nLength, std::u16string& out);
BOOL AfxWideToMultiByte(UINT nCodePage, const char16_t* psz, int nLength, std::string& out,
                        BOOL* pUsedDefault = nullptr);

#endif // TANZO_AFX_CODEPAGE_H
