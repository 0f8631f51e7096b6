#include "text/JsonReader.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "afx/String.h"
#include "text/CharClass.h"
#include "text/JsonContainer.h"
#include "text/JsonKeyValue.h"
#include "text/JsonScalars.h"
#include "text/JsonString.h"
#include "text/NumberText.h"

namespace
{
BOOL IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The text of a key or a value as it is scanned: comments left out,
// blanks around it trimmed (by whole characters).
class CTextPart
{
public:
    void Add(const char* p, size_t n, BOOL bBlank)
    {
        if (bBlank && m_text.empty())
            return;
        m_text.append(p, n);
        if (!bBlank)
            m_nUsed = m_text.size();
    }
    BOOL IsEmpty() const { return m_nUsed == 0; }
    CString Get() const { return CString(m_text.data(), (int)m_nUsed); }
    void Reset()
    {
        m_text.clear();
        m_nUsed = 0;
    }

private:
    std::string m_text;
    size_t m_nUsed = 0; // up to the end of the last character that is not blank
};

// A container being read, or the top level (no container, no closer).
struct CFrame
{
    CJsonContainer* pContainer = nullptr;
    char chClose = 0;
    // The current element or member.
    CTextPart key; // objects: the text before the colon
    CTextPart value;
    BOOL bColon = FALSE;
    CJsonValue* pNested = nullptr; // the first container in it

    BOOL IsObject() const { return chClose == '}'; }
    CTextPart& Current() { return IsObject() && !bColon ? key : value; }
};

class CJsonReader
{
public:
    CJsonReader(LPCTSTR lpszText, DWORD dwOptions)
        : m_p(lpszText), m_end(lpszText + std::strlen(lpszText)), m_dwOptions(dwOptions)
    {
    }
    ~CJsonReader();

    int Read(CJsonValue*& pRoot);

private:
    // A lead byte cut off by the end of the text.
    BOOL IsCutChar(const char* p) const { return !IsSingleByteChar((BYTE)*p) && p + 1 >= m_end; }
    BOOL Allows(DWORD dwOption) const { return (m_dwOptions & dwOption) != 0; }
    BOOL IsQuote(char c) const { return c == '"' || (c == '\'' && Allows(JSON_ALLOW_SINGLE_QUOTES)); }

    int SkipComment();
    int ScanString();
    int Open(char c);
    int Close(char c);
    void FinishElement(CFrame& frame);
    CString Unquote(const CString& strText, DWORD& dwQuote) const;
    CJsonValue* MakeValue(CFrame& frame) const;

    const char* m_p;
    const char* const m_end;
    const DWORD m_dwOptions;
    std::vector<CFrame> m_frames;
    int m_nRun = 0; // backslashes just before m_p outside strings
};

CJsonReader::~CJsonReader()
{
    for (CFrame& frame : m_frames)
    {
        delete frame.pContainer;
        delete frame.pNested;
    }
}

// Skips a comment at m_p when the options allow one there: 1 when skipped,
// 0 when there is none, -1 when it is never closed.
int CJsonReader::SkipComment()
{
    const char* p = m_p;
    BOOL bLine = (*p == '#' && Allows(JSON_ALLOW_HASH_COMMENTS)) ||
                 (*p == '/' && p + 1 < m_end && p[1] == '/' && Allows(JSON_ALLOW_LINE_COMMENTS));
    BOOL bBlock = *p == '/' && p + 1 < m_end && p[1] == '*' && Allows(JSON_ALLOW_BLOCK_COMMENTS);
    if (!bLine && !bBlock)
        return 0;
    p += bLine ? 1 : 2;
    for (;;)
    {
        if (p >= m_end)
        {
            if (bBlock)
                return -1;
            break;
        }
        if (bLine && *p == '\n')
            break;
        if (bBlock && *p == '*' && p + 1 < m_end && p[1] == '/')
        {
            p += 2;
            break;
        }
        p += CharLength(p, m_end);
    }
    m_p = p;
    return 1;
}

// A string from its opening quote at m_p to its closing one, quotes kept.
int CJsonReader::ScanString()
{
    const char chQuote = *m_p;
    const char* p = m_p + 1;
    int nRun = 0;
    for (;;)
    {
        if (p >= m_end || IsCutChar(p))
            return JSON_PARSE_INCOMPLETE;
        if (CharLength(p, m_end) == 2)
        {
            nRun = 0;
            p += 2;
            continue;
        }
        // A quote after an odd run of backslashes is escaped.
        if (*p == chQuote && nRun % 2 == 0)
            break;
        nRun = *p == '\\' ? nRun + 1 : 0;
        p++;
    }
    p++;
    m_frames.back().Current().Add(m_p, (size_t)(p - m_p), FALSE);
    m_p = p;
    return JSON_PARSE_OK;
}

int CJsonReader::Open(char c)
{
    if ((int)m_frames.size() > JSON_MAX_DEPTH)
        return JSON_PARSE_TOO_DEEP;
    CFrame frame;
    if (c == '[')
    {
        frame.pContainer = new CJsonArray;
        frame.chClose = ']';
    }
    else
    {
        frame.pContainer = new CJsonObject;
        frame.chClose = '}';
    }
    m_frames.push_back(std::move(frame));
    return JSON_PARSE_OK;
}

int CJsonReader::Close(char c)
{
    CFrame& frame = m_frames.back();
    if (frame.chClose != c)
        return JSON_PARSE_UNMATCHED;
    FinishElement(frame);
    CJsonContainer* pDone = frame.pContainer;
    frame.pContainer = nullptr;
    m_frames.pop_back();
    // A container belongs to the element or member around it; a second one
    // there has no place and is dropped.
    CFrame& outer = m_frames.back();
    if (outer.pNested == nullptr)
        outer.pNested = pDone;
    else
        delete pDone;
    return JSON_PARSE_OK;
}

CString CJsonReader::Unquote(const CString& strText, DWORD& dwQuote) const
{
    dwQuote = 0;
    const int n = strText.GetLength();
    if (n < 2)
        return strText;
    // The closing quote must be a character of its own, not a trail byte.
    const char* s = strText;
    int nLast = 0;
    for (int i = 0; i < n; i += CharLength(s + i, s + n))
        nLast = i;
    if (nLast != n - 1)
        return strText;
    if (Allows(JSON_ALLOW_SINGLE_QUOTES) && s[0] == '\'' && s[n - 1] == '\'')
    {
        dwQuote = JSON_QUOTE_SINGLE;
        return strText.Mid(1, n - 2);
    }
    if (s[0] == '"' && s[n - 1] == '"')
        return strText.Mid(1, n - 2);
    return strText;
}

// The value of the current element or member; null when it has none.
CJsonValue* CJsonReader::MakeValue(CFrame& frame) const
{
    if (frame.pNested != nullptr)
    {
        CJsonValue* pValue = frame.pNested;
        frame.pNested = nullptr;
        return pValue;
    }
    if (frame.value.IsEmpty())
        return nullptr;
    CString strText = frame.value.Get();
    if (strText == "null")
        return new CJsonNull;
    if (strText == "true" || strText == "false")
        return new CJsonBoolean(strText == "true");
    if (JsonIsIntegerText(strText))
        return new CJsonInteger(ParseIntSaturated(strText));
    DWORD dwQuote;
    CString strValue = Unquote(strText, dwQuote);
    return new CJsonString(strValue, dwQuote);
}

void CJsonReader::FinishElement(CFrame& frame)
{
    if (frame.IsObject())
    {
        if (frame.bColon || !frame.key.IsEmpty() || frame.pNested != nullptr)
        {
            DWORD dwQuote;
            CString strKey = Unquote(frame.key.Get(), dwQuote);
            CJsonKeyValue* pMember = new CJsonKeyValue(strKey, dwQuote);
            pMember->SetValue(MakeValue(frame));
            if (!frame.pContainer->Append(pMember))
                delete pMember;
        }
    }
    else if (CJsonValue* pValue = MakeValue(frame))
    {
        if (!frame.pContainer->Append(pValue))
            delete pValue;
    }
    frame.key.Reset();
    frame.value.Reset();
    frame.bColon = FALSE;
}

int CJsonReader::Read(CJsonValue*& pRoot)
{
    pRoot = nullptr;
    m_frames.emplace_back();
    while (m_p < m_end)
    {
        CFrame& frame = m_frames.back();
        const char c = *m_p;
        if (IsCutChar(m_p))
            break; // no character
        if (CharLength(m_p, m_end) == 2)
        {
            frame.Current().Add(m_p, 2, FALSE);
            m_p += 2;
            m_nRun = 0;
            continue;
        }
        int nComment = SkipComment();
        if (nComment < 0)
            return JSON_PARSE_INCOMPLETE;
        if (nComment > 0)
            continue;
        int nResult = JSON_PARSE_OK;
        if (IsQuote(c) && m_nRun % 2 == 0)
        {
            nResult = ScanString();
            m_nRun = 0;
            if (nResult != JSON_PARSE_OK)
                return nResult;
            continue;
        }
        if (c == '[' || c == '{')
            nResult = Open(c);
        else if (c == ']' || c == '}')
            nResult = Close(c);
        else if (c == ',' && frame.chClose != 0)
            FinishElement(frame);
        else if (c == ':' && frame.IsObject() && !frame.bColon)
            frame.bColon = TRUE;
        else
        {
            frame.Current().Add(m_p, 1, IsBlank(c));
            m_nRun = c == '\\' ? m_nRun + 1 : 0;
            m_p++;
            continue;
        }
        if (nResult != JSON_PARSE_OK)
            return nResult;
        m_nRun = 0;
        m_p++;
    }
    if (m_frames.size() > 1)
        return JSON_PARSE_INCOMPLETE;
    pRoot = MakeValue(m_frames.back());
    return JSON_PARSE_OK;
}
} // namespace

int JsonReadText(LPCTSTR lpszText, DWORD dwOptions, CJsonValue*& pRoot)
{
    pRoot = nullptr;
    if (lpszText == nullptr)
        return JSON_PARSE_INCOMPLETE;
    CJsonReader reader(lpszText, dwOptions);
    return reader.Read(pRoot);
}
