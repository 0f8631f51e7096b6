#ifndef TANZO_TEXT_TEXTSPLIT_H
#define TANZO_TEXT_TEXTSPLIT_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CStringList;

// Splitting of texts, query strings and parameter lists. Separators are
// single-byte characters found at character boundaries only.

// At the first ch: left = before, right = after; without ch left = text
// and right is empty.
void SplitAtChar(LPCTSTR text, CString& left, CString& right, char ch);

// Appends the non-empty parts between separators; returns their count.
// An empty separator appends nothing.
int SplitByString(LPCTSTR text, LPCTSTR separator, CStringList& list);
int SplitByChar(LPCTSTR text, char ch, CStringList& list);

// The part after the first '?' (the whole text without one) split at '&'
// and each part at its first '='; appends names and values. TRUE when the
// two lists have equal length.
BOOL ParseQueryString(LPCTSTR url, CStringList& names, CStringList& values);

// The first non-empty value whose name equals name ignoring case,
// percent-decoded when decode. TRUE when out is not empty.
BOOL GetQueryParameter(LPCTSTR url, LPCTSTR name, CString& out, BOOL decode = TRUE);

// Splits at separator, each part at its first '=', both sides trimmed of
// white space. Once maxCount pairs exist (-1: no limit) every further part
// goes, with the separator before it, to the last value. TRUE when the
// lists have equal length.
BOOL ParseParameterList(LPCTSTR text, CStringList& names, CStringList& values, char separator = ';',
                        int maxCount = -1);

// The first non-empty value of the parameter name (ignoring case).
BOOL GetParameterValue(LPCTSTR text, LPCTSTR name, CString& out, char separator = ';', int maxCount = -1);

// main = the first part when it has no value (the media type of a content
// type); with name and out, out = that parameter's value. TRUE when main
// is not empty.
BOOL SplitHeaderValue(LPCTSTR text, CString& main, LPCTSTR name = nullptr, CString* out = nullptr,
                      char separator = ';', int maxCount = -1);

// A refresh value ("5; url=..."): url = its "url" parameter (quotes
// around it removed); with seconds, the first part must be a number and is
// read into it. TRUE when url is not empty.
BOOL GetRefreshTarget(LPCTSTR content, CString& url, int* seconds = nullptr, int maxCount = 2);

// "&name=", or "name=" for the first field.
CString MakeQueryFieldPrefix(LPCTSTR name, BOOL first);

#endif // TANZO_TEXT_TEXTSPLIT_H
