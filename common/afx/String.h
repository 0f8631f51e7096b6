#ifndef TANZO_AFX_STRING_H
#define TANZO_AFX_STRING_H

#include <cstdarg>
#include <cstddef>
#include <string>

#include "afx/wintypes.h"

// Code page 932 (Shift_JIS): a byte below 0x80, 0x80 itself and 0xA0-0xDF
// (half-width kana) stand alone; any other byte from 0x80 up begins a
// two-byte character.
inline BOOL AfxIsLeadByte(BYTE b)
{
    return b > 0x80 && (b < 0xA0 || b > 0xDF);
}

// Past the character at lpsz; a lead byte just before the terminating NUL
// counts as a character of its own. Stays on the NUL at the end.
inline LPCTSTR AfxCharNext(LPCTSTR lpsz)
{
    if (*lpsz == '\0')
        return lpsz;
    if (AfxIsLeadByte((BYTE)*lpsz) && lpsz[1] != '\0')
        return lpsz + 2;
    return lpsz + 1;
}

// MFC 4.2's CString of an _MBCS build: a byte string in code page 932 whose
// searches, case changes and trims step over two-byte characters. Value
// semantics; lengths and indexes count bytes.
class CString
{
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(LPCTSTR lpsz); // a null pointer gives an empty string
    CString(std::nullptr_t) {}
    CString(LPCTSTR lpch, int nLength);
    CString(const unsigned char* psz);
    CString(TCHAR ch, int nRepeat = 1);
    CString(LPCWSTR lpsz); // UTF-16, converted to code page 932
#ifdef _WIN32
    CString(const char16_t* lpsz);
#endif
    ~CString();

    int GetLength() const
    {
        return (int)m_str.size();
    }
    BOOL IsEmpty() const
    {
        return m_str.empty();
    }
    void Empty();

    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const
    {
        return GetAt(nIndex);
    }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const
    {
        return m_str.c_str();
    }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(TCHAR ch);
    const CString& operator=(LPCTSTR lpsz);
    const CString& operator=(const unsigned char* psz);
    const CString& operator=(LPCWSTR lpsz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(TCHAR ch);
    const CString& operator+=(LPCTSTR lpsz);

    friend CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend CString AFXAPI operator+(const CString& string, TCHAR ch);
    friend CString AFXAPI operator+(TCHAR ch, const CString& string);
    friend CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
    friend CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

    // Character-code order, as _mbscmp in code page 932: a two-byte
    // character sorts after every one-byte one. NoCase folds single-byte
    // ASCII letters only. The Collate pair orders as the Compare pair.
    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Counts in bytes, out-of-range arguments clamped as MFC does.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    // Single-byte characters only; trail bytes are never changed.
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    void TrimRight();
    void TrimLeft();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);

    // Matches begin at character boundaries only; -1 when not found.
    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    // printf formats (as the C library's vsnprintf), plus %I64 and %I32.
    void Format(LPCTSTR lpszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList);

    // FormatMessage inserts: %1 .. %99, optionally %1!printf-spec!, and the
    // escapes %0 %% %n %t %r %. %! and "% ". Windows declares
    // FormatMessage and LoadString as macros naming the ...A functions;
    // this header always comes with the same macros, so the names agree.
    void FormatMessage(LPCTSTR lpszFormat, ...);
    void FormatMessage(UINT nFormatID, ...);

    BOOL LoadString(UINT nID);

    // The buffer holds at least nMinBufLength bytes and a NUL after them;
    // ReleaseBuffer(-1) takes the length up to the first NUL.
    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();

private:
    void FormatMessageV(LPCTSTR lpszFormat, va_list argList);

    std::string m_str;
};

bool AFXAPI operator==(const CString& s1, const CString& s2);
bool AFXAPI operator==(const CString& s1, LPCTSTR s2);
bool AFXAPI operator==(LPCTSTR s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, const CString& s2);
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2);
bool AFXAPI operator<(const CString& s1, const CString& s2);
bool AFXAPI operator<(const CString& s1, LPCTSTR s2);
bool AFXAPI operator<(LPCTSTR s1, const CString& s2);
bool AFXAPI operator>(const CString& s1, const CString& s2);
bool AFXAPI operator>(const CString& s1, LPCTSTR s2);
bool AFXAPI operator>(LPCTSTR s1, const CString& s2);
bool AFXAPI operator<=(const CString& s1, const CString& s2);
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2);
bool AFXAPI operator>=(const CString& s1, const CString& s2);
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2);
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2);

#endif // TANZO_AFX_STRING_H
