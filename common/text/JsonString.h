#ifndef TANZO_TEXT_JSONSTRING_H
#define TANZO_TEXT_JSONSTRING_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/BitFlags.h"
#include "text/JsonValue.h"

// A string value: the text as read, without its quotes and with its escape
// sequences kept; they are undone only for the plain text, which is kept
// for the style last asked for.
class CJsonString : public CJsonScalar
{
public:
    explicit CJsonString(LPCTSTR lpszText = nullptr, DWORD dwQuote = 0);
    ~CJsonString() override;

    const CString& GetText() const { return m_strText; }
    void SetText(LPCTSTR lpszText);
    // JSON_QUOTE_SINGLE: written in single quotes.
    CBitFlags& GetQuote() { return m_quote; }
    const CBitFlags& GetQuote() const { return m_quote; }

    int GetTypeId() const override;
    CJsonValue* Clone() const override;
    void GetTypeName(CString& strName) const override;
    void ToText(CString& strText) const override;
    void ToTextStyled(CString& strText, int nStyle) const override;
    void ResetCache() override;
    // The text's value when it is a decimal number with an optional sign.
    int GetInt() const override;

private:
    CString m_strText;
    CBitFlags m_quote;
    mutable CString m_strPlain;
    mutable int m_nPlainStyle = -1; // -1: nothing kept
};

// Appends lpszText in quotes (single ones with bSingle). A quote inside that
// is not escaped yet is escaped, and so is a backslash that would otherwise
// escape the closing quote, so that the text reads back as one string.
void JsonAppendQuoted(CString& strOut, const CString& strText, BOOL bSingle);

// The text with its escape sequences undone by the JSON_STYLE_ bits, in one
// pass: an escaped backslash is never the start of another escape.
CString JsonUnescape(const CString& strText, int nStyle, BOOL bSingle);

// A decimal number with an optional sign, as the reader takes for integers.
BOOL JsonIsIntegerText(LPCTSTR lpszText);

#endif // TANZO_TEXT_JSONSTRING_H
