#include "afx/String.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "afx/CodePage.h"
#include "afx/StringTable.h"

namespace
{
// Bytes of the character that starts at s[i] (s[i] != '\0').
int CharSize(const char* s, int i)
{
    return AfxIsLeadByte((BYTE)s[i]) && s[i + 1] != '\0' ? 2 : 1;
}

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char ToLowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c + ('a' - 'A')) : c;
}

char ToUpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? (char)(c - ('a' - 'A')) : c;
}

// Whether the character of nSize bytes at pch is one of the characters of
// lpszSet (each of them a whole character).
bool IsInSet(const char* pch, int nSize, LPCTSTR lpszSet)
{
    if (lpszSet == nullptr)
        return false;
    for (LPCTSTR p = lpszSet; *p != '\0';)
    {
        LPCTSTR next = AfxCharNext(p);
        if (next - p == nSize && std::memcmp(p, pch, nSize) == 0)
            return true;
        p = next;
    }
    return false;
}

// The index of the first character of s for which match(index, size) holds,
// from nStart on; s.size() when there is none.
template <class Match> int FindChar(const std::string& s, int nStart, Match match)
{
    const char* p = s.c_str();
    int n = (int)s.size();
    for (int i = 0; i < n; i += CharSize(p, i))
    {
        if (i >= nStart && match(i, CharSize(p, i)))
            return i;
    }
    return n;
}

// Where the run of trailing characters for which match(index, size) holds
// begins; s.size() when the last character does not match.
template <class Match> int TrailingRun(const std::string& s, Match match)
{
    const char* p = s.c_str();
    int n = (int)s.size();
    int run = -1;
    for (int i = 0; i < n; i += CharSize(p, i))
    {
        if (match(i, CharSize(p, i)))
        {
            if (run < 0)
                run = i;
        }
        else
            run = -1;
    }
    return run < 0 ? n : run;
}

// Whether lpszSub (nSubLen bytes) occurs at the character boundary i of s
// and ends at a character boundary.
bool MatchesAt(const std::string& s, int i, LPCTSTR lpszSub, int nSubLen)
{
    int n = (int)s.size();
    if (nSubLen > n - i || std::memcmp(s.c_str() + i, lpszSub, nSubLen) != 0)
        return false;
    int end = i;
    while (end < i + nSubLen)
        end += CharSize(s.c_str(), end);
    return end == i + nSubLen;
}

// %I64 and %I32 are MSVCRT's spellings; glibc reads "%I" as a flag, so
// they become the C99 ones, which every C library here understands.
std::string PortableFormat(LPCTSTR lpszFormat)
{
    std::string out;
    for (const char* p = lpszFormat; *p != '\0';)
    {
        if (*p != '%')
        {
            out += *p++;
            continue;
        }
        out += *p++;
        while (*p != '\0' && std::strchr("-+ #0123456789.*", *p) != nullptr)
            out += *p++;
        if (p[0] == 'I' && p[1] == '6' && p[2] == '4')
        {
            out += "ll";
            p += 3;
        }
        else if (p[0] == 'I' && p[1] == '3' && p[2] == '2')
            p += 3;
        else if (*p == '%')
            out += *p++;
    }
    return out;
}

std::string FormatVToString(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == nullptr)
        return std::string();
    std::string format = PortableFormat(lpszFormat);
    std::vector<char> buffer(256);
    for (;;)
    {
        va_list args;
        va_copy(args, argList);
        int n = std::vsnprintf(buffer.data(), buffer.size(), format.c_str(), args);
        va_end(args);
        if (n >= 0 && (size_t)n < buffer.size())
            return std::string(buffer.data(), n);
        // A C library of the old kind says -1 when the buffer is too small.
        size_t size = n >= 0 ? (size_t)n + 1 : buffer.size() * 2;
        if (size > 0x7FFFFFFF)
            return std::string();
        buffer.resize(size);
    }
}

// The string nID of the string table; empty when there is none.
std::string LoadStringToString(UINT nID)
{
    std::vector<char> buffer(256);
    for (;;)
    {
        int n = AfxLoadString(nID, buffer.data(), (UINT)buffer.size());
        // A string that fills the buffer may have been cut short; so may one
        // a byte shorter, cut before a two-byte character that did not fit.
        if (n < (int)buffer.size() - 2 || buffer.size() >= 0x10000)
            return std::string(buffer.data(), n > 0 ? n : 0);
        buffer.resize(buffer.size() * 2);
    }
}

// One FormatMessage insert: its argument's kind, and the printf spec that
// formats it with that kind.
struct Insert
{
    enum Kind
    {
        kNone,
        kString,
        kInt,
        kInt64,
        kDouble,
        kPointer
    } kind = kNone;
    std::string spec;
};

// "!spec!" after %n, in Windows' meaning: the conversion with its flags,
// width and precision. A literal width is supported; '*' is dropped, since
// it would read arguments that the insert does not have.
Insert ParseInsertSpec(const std::string& spec)
{
    Insert insert;
    std::string head;
    size_t i = 0;
    for (; i < spec.size() && std::strchr("-+ #0123456789.*", spec[i]) != nullptr; ++i)
    {
        if (spec[i] != '*')
            head += spec[i];
    }
    bool is64 = false;
    std::string size;
    for (; i < spec.size() && std::strchr("hlLIjzt0123456789", spec[i]) != nullptr; ++i)
    {
        if (spec.compare(i, 3, "I64") == 0 || spec.compare(i, 2, "ll") == 0 || spec[i] == 'j')
            is64 = true;
        if (spec[i] == 'h')
            size += 'h';
    }
    char conv = i < spec.size() ? spec[i] : 's';
    switch (conv)
    {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
    case 'o':
    case 'c':
        // 'l' is 32 bits, as Windows' long.
        insert.kind = is64 ? Insert::kInt64 : Insert::kInt;
        insert.spec = "%" + head + (is64 ? std::string("ll") : size) + conv;
        break;
    case 'e':
    case 'E':
    case 'f':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        insert.kind = Insert::kDouble;
        insert.spec = "%" + head + conv;
        break;
    case 'p':
        insert.kind = Insert::kPointer;
        insert.spec = "%" + head + "p";
        break;
    default:
        insert.kind = Insert::kString;
        insert.spec = "%" + head + "s";
        break;
    }
    return insert;
}

std::string FormatOne(const char* pszSpec, ...)
{
    va_list args;
    va_start(args, pszSpec);
    std::string s = FormatVToString(pszSpec, args);
    va_end(args);
    return s;
}

std::string FormatMessageToString(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == nullptr)
        return std::string();

    // Each piece is literal text (nInsert == 0) or an insert.
    struct Piece
    {
        std::string text;
        int nInsert = 0;
        Insert insert;
    };
    std::vector<Piece> pieces;
    Insert first[100]; // the first insert of each number decides its argument's kind
    int nMaxInsert = 0;
    auto literal = [&pieces](const char* p, size_t n)
    {
        if (pieces.empty() || pieces.back().nInsert != 0)
            pieces.emplace_back();
        pieces.back().text.append(p, n);
    };

    // '%' and '!' are never trail bytes in code page 932: bytes suffice.
    for (const char* p = lpszFormat; *p != '\0';)
    {
        if (*p != '%')
        {
            literal(p++, 1);
            continue;
        }
        ++p;
        if (*p >= '1' && *p <= '9')
        {
            int n = *p++ - '0';
            if (*p >= '0' && *p <= '9')
                n = n * 10 + (*p++ - '0');
            std::string spec = "s";
            if (*p == '!')
            {
                const char* end = std::strchr(p + 1, '!');
                if (end != nullptr)
                {
                    spec.assign(p + 1, end);
                    p = end + 1;
                }
            }
            Piece piece;
            piece.nInsert = n;
            piece.insert = ParseInsertSpec(spec);
            if (first[n].kind == Insert::kNone)
                first[n] = piece.insert;
            nMaxInsert = std::max(nMaxInsert, n);
            pieces.push_back(std::move(piece));
            continue;
        }
        char c = *p;
        if (c == '\0' || c == '0')
            break;
        ++p;
        if (c == 'n')
            literal("\r\n", 2);
        else if (c == 't')
            literal("\t", 1);
        else if (c == 'r')
            literal("\r", 1);
        else
            literal(&c, 1); // "%%", "% ", "%.", "%!" and the like
    }

    // The arguments come in the order of their numbers; a number without an
    // insert is taken as a pointer-sized value and skipped.
    struct Value
    {
        const char* psz = nullptr;
        long long n = 0;
        double d = 0;
        const void* pv = nullptr;
    };
    std::vector<Value> values(nMaxInsert + 1);
    va_list args;
    va_copy(args, argList);
    for (int i = 1; i <= nMaxInsert; ++i)
    {
        switch (first[i].kind)
        {
        case Insert::kString:
            values[i].psz = va_arg(args, const char*);
            break;
        case Insert::kInt:
            values[i].n = va_arg(args, int);
            break;
        case Insert::kInt64:
            values[i].n = va_arg(args, long long);
            break;
        case Insert::kDouble:
            values[i].d = va_arg(args, double);
            break;
        case Insert::kPointer:
        case Insert::kNone:
            values[i].pv = va_arg(args, const void*);
            break;
        }
    }
    va_end(args);

    std::string out;
    for (const Piece& piece : pieces)
    {
        if (piece.nInsert == 0)
        {
            out += piece.text;
            continue;
        }
        const Value& v = values[piece.nInsert];
        const Insert& kind = first[piece.nInsert];
        // A later insert of another kind than the first would misread the
        // argument: the first one's spec formats it.
        const char* spec = (piece.insert.kind == kind.kind ? piece.insert : kind).spec.c_str();
        switch (kind.kind)
        {
        case Insert::kString:
            out += FormatOne(spec, v.psz != nullptr ? v.psz : "");
            break;
        case Insert::kInt:
            out += FormatOne(spec, (int)v.n);
            break;
        case Insert::kInt64:
            out += FormatOne(spec, v.n);
            break;
        case Insert::kDouble:
            out += FormatOne(spec, v.d);
            break;
        case Insert::kPointer:
            out += FormatOne(spec, v.pv);
            break;
        case Insert::kNone:
            break;
        }
    }
    return out;
}
} // namespace

CString::CString() = default;

CString::CString(const CString& stringSrc) = default;

CString::CString(CString&& stringSrc) noexcept : m_str(std::move(stringSrc.m_str)) {}

CString::CString(LPCTSTR lpsz)
{
    if (lpsz != nullptr)
        m_str = lpsz;
}

CString::CString(LPCTSTR lpch, int nLength)
{
    if (lpch != nullptr && nLength > 0)
        m_str.assign(lpch, nLength);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCTSTR>(psz)) {}

CString::CString(TCHAR ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(nRepeat, ch);
}

CString::CString(LPCWSTR lpsz)
{
    *this = lpsz;
}

#ifdef _WIN32
CString::CString(const char16_t* lpsz) : CString(reinterpret_cast<LPCWSTR>(lpsz)) {}
#endif

CString::~CString() = default;

void CString::Empty()
{
    // The memory goes back too; a string that holds none has nothing to do.
    if (!m_str.empty() || m_str.capacity() > std::string().capacity())
        std::string().swap(m_str);
}

TCHAR CString::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetLength() ? m_str[nIndex] : '\0';
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_str[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc)
{
    m_str = stringSrc.m_str; // std::string copes with self-assignment
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
        m_str = std::move(stringSrc.m_str);
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    m_str.assign(1, ch);
    return *this;
}

const CString& CString::operator=(LPCTSTR lpsz)
{
    // assign() copes with a pointer into this string's own buffer.
    if (lpsz == nullptr)
        m_str.clear();
    else
        m_str.assign(lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCTSTR>(psz);
}

const CString& CString::operator=(LPCWSTR lpsz)
{
    std::string converted;
    if (lpsz != nullptr)
        AfxWideToMultiByte(932, reinterpret_cast<const char16_t*>(lpsz), -1, converted);
    m_str.swap(converted);
    return *this;
}

const CString& CString::operator+=(const CString& string)
{
    m_str += string.m_str; // s += s is fine: append() copes with aliasing
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    m_str += ch;
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    if (lpsz != nullptr)
        m_str.append(lpsz);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s(string1);
    s.m_str += string2.m_str;
    return s;
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    CString s(string);
    s.m_str += ch;
    return s;
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    CString s(ch);
    s.m_str += string.m_str;
    return s;
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    CString s(string);
    s += lpsz;
    return s;
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    CString s(lpsz);
    s.m_str += string.m_str;
    return s;
}

namespace
{
// The order of _mbscmp and _mbsicmp: by character code, so a two-byte
// character comes after every one-byte one (half-width kana included).
// Up to the first difference both strings have the same bytes, so one flag
// tells for both whether the byte at i is a trail byte.
int CompareMbcs(const char* p1, const char* p2, bool bNoCase)
{
    bool trail = false;
    for (int i = 0;; ++i)
    {
        BYTE c1 = (BYTE)(trail || !bNoCase ? p1[i] : ToLowerAscii(p1[i]));
        BYTE c2 = (BYTE)(trail || !bNoCase ? p2[i] : ToLowerAscii(p2[i]));
        if (c1 != c2)
        {
            bool lead1 = !trail && AfxIsLeadByte(c1);
            bool lead2 = !trail && AfxIsLeadByte(c2);
            if (lead1 != lead2)
                return lead1 ? 1 : -1;
            return c1 < c2 ? -1 : 1;
        }
        if (c1 == 0)
            return 0;
        trail = !trail && AfxIsLeadByte(c1);
    }
}
} // namespace

int CString::Compare(LPCTSTR lpsz) const
{
    return CompareMbcs(m_str.c_str(), lpsz != nullptr ? lpsz : "", false);
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return CompareMbcs(m_str.c_str(), lpsz != nullptr ? lpsz : "", true);
}

int CString::Collate(LPCTSTR lpsz) const
{
    return Compare(lpsz);
}

int CString::CollateNoCase(LPCTSTR lpsz) const
{
    return CompareNoCase(lpsz);
}

CString CString::Mid(int nFirst, int nCount) const
{
    int n = GetLength();
    nFirst = std::min(std::max(nFirst, 0), n);
    nCount = std::min(std::max(nCount, 0), n - nFirst);
    return CString(m_str.c_str() + nFirst, nCount);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int n = GetLength();
    nCount = std::min(std::max(nCount, 0), n);
    return Mid(n - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    const char* p = m_str.c_str();
    int i = FindChar(m_str, 0, [&](int i, int n) { return !IsInSet(p + i, n, lpszCharSet); });
    return Left(i);
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    const char* p = m_str.c_str();
    int i = FindChar(m_str, 0, [&](int i, int n) { return IsInSet(p + i, n, lpszCharSet); });
    return Left(i);
}

void CString::MakeUpper()
{
    const char* p = m_str.c_str();
    for (int i = 0; i < GetLength(); i += CharSize(p, i))
        m_str[i] = ToUpperAscii(m_str[i]);
}

void CString::MakeLower()
{
    const char* p = m_str.c_str();
    for (int i = 0; i < GetLength(); i += CharSize(p, i))
        m_str[i] = ToLowerAscii(m_str[i]);
}

void CString::MakeReverse()
{
    std::string reversed(m_str.size(), '\0');
    const char* p = m_str.c_str();
    int n = GetLength();
    for (int i = 0; i < n;)
    {
        int size = CharSize(p, i);
        std::memcpy(&reversed[n - i - size], p + i, size);
        i += size;
    }
    m_str.swap(reversed);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int nCount = 0;
    const char* p = m_str.c_str();
    for (int i = 0; i < GetLength(); i += CharSize(p, i))
    {
        if (CharSize(p, i) == 1 && m_str[i] == chOld)
        {
            m_str[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = lpszOld != nullptr ? (int)std::strlen(lpszOld) : 0;
    if (nOldLen == 0)
        return 0;
    if (lpszNew == nullptr)
        lpszNew = "";
    int nCount = 0;
    std::string result;
    const char* p = m_str.c_str();
    for (int i = 0; i < GetLength();)
    {
        if (MatchesAt(m_str, i, lpszOld, nOldLen))
        {
            result += lpszNew;
            i += nOldLen;
            ++nCount;
        }
        else
        {
            int size = CharSize(p, i);
            result.append(p + i, size);
            i += size;
        }
    }
    if (nCount > 0)
        m_str.swap(result);
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    std::string result;
    const char* p = m_str.c_str();
    for (int i = 0; i < GetLength(); i += CharSize(p, i))
    {
        int size = CharSize(p, i);
        if (size != 1 || p[i] != chRemove)
            result.append(p + i, size);
    }
    int nCount = GetLength() - (int)result.size();
    m_str.swap(result);
    return nCount;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    nIndex = std::min(std::max(nIndex, 0), GetLength());
    m_str.insert(m_str.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    nIndex = std::min(std::max(nIndex, 0), GetLength());
    if (pstr != nullptr)
        m_str.insert(nIndex, pstr); // copes with a pointer into m_str
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase(nIndex, std::min(nCount, GetLength() - nIndex));
    return GetLength();
}

void CString::TrimRight()
{
    const char* p = m_str.c_str();
    m_str.resize(TrailingRun(m_str, [p](int i, int n) { return n == 1 && IsSpace(p[i]); }));
}

void CString::TrimLeft()
{
    const char* p = m_str.c_str();
    m_str.erase(0, FindChar(m_str, 0, [p](int i, int n) { return n != 1 || !IsSpace(p[i]); }));
}

void CString::TrimRight(TCHAR chTarget)
{
    const char* p = m_str.c_str();
    m_str.resize(TrailingRun(m_str, [=](int i, int n) { return n == 1 && p[i] == chTarget; }));
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    const char* p = m_str.c_str();
    m_str.resize(TrailingRun(m_str, [=](int i, int n) { return IsInSet(p + i, n, lpszTargets); }));
}

void CString::TrimLeft(TCHAR chTarget)
{
    const char* p = m_str.c_str();
    m_str.erase(0, FindChar(m_str, 0, [=](int i, int n) { return n != 1 || p[i] != chTarget; }));
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    const char* p = m_str.c_str();
    m_str.erase(0, FindChar(m_str, 0, [=](int i, int n) { return !IsInSet(p + i, n, lpszTargets); }));
}

int CString::Find(TCHAR ch) const
{
    return Find(ch, 0);
}

int CString::Find(TCHAR ch, int nStart) const
{
    const char* p = m_str.c_str();
    int i = FindChar(m_str, nStart, [=](int i, int n) { return n == 1 && p[i] == ch; });
    return i < GetLength() ? i : -1;
}

int CString::Find(LPCTSTR lpszSub) const
{
    return Find(lpszSub, 0);
}

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    if (lpszSub == nullptr || nStart > GetLength())
        return -1;
    nStart = std::max(nStart, 0);
    int nSubLen = (int)std::strlen(lpszSub);
    if (nSubLen == 0)
        return FindChar(m_str, nStart, [](int, int) { return true; });
    int i = FindChar(m_str, nStart, [&](int i, int) { return MatchesAt(m_str, i, lpszSub, nSubLen); });
    return i < GetLength() ? i : -1;
}

int CString::ReverseFind(TCHAR ch) const
{
    const char* p = m_str.c_str();
    int nFound = -1;
    for (int i = 0; i < GetLength(); i += CharSize(p, i))
    {
        if (CharSize(p, i) == 1 && p[i] == ch)
            nFound = i;
    }
    return nFound;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    const char* p = m_str.c_str();
    int i = FindChar(m_str, 0, [&](int i, int n) { return IsInSet(p + i, n, lpszCharSet); });
    return i < GetLength() ? i : -1;
}

void CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    std::string format = LoadStringToString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format.c_str(), args);
    va_end(args);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    // Formatted into a string of its own: the arguments may point into m_str.
    m_str = FormatVToString(lpszFormat, argList);
}

void CString::FormatMessage(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatMessageV(lpszFormat, args);
    va_end(args);
}

void CString::FormatMessage(UINT nFormatID, ...)
{
    std::string format = LoadStringToString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatMessageV(format.c_str(), args);
    va_end(args);
}

void CString::FormatMessageV(LPCTSTR lpszFormat, va_list argList)
{
    m_str = FormatMessageToString(lpszFormat, argList);
}

BOOL CString::LoadString(UINT nID)
{
    m_str = LoadStringToString(nID);
    return !m_str.empty();
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(nMinBufLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)std::strlen(m_str.c_str());
    m_str.resize(std::min(nNewLength, GetLength()));
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(std::max(nNewLength, 0));
    return &m_str[0];
}

void CString::FreeExtra()
{
    m_str.shrink_to_fit();
}

LPTSTR CString::LockBuffer()
{
    return &m_str[0];
}

void CString::UnlockBuffer() {}

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) == 0;
}
bool AFXAPI operator==(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
bool AFXAPI operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) != 0;
}
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
bool AFXAPI operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) < 0;
}
bool AFXAPI operator<(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) > 0;
}
bool AFXAPI operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) > 0;
}
bool AFXAPI operator>(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) < 0;
}
bool AFXAPI operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) <= 0;
}
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) >= 0;
}
bool AFXAPI operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2)
{
    return s1.Compare(s2) >= 0;
}
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2)
{
    return s2.Compare(s1) <= 0;
}
