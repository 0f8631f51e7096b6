#ifndef TANZO_TEXT_JISCONVERT_H
#define TANZO_TEXT_JISCONVERT_H

#include "afx/String.h"
#include "afx/wintypes.h"

// Conversion between Shift_JIS (code page 932), EUC-JP and ISO-2022-JP by
// the arithmetic of JIS X 0208 codes. Output replaces out (the text may be
// out itself). A character with no place in the target (user-defined
// characters, JIS X 0212, malformed bytes) becomes the geta mark (0x81AC
// in Shift_JIS); the IBM extension kanji of code page 932 travel as their
// NEC-selected equivalents. No output holds a NUL or a control byte that
// was not in the input (ISO-2022-JP escapes aside). *pSubstituted is set
// when a character was replaced or dropped. FALSE only for a null text.

BOOL EucToSjis(LPCTSTR text, CString& out, BOOL* pSubstituted = nullptr);
BOOL JisToSjis(LPCTSTR text, CString& out, BOOL* pSubstituted = nullptr);
BOOL SjisToEuc(LPCTSTR text, CString& out, BOOL* pSubstituted = nullptr);
BOOL SjisToJis(LPCTSTR text, CString& out, BOOL* pSubstituted = nullptr);

// Counted forms; the bytes need not be terminated and may hold NULs, which
// are dropped.
BOOL EucToSjis(const char* data, int length, CString& out, BOOL* pSubstituted = nullptr);
BOOL JisToSjis(const char* data, int length, CString& out, BOOL* pSubstituted = nullptr);
BOOL SjisToEuc(const char* data, int length, CString& out, BOOL* pSubstituted = nullptr);
BOOL SjisToJis(const char* data, int length, CString& out, BOOL* pSubstituted = nullptr);

#endif // TANZO_TEXT_JISCONVERT_H
