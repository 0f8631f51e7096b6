#include "text/JsonString.h"

#include <string>

#include "text/CharClass.h"
#include "text/NumberText.h"
#include "text/TextEscapes.h"

namespace
{
BOOL IsUnicodeEscapeAt(const char* s, int i, int n)
{
    if (i + 6 > n || s[i] != '\\' || s[i + 1] != 'u')
        return FALSE;
    for (int k = i + 2; k < i + 6; k++)
        if (!IsHexDigitChar(s[k]))
            return FALSE;
    return TRUE;
}
} // namespace

CJsonString::CJsonString(LPCTSTR lpszText, DWORD dwQuote) : m_strText(lpszText), m_quote(dwQuote) {}

CJsonString::~CJsonString() = default;

void CJsonString::SetText(LPCTSTR lpszText)
{
    m_strText = lpszText;
    ResetCache();
}

int CJsonString::GetTypeId() const
{
    return JSON_TYPE_STRING;
}

CJsonValue* CJsonString::Clone() const
{
    return new CJsonString(m_strText, m_quote.Get());
}

void CJsonString::GetTypeName(CString& strName) const
{
    strName = "string";
}

void CJsonString::ToText(CString& strText) const
{
    strText.Empty();
    JsonAppendQuoted(strText, m_strText, m_quote.TestAny(JSON_QUOTE_SINGLE) != 0);
}

void CJsonString::ToTextStyled(CString& strText, int nStyle) const
{
    if ((nStyle & (JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE)) == 0)
    {
        strText = m_strText;
        return;
    }
    if (m_nPlainStyle != nStyle)
    {
        m_strPlain = JsonUnescape(m_strText, nStyle, m_quote.TestAny(JSON_QUOTE_SINGLE) != 0);
        m_nPlainStyle = nStyle;
    }
    strText = m_strPlain;
}

void CJsonString::ResetCache()
{
    m_strPlain.Empty();
    m_nPlainStyle = -1;
}

int CJsonString::GetInt() const
{
    return JsonIsIntegerText(m_strText) ? ParseIntSaturated(m_strText) : 0;
}

void JsonAppendQuoted(CString& strOut, const CString& strText, BOOL bSingle)
{
    const char chQuote = bSingle ? '\'' : '"';
    const char* s = strText;
    const int n = strText.GetLength();
    std::string buf;
    buf.reserve((size_t)n + 2);
    buf += chQuote;
    int nRun = 0; // backslashes just before i
    for (int i = 0; i < n;)
    {
        char c = s[i];
        if (CharLength(s + i, s + n) == 2)
        {
            buf.append(s + i, 2);
            nRun = 0;
            i += 2;
            continue;
        }
        if (c == chQuote && nRun % 2 == 0)
            buf += '\\';
        buf += c;
        nRun = c == '\\' ? nRun + 1 : 0;
        i++;
    }
    if (nRun % 2 != 0)
        buf += '\\';
    buf += chQuote;
    strOut += CString(buf.data(), (int)buf.size());
}

CString JsonUnescape(const CString& strText, int nStyle, BOOL bSingle)
{
    const char* s = strText;
    const int n = strText.GetLength();
    std::string buf;
    buf.reserve((size_t)n);
    for (int i = 0; i < n;)
    {
        char c = s[i];
        if (CharLength(s + i, s + n) == 2)
        {
            buf.append(s + i, 2);
            i += 2;
            continue;
        }
        if (c != '\\' || i + 1 >= n)
        {
            buf += c;
            i++;
            continue;
        }
        char d = s[i + 1];
        if ((nStyle & JSON_STYLE_UNESCAPE) && (d == '"' || d == '\\' || d == '/' || (d == '\'' && bSingle)))
        {
            buf += d;
            i += 2;
        }
        else if ((nStyle & JSON_STYLE_UNICODE) && IsUnicodeEscapeAt(s, i, n))
        {
            // A run of escapes converts in one step, so that surrogate pairs
            // stay together.
            int j = i;
            while (IsUnicodeEscapeAt(s, j, n))
                j += 6;
            CString strRun(s + i, j - i);
            CString strDecoded;
            if (DecodeUnicodeEscapes(strRun, strDecoded) == 1)
                buf.append((LPCTSTR)strDecoded, (size_t)strDecoded.GetLength());
            else
                buf.append(s + i, (size_t)(j - i));
            i = j;
        }
        else if (d == '\\')
        {
            buf.append(s + i, 2);
            i += 2;
        }
        else
        {
            buf += c;
            i++;
        }
    }
    return CString(buf.data(), (int)buf.size());
}

BOOL JsonIsIntegerText(LPCTSTR lpszText)
{
    if (lpszText == nullptr)
        return FALSE;
    // A lone sign is no number.
    const char* p = lpszText;
    if (*p == '+' || *p == '-')
        p++;
    return *p != '\0' && IsNumericText(lpszText, NUMERIC_SIGN);
}
