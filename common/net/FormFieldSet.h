#ifndef TANZO_NET_FORMFIELDSET_H
#define TANZO_NET_FORMFIELDSET_H

#include <string>

#include "afx/Collections.h"
#include "afx/String.h"
#include "afx/wintypes.h"

class CHtmlDocument;

// Lower-cased field name to field number; one per form class.
typedef CMap<CString, const CString&, int, int> CFormFieldNameIndex;

// Random numbers for the multipart boundary: 0 up to RAND_MAX as rand().
typedef int (*FormRandomSource)();

// The values of one HTML form of the service before it is posted: a fixed,
// numbered list of fields whose names a derived class supplies, and further
// name/value pairs found on the page. The body is written url-encoded or as
// multipart, every name and value converted from the program's code page to
// the charset of the page that the form came from.
class CFormFieldSet
{
public:
    // Flags of BuildMultipartBody.
    enum
    {
        MultipartOpen = 0x1 // no closing delimiter: the caller appends parts
    };

    // page: the page that the form was read from; its charset (or
    // defaultCharset when the page's is not known) is that of the body.
    CFormFieldSet(int fieldCount, CHtmlDocument* page, int defaultCharset);
    virtual ~CFormFieldSet();

    virtual void Reset();
    virtual CString GetFieldName(int i) const = 0;
    // The url-encoded body; TRUE when it is not empty.
    virtual BOOL BuildBody(CString& out);
    virtual void BuildMultipartBody(CString& out, DWORD flags);
    virtual CFormFieldNameIndex& GetNameIndex() const = 0;
    // Fills the name index when it is empty; FALSE when it was filled.
    virtual BOOL BuildNameIndex() const;

    int GetFieldCount() const { return (int)m_values.GetSize(); }
    int GetCharset() const { return m_charset; }
    void SetCharset(int charset) { m_charset = charset; }

    void SetAt(int i, LPCTSTR text);
    void SetInt(int i, int n);
    void SetInt64(int i, LONGLONG n);
    void SetByName(LPCTSTR name, LPCTSTR text);
    void GetAt(int i, CString& out) const;
    CString GetAt(int i) const;
    int GetLength(int i) const;
    BOOL IsEmptyAt(int i) const;
    BOOL IsEqualAt(int i, LPCTSTR text) const;
    int GetInt(int i) const;
    LONGLONG GetInt64(int i) const;
    int GetIntOr(int i, int defaultValue) const;
    BOOL IsNumericAt(int i, int flags) const;
    void ClearAt(int i);

    // Extra values: names that are not numbered fields, case-sensitive.
    BOOL GetExtraValue(LPCTSTR name, CString& out) const;
    int GetExtraCount() const { return (int)m_extra.GetCount(); }

    // The hidden inputs of the page's first form (of the whole page when it
    // has none), set by name in page order. TRUE when any was found.
    BOOL ReadFormInputs(CHtmlDocument* page);
    // Empties value i unless the page offers an enabled input of its name.
    void KeepIfEnabled(CHtmlDocument* page, int i);
    int IndexOfName(LPCTSTR name) const;

    // The boundary (made on first multipart use) and the header that goes
    // with a multipart body.
    const CString& GetBoundary() const { return m_boundary; }
    void SetBoundary(LPCTSTR boundary);
    void GetMultipartHeader(CString& out);
    void SetRandomSource(FormRandomSource source) { m_random = source; }

protected:
    BOOL IsValidIndex(int i) const { return i >= 0 && i < (int)m_values.GetSize(); }
    // A name or value in the charset of the body.
    CString ConvertForSending(const CString& text) const;
    // name=value url-encoded in the charset of the body, after a "&" when
    // the body holds a pair already; FALSE, appending nothing, for an empty
    // value.
    BOOL AppendEncodedPair(std::string& body, const CString& name, const CString& value) const;
    // Appends the extra pairs and gives the body as text; TRUE when it is
    // not empty.
    BOOL FinishBody(std::string& body, CString& out) const;

private:
    CFormFieldSet(const CFormFieldSet&) = delete;
    CFormFieldSet& operator=(const CFormFieldSet&) = delete;

    void MakeBoundary();

    int m_charset;
    CStringArray m_values;
    CMapStringToString m_extra;
    CString m_boundary;
    CString m_partDelimiter;
    CString m_closingDelimiter;
    FormRandomSource m_random;
};

#endif // TANZO_NET_FORMFIELDSET_H
