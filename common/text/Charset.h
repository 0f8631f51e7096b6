#ifndef TANZO_TEXT_CHARSET_H
#define TANZO_TEXT_CHARSET_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Charset codes, shared with the HTTP client and the form sets.
#define CHARSET_UNKNOWN 0 // not recognised, or plain ASCII
#define CHARSET_ISO2022JP 1
#define CHARSET_SJIS 2
#define CHARSET_EUCJP 3
#define CHARSET_UTF8 4

// "ISO-2022-JP", "Shift_JIS" or "x-sjis", "EUC-JP" or "x-euc-jp", "UTF-8"
// (ignoring case); 0 for anything else.
int CharsetCodeFromName(LPCTSTR name);
// FALSE for 0 and unknown codes.
BOOL CharsetNameFromCode(int code, CString& out);
// "text/html; charset=" and the name; FALSE when the code has none.
BOOL MakeContentTypeForCharset(int code, CString& out);
// The code named by the "charset" parameter of a content type, 0 without.
int CharsetFromContentType(LPCTSTR value);

// The charset of a page that does not declare one, judged by its first
// chunk of about 1 KB that decides.
int GuessCharset(LPCTSTR text);
int GuessCharset(const char* data, int length);

// Shift_JIS text into the charset of code: 1 ISO-2022-JP, 2 a copy,
// 3 EUC-JP, 4 UTF-8; FALSE for any other code. pSubstituted as with the
// converters.
BOOL ConvertToCharset(LPCTSTR text, CString& out, int code, BOOL* pSubstituted = nullptr);

#endif // TANZO_TEXT_CHARSET_H
