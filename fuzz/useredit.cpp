// Reads arbitrary bytes as one record of the data file of user edits: the
// first byte picks the file version (1 or 2), the rest is the archive.
// Loading either succeeds or throws an archive (or memory) exception; a
// record that loaded stores and loads again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "afx/Archive.h"
#include "afx/Exception.h"
#include "afx/File.h"
#include "client/TanzoAuctionItemUserEdit.h"

namespace
{
std::vector<BYTE> Store(TanzoAuctionItemUserEdit& record, int fileVersion)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        record.Serialize(ar, fileVersion);
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

void Load(TanzoAuctionItemUserEdit& record, std::vector<BYTE> bytes, int fileVersion)
{
    bytes.push_back(0); // never an empty buffer; not part of the file
    CMemFile file(bytes.data(), (UINT)bytes.size() - 1);
    CArchive ar(&file, CArchive::load);
    record.Serialize(ar, fileVersion);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int fileVersion = (data[0] & 1) + 1;
    std::vector<BYTE> bytes(data + 1, data + size);
    TanzoAuctionItemUserEdit record;
    try
    {
        Load(record, bytes, fileVersion);
    }
    catch (CException* e)
    {
        e->Delete();
        return 0;
    }
    if (record.GetMark() < 0 || record.GetMark() > 2816 || (record.GetFlags() & ~3u) != 0)
        __builtin_trap();
    const std::vector<BYTE> stored = Store(record, fileVersion);
    TanzoAuctionItemUserEdit again;
    Load(again, stored, fileVersion);
    if (Store(again, fileVersion) != stored)
        __builtin_trap();
    return 0;
}
