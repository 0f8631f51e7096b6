#include "net/FormFieldSet.h"

#include <cstdlib>
#include <string>

#include "text/CharClass.h"
#include "text/Charset.h"
#include "text/HtmlDocument.h"
#include "text/MarkupNode.h"
#include "text/NumberText.h"
#include "text/TextCut.h"
#include "text/UrlEncoding.h"

namespace
{
const char kDisposition[] = "Content-Disposition: form-data; name=";

int DefaultRandom()
{
    return std::rand();
}

// A multipart header carries the name in quotes: a quote or a line break
// in it would end the header, so they are percent-escaped as browsers do.
CString QuotedPartName(const CString& name)
{
    CString out = "\"";
    for (int i = 0; i < name.GetLength(); ++i)
    {
        char ch = name[i];
        if (ch == '"')
            out += "%22";
        else if (ch == '\r')
            out += "%0D";
        else if (ch == '\n')
            out += "%0A";
        else
            out += ch;
    }
    out += "\"";
    return out;
}
} // namespace

CFormFieldSet::CFormFieldSet(int fieldCount, CHtmlDocument* page, int defaultCharset)
    : m_charset(0), m_random(nullptr)
{
    m_extra.InitHashTable(10);
    m_charset = page != nullptr ? page->GetCharset() : 0;
    if (m_charset == 0)
        m_charset = defaultCharset;
    m_values.SetSize(fieldCount > 0 ? fieldCount : 0);
}

CFormFieldSet::~CFormFieldSet()
{
    m_extra.RemoveAll();
}

void CFormFieldSet::Reset()
{
    m_boundary.Empty();
    m_partDelimiter.Empty();
    m_closingDelimiter.Empty();
    for (int i = 0; i < (int)m_values.GetSize(); ++i)
        m_values[i].Empty();
    m_extra.RemoveAll();
}

BOOL CFormFieldSet::BuildNameIndex() const
{
    CFormFieldNameIndex& index = GetNameIndex();
    if (!index.IsEmpty())
        return FALSE;
    for (int i = 0; i < GetFieldCount(); ++i)
    {
        CString name = GetFieldName(i);
        name.MakeLower();
        index.SetAt(name, i);
    }
    return TRUE;
}

int CFormFieldSet::IndexOfName(LPCTSTR name) const
{
    if (name == nullptr || *name == '\0')
        return -1;
    BuildNameIndex();
    CString key(name);
    key.MakeLower();
    int index = -1;
    if (!GetNameIndex().Lookup(key, index))
        return -1;
    return index;
}

void CFormFieldSet::SetAt(int i, LPCTSTR text)
{
    if (text == nullptr || !IsValidIndex(i))
        return;
    m_values[i] = text;
}

void CFormFieldSet::SetInt(int i, int n)
{
    CString text;
    text.Format("%d", n);
    SetAt(i, text);
}

void CFormFieldSet::SetInt64(int i, LONGLONG n)
{
    CString text;
    text.Format("%lld", (long long)n);
    SetAt(i, text);
}

void CFormFieldSet::SetByName(LPCTSTR name, LPCTSTR text)
{
    if (name == nullptr || *name == '\0' || text == nullptr)
        return;
    int index = IndexOfName(name);
    if (index >= 0)
        SetAt(index, text);
    else
        m_extra.SetAt(name, text);
}

void CFormFieldSet::GetAt(int i, CString& out) const
{
    if (IsValidIndex(i))
        out = m_values[i];
}

CString CFormFieldSet::GetAt(int i) const
{
    return IsValidIndex(i) ? m_values[i] : CString();
}

int CFormFieldSet::GetLength(int i) const
{
    return IsValidIndex(i) ? m_values[i].GetLength() : 0;
}

BOOL CFormFieldSet::IsEmptyAt(int i) const
{
    return IsValidIndex(i) && m_values[i].IsEmpty();
}

BOOL CFormFieldSet::IsEqualAt(int i, LPCTSTR text) const
{
    return IsValidIndex(i) && text != nullptr && m_values[i] == text;
}

int CFormFieldSet::GetInt(int i) const
{
    CString digits = GetAt(i);
    FilterNumberChars(digits, FALSE, FALSE);
    return ParseIntSaturated(digits);
}

LONGLONG CFormFieldSet::GetInt64(int i) const
{
    CString digits = GetAt(i);
    FilterNumberChars(digits, FALSE, FALSE);
    return ParseInt64Saturated(digits);
}

int CFormFieldSet::GetIntOr(int i, int defaultValue) const
{
    return GetLength(i) == 0 ? defaultValue : GetInt(i);
}

BOOL CFormFieldSet::IsNumericAt(int i, int flags) const
{
    return IsValidIndex(i) && IsNumericText(m_values[i], flags);
}

void CFormFieldSet::ClearAt(int i)
{
    if (IsValidIndex(i))
        m_values[i].Empty();
}

BOOL CFormFieldSet::GetExtraValue(LPCTSTR name, CString& out) const
{
    return name != nullptr && m_extra.Lookup(name, out);
}

BOOL CFormFieldSet::ReadFormInputs(CHtmlDocument* page)
{
    if (page == nullptr)
        return FALSE;
    CStringList names;
    CStringList values;
    CMarkupNode* form = page->FindElement("form", nullptr, nullptr, 0);
    if (form != nullptr)
    {
        CHtmlDocument formOnly;
        formOnly.SetFromElement(form);
        formOnly.GetHiddenInputs(names, values);
    }
    else
    {
        page->GetHiddenInputs(names, values);
    }
    BOOL any = FALSE;
    POSITION name = names.GetHeadPosition();
    POSITION value = values.GetHeadPosition();
    while (name != nullptr && value != nullptr)
    {
        const CString& n = names.GetNext(name);
        const CString& v = values.GetNext(value);
        SetByName(n, v);
        any = TRUE;
    }
    return any;
}

void CFormFieldSet::KeepIfEnabled(CHtmlDocument* page, int i)
{
    if (!IsValidIndex(i) || m_values[i].IsEmpty())
        return;
    if (page != nullptr)
    {
        CPtrList inputs;
        page->FindElements("input", inputs, "name", GetFieldName(i), 0);
        for (POSITION pos = inputs.GetHeadPosition(); pos != nullptr;)
        {
            const CMarkupNode* input = (const CMarkupNode*)inputs.GetNext(pos);
            if (!input->HasAttribute("disabled"))
                return;
        }
    }
    m_values[i].Empty();
}

CString CFormFieldSet::ConvertForSending(const CString& text) const
{
    if (m_charset < CHARSET_ISO2022JP || m_charset > CHARSET_UTF8 || m_charset == CHARSET_SJIS ||
        text.IsEmpty())
        return text;
    CString converted;
    if (!ConvertToCharset(text, converted, m_charset))
        return text;
    return converted;
}

BOOL CFormFieldSet::AppendEncodedPair(std::string& body, const CString& name, const CString& value) const
{
    if (value.IsEmpty())
        return FALSE;
    CString encodedName;
    CString encodedValue;
    UrlEncode(ConvertForSending(name), encodedName);
    UrlEncode(ConvertForSending(value), encodedValue);
    if (!body.empty())
        body += '&';
    body.append(encodedName, encodedName.GetLength());
    body += '=';
    body.append(encodedValue, encodedValue.GetLength());
    return TRUE;
}

BOOL CFormFieldSet::FinishBody(std::string& body, CString& out) const
{
    for (POSITION pos = m_extra.GetStartPosition(); pos != nullptr;)
    {
        CString name;
        CString value;
        m_extra.GetNextAssoc(pos, name, value);
        AppendEncodedPair(body, name, value);
    }
    out = CString(body.data(), (int)body.size());
    return !out.IsEmpty();
}

BOOL CFormFieldSet::BuildBody(CString& out)
{
    out.Empty();
    std::string body;
    for (int i = 0; i < GetFieldCount(); ++i)
        AppendEncodedPair(body, GetFieldName(i), m_values[i]);
    return FinishBody(body, out);
}

void CFormFieldSet::SetBoundary(LPCTSTR boundary)
{
    m_boundary = boundary;
    m_partDelimiter = "--" + m_boundary + "\r\n";
    m_closingDelimiter = "--" + m_boundary + "--" + "\r\n";
}

void CFormFieldSet::MakeBoundary()
{
    static const char kKinds[3][27] = {"0123456789", "abcdefghijklmnopqrstuvwxyz",
                                       "ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    static const int kKindSizes[3] = {10, 26, 26};
    FormRandomSource random = m_random != nullptr ? m_random : DefaultRandom;
    int length = 15 + random() % 10;
    CString boundary;
    for (int i = 0; i < length; ++i)
    {
        int kind = random() % 3;
        boundary += kKinds[kind][random() % kKindSizes[kind]];
    }
    SetBoundary(boundary);
}

void CFormFieldSet::GetMultipartHeader(CString& out)
{
    if (m_boundary.IsEmpty())
        MakeBoundary();
    out = "Content-Type: multipart/form-data; boundary=" + m_boundary;
}

void CFormFieldSet::BuildMultipartBody(CString& out, DWORD flags)
{
    if (m_boundary.IsEmpty())
        MakeBoundary();

    struct Part
    {
        CString name;
        CString value;
    };
    CArray<Part, const Part&> parts;
    for (int i = 0; i < GetFieldCount(); ++i)
    {
        Part part = {GetFieldName(i), m_values[i]};
        parts.Add(part);
    }
    for (POSITION pos = m_extra.GetStartPosition(); pos != nullptr;)
    {
        Part part;
        m_extra.GetNextAssoc(pos, part.name, part.value);
        parts.Add(part);
    }
    // The last part is written even when empty, unless the body stays open.
    const int last = (flags & MultipartOpen) ? -1 : (int)parts.GetSize() - 1;

    // Converted first, so that the reservation fits what is written.
    CStringArray headers;
    CStringArray values;
    size_t total = 0;
    for (int i = 0; i < (int)parts.GetSize(); ++i)
    {
        if (parts[i].value.IsEmpty() && i != last)
            continue;
        CString header =
            m_partDelimiter + kDisposition + QuotedPartName(ConvertForSending(parts[i].name)) + "\r\n\r\n";
        CString value = ConvertForSending(parts[i].value);
        total += (size_t)header.GetLength() + (size_t)value.GetLength() + 2;
        headers.Add(header);
        values.Add(value);
    }
    if (!(flags & MultipartOpen))
        total += (size_t)m_closingDelimiter.GetLength();

    std::string body;
    body.reserve(total);
    for (int i = 0; i < (int)headers.GetSize(); ++i)
    {
        body.append(headers[i], headers[i].GetLength());
        body.append(values[i], values[i].GetLength());
        body += "\r\n";
    }
    if (!(flags & MultipartOpen))
        body.append(m_closingDelimiter, m_closingDelimiter.GetLength());
    out = CString(body.data(), (int)body.size());
}
