// Reads arbitrary bytes as one of the document's four data files: the first
// byte picks the set, the rest is the file. Reading never writes the file;
// a file that could not be read is not written over when its set changes;
// a file that was read is written, and what was written reads again.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "afx/Exception.h"
#include "afx/File.h"
#include "afx/MessageBox.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileSystem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDocData.h"

namespace
{
// Files in memory; every change of a file is counted.
class CMemoryFileSystem : public CDataFileSystem
{
public:
    FileQuery QueryFile(LPCTSTR path, CFileException*) override
    {
        return files.count(path) != 0 ? fileFound : fileMissing;
    }
    BOOL EnsureFolderOfFile(LPCTSTR) override { return TRUE; }
    BOOL RemoveFolderTree(LPCTSTR) override
    {
        ++changes;
        return TRUE;
    }
    CFile* OpenForReading(LPCTSTR path, CFileException*) override
    {
        std::vector<BYTE>& bytes = files[path];
        reading = bytes;
        reading.push_back(0); // never an empty buffer; not part of the file
        return new CMemFile(reading.data(), (UINT)reading.size() - 1);
    }
    CFile* CreateTemporary(LPCTSTR path, CString& tempPath, CFileException*) override
    {
        tempPath = CString(path) + ".tmp";
        written.reset(new CMemFile);
        return new CWrittenFile(written.get());
    }
    void Replace(LPCTSTR, LPCTSTR path) override
    {
        ++changes;
        std::vector<BYTE> bytes(written->GetLength());
        written->SeekToBegin();
        if (!bytes.empty())
            written->Read(bytes.data(), (UINT)bytes.size());
        files[path] = bytes;
    }
    void RemoveFile(LPCTSTR) override {}

    std::map<std::string, std::vector<BYTE>> files;
    std::vector<BYTE> reading;
    std::unique_ptr<CMemFile> written;
    int changes = 0;

private:
    // Writes through to the file system's buffer, which outlives it.
    class CWrittenFile : public CMemFile
    {
    public:
        explicit CWrittenFile(CMemFile* pTarget) : m_pTarget(pTarget) {}
        void Write(const void* lpBuf, UINT nCount) override { m_pTarget->Write(lpBuf, nCount); }

    private:
        CMemFile* m_pTarget;
    };
};

class CFuzzDocData : public CTanzoDocData
{
protected:
    BOOL GetUserDataRoot(CString& out) override
    {
        out = "R";
        return TRUE;
    }
};

int Quiet(LPCTSTR, UINT, void*)
{
    return IDOK;
}

// A change of the set, so that closing wants to write it.
void Change(CTanzoDocData& doc, int set)
{
    doc.SetSetFlags(GetDataSetInfo(set)->modifiedBit);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    AfxSetMessageBoxHook(Quiet);
    const int set = data[0] % DataSetCount;
    CMemoryFileSystem disk;
    CFuzzDocData doc;
    doc.SetFileSystem(&disk);
    CUserAccount account;
    account.SetID("u");
    doc.Add(account);
    CString path;
    if (!doc.GetDataFilePath(path, set))
        __builtin_trap();
    disk.files[(LPCTSTR)path].assign(data + 1, data + size);

    doc.EnsureDataSetLoaded(set);
    if (disk.changes != 0)
        __builtin_trap();
    Change(doc, set);
    const BOOL bWritten = doc.TransferDataSet(set, TRUE);
    if (doc.IsUnreadable(set))
    {
        if (bWritten || disk.changes != 0 ||
            disk.files[(LPCTSTR)path] != std::vector<BYTE>(data + 1, data + size))
            __builtin_trap();
    }
    else
    {
        if (!bWritten || disk.changes != 1)
            __builtin_trap();
        CFuzzDocData again;
        again.SetFileSystem(&disk);
        again.Add(account);
        again.EnsureDataSetLoaded(set);
        if (again.IsUnreadable(set))
            __builtin_trap();
    }
    AfxSetMessageBoxHook(nullptr);
    return 0;
}
