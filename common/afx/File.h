#ifndef TANZO_AFX_FILE_H
#define TANZO_AFX_FILE_H

#include "afx/Exception.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/wintypes.h"

struct CFileStatus
{
    CTime m_ctime; // creation (natively: last status change)
    CTime m_mtime;
    CTime m_atime;
    LONG m_size;
    BYTE m_attribute; // CFile::Attribute bits
    BYTE m_padding;
    TCHAR m_szFullName[MAX_PATH];
};

// A file of the file system. Names are code page 932 bytes: the ANSI file
// functions take them on Windows; natively they are used as given. Errors
// throw CFileException, except from Open, which reports them. Positions
// and lengths are 32-bit, as the data files are.
class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };

    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    // The handle of a closed file: a Win32 HANDLE or a POSIX descriptor is
    // kept in m_hFile.
    static constexpr UINT_PTR hFileNull = ~(UINT_PTR)0;

    CFile();
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags); // throws CFileException
    ~CFile() override;

    // Share modes are kept by Windows; the native build ignores them.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin();
    DWORD SeekToEnd();
    virtual DWORD GetPosition() const;
    virtual DWORD GetLength() const;
    // Leaves the position at the new length.
    virtual void SetLength(DWORD dwNewLen);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing, whatever happens.
    virtual void Abort();

    // The name with its folder, as given to Open made absolute, and the
    // name alone.
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    static void Remove(LPCTSTR lpszFileName);
    // Fails when lpszNewName exists, on every platform.
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);

    UINT_PTR m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A file in memory, growing by nGrowBytes at a time. The buffer comes from
// malloc: one that Detach() hands over is released with free(). A buffer
// attached with nGrowBytes == 0 has a fixed size, and writing past its end
// throws CMemoryException; one attached with nGrowBytes > 0 stays the
// caller's, and is copied into a buffer of the file's own when the file
// outgrows it.
class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // The file's length is nBufferSize if it cannot grow, else 0.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // The buffer, now the caller's; the file is left empty.
    BYTE* Detach();

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    void GrowFile(DWORD dwNewLen);
    void Free();

    UINT m_nGrowBytes;
    DWORD m_nPosition;
    DWORD m_nBufferSize;
    DWORD m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;
};

#endif // TANZO_AFX_FILE_H
