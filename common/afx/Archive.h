#ifndef TANZO_AFX_ARCHIVE_H
#define TANZO_AFX_ARCHIVE_H

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "afx/File.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"

class CDocument;

// A binary stream over a CFile in the format of MFC's archives: numbers
// little-endian in fixed widths on every platform, strings with their
// length prefix, objects with class tags and back references.
//
// Loading never reads outside what the file holds and never allocates
// more than the file can fill: a file that ends early throws
// CArchiveException::endOfFile, a bad object or class reference badIndex,
// an unknown or unexpected class badClass, a schema this program cannot
// read badSchema.
class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    // Without bNoFlushOnDelete the destructor closes the archive, which
    // writes what is buffered; Close() reports errors that the destructor
    // can only drop.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const;
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded; it can be asked for once.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema);

    // Read returns fewer bytes than asked for only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the buffer to the file. Loading: moves the file back
    // over what was read ahead, so that it is positioned after the archive.
    void Flush();
    void Close();
    // Closes without writing what is buffered and without throwing.
    void Abort();

    // Text lines: WriteString writes the bytes as they are; ReadString
    // reads up to and past "\n", "\r\n" or "\r" and keeps neither. FALSE
    // (NULL) at the end of the file.
    void WriteString(LPCTSTR lpsz);
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // An object read here is new, unless the archive refers back to one
    // read before. If its Serialize throws, the new object is deleted.
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    // Makes pOb known as if it had been written or read, so that objects
    // that follow may refer to it.
    void MapObject(const CObject* pOb);

    // Counts below 0xFFFF in a WORD, others as 0xFFFF and a DWORD.
    DWORD ReadCount();
    void WriteCount(DWORD dwCount);

    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(short w) { return operator<<((WORD)w); }
    CArchive& operator<<(char ch) { return operator<<((BYTE)ch); }

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(short& w) { return operator>>((WORD&)w); }
    CArchive& operator>>(char& ch) { return operator>>((BYTE&)ch); }

#ifdef _WIN32
    // Windows' LONG and DWORD are long types; natively they are int types,
    // and these overloads are those above.
    CArchive& operator<<(int i)
    {
        return operator<<((LONG)i);
    }
    CArchive& operator<<(unsigned u)
    {
        return operator<<((LONG)u);
    }
    CArchive& operator>>(int& i)
    {
        return operator>>((LONG&)i);
    }
    CArchive& operator>>(unsigned& u)
    {
        return operator>>((LONG&)u);
    }
#endif

    CDocument* m_pDocument;
    CString m_strFileName;

private:
    friend CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

    enum EntryKind : BYTE
    {
        entryNull,
        entryClass,
        entryObject,
        entryLost // an object whose loading failed
    };
    struct LoadEntry
    {
        const void* p;
        EntryKind nKind;
        UINT nSchema;
    };

    void ReadExact(void* lpBuf, UINT nCount);
    // Up to nMax bytes of a line, without its end; FALSE at the end of the file.
    BOOL ReadLine(std::string& line, UINT nMax);
    // nBytes bytes into out, read in growing pieces: a corrupt length runs
    // into the end of the file before it can allocate much.
    void ReadLarge(std::string& out, ULONGLONG nBytes);
    void FlushWriteBuffer();
    void CheckCount();
    void InitLoadArray();
    [[noreturn]] void Throw(int nCause) const;

    CFile* m_pFile;
    UINT m_nMode;
    std::unique_ptr<BYTE[]> m_ownBuffer;
    BYTE* m_lpBuf;
    UINT m_nBufSize;
    UINT m_nBufCur; // next byte to read, or end of the bytes to write
    UINT m_nBufMax; // end of the bytes read ahead

    UINT m_nObjectSchema;
    DWORD m_nMapCount;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
};

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);

// One byte of length below 255; else 0xFF and a WORD below 0xFFFE; else
// 0xFF, 0xFFFF and a DWORD; then the bytes. Loading also takes the UTF-16
// strings of Unicode programs (0xFF 0xFFFE before the length).
CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

// CTime as 32 bits of GetTime(), read back unsigned (up to 2106);
// CTimeSpan as 32 signed bits of seconds.
CArchive& AFXAPI operator<<(CArchive& ar, CTime time);
CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime);
CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan timeSpan);
CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rtimeSpan);

#endif // TANZO_AFX_ARCHIVE_H
